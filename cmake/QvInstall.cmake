# Installing Quorvanta as a desktop program: the executable, its desktop
# entry, icons, the graph file type and the AppStream description; and a
# Debian package of the same (`cpack -G DEB` in the build folder).

include(GNUInstallDirs)

set(QV_APP_ID io.github.quorvanta.Quorvanta)
set(QV_DATA_DIR ${PROJECT_SOURCE_DIR}/data)

install(TARGETS quorvanta RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${QV_DATA_DIR}/${QV_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${QV_DATA_DIR}/${QV_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${QV_DATA_DIR}/quorvanta-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME ${QV_APP_ID}.xml)
install(FILES ${QV_DATA_DIR}/${QV_APP_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The icon theme's fixed sizes, drawn from the SVG at build time.
add_executable(qv_render_icon ${PROJECT_SOURCE_DIR}/tools/render_icon.cpp)
target_link_libraries(qv_render_icon PRIVATE Qt6::Gui Qt6::Svg)
set(qv_icon_files)
foreach(size 16 24 32 48 64 128 256)
    set(png ${CMAKE_BINARY_DIR}/icons/${size}x${size}/${QV_APP_ID}.png)
    add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}
        # A sanitised build's tool must not fail on what Qt keeps until exit.
        COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
                $<TARGET_FILE:qv_render_icon> ${QV_DATA_DIR}/${QV_APP_ID}.svg ${size} ${png}
        DEPENDS qv_render_icon ${QV_DATA_DIR}/${QV_APP_ID}.svg
        COMMENT "Drawing the ${size}x${size} icon"
        VERBATIM)
    list(APPEND qv_icon_files ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(qv_icons ALL DEPENDS ${qv_icon_files})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvanta)
set(CPACK_PACKAGE_VENDOR "The Quorvanta project")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Grapher of parametric and polar curves")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME quorvanta_${PROJECT_VERSION}_amd64)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Quorvanta developers <quorvanta@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "shared-mime-info, desktop-file-utils")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
