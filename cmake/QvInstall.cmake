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

# The manual, "Quorvanta Manual.pdf": its screenshots taken by the program
# itself, then its Markdown source set in a PDF. It lands beside the program
# (where "Help Contents" looks first) and is installed with the data.
set(QV_MANUAL_SOURCE ${PROJECT_SOURCE_DIR}/docs/manual/quorvanta-manual.md)
set(QV_MANUAL_PDF "${CMAKE_BINARY_DIR}/Quorvanta Manual.pdf")
add_executable(qv_manual_shots ${PROJECT_SOURCE_DIR}/tools/manual_shots.cpp)
target_link_libraries(qv_manual_shots PRIVATE qv_ui)
add_executable(qv_build_manual ${PROJECT_SOURCE_DIR}/tools/build_manual.cpp)
target_link_libraries(qv_build_manual PRIVATE Qt6::Gui)
set(qv_shots)
foreach(shot window-grapher lissajous polar-rose derivatives spiral window-calculator window-list window-vectors)
    list(APPEND qv_shots ${CMAKE_BINARY_DIR}/manual/shots/${shot}.png)
endforeach()
add_custom_command(OUTPUT ${qv_shots}
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
            $<TARGET_FILE:qv_manual_shots> ${CMAKE_BINARY_DIR}/manual/shots
    DEPENDS qv_manual_shots
    COMMENT "Taking the manual's screenshots"
    VERBATIM)
add_custom_command(OUTPUT ${QV_MANUAL_PDF}
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
            $<TARGET_FILE:qv_build_manual> ${QV_MANUAL_SOURCE} ${CMAKE_BINARY_DIR}/manual ${QV_MANUAL_PDF}
    DEPENDS qv_build_manual ${QV_MANUAL_SOURCE} ${qv_shots}
    COMMENT "Setting the manual"
    VERBATIM)
add_custom_target(qv_manual ALL DEPENDS ${QV_MANUAL_PDF})
install(FILES ${QV_MANUAL_PDF} DESTINATION ${CMAKE_INSTALL_DATADIR}/quorvanta)
