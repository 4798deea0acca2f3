# The program's translations: translations/quorvanta_<lang>.ts, kept up to
# date with scripts/update-translations.sh, are compiled by Qt's lrelease
# into build/translations/ (beside the program, where it looks first) and
# installed into the data folder.

find_program(QV_LRELEASE NAMES lrelease HINTS /usr/lib/qt6/bin /usr/lib/qt6/libexec NO_DEFAULT_PATH)
find_program(QV_LRELEASE NAMES lrelease-qt6 lrelease)
if(NOT QV_LRELEASE)
    message(FATAL_ERROR "lrelease was not found: install Debian's qt6-l10n-tools (scripts/install-deps.sh)")
endif()

file(GLOB QV_TS_FILES CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/translations/*.ts")
set(QV_QM_FILES)
foreach(ts ${QV_TS_FILES})
    get_filename_component(name "${ts}" NAME_WE)
    set(qm "${PROJECT_BINARY_DIR}/translations/${name}.qm")
    add_custom_command(OUTPUT "${qm}"
        COMMAND ${CMAKE_COMMAND} -E make_directory "${PROJECT_BINARY_DIR}/translations"
        COMMAND "${QV_LRELEASE}" -silent "${ts}" -qm "${qm}"
        DEPENDS "${ts}"
        COMMENT "Compiling ${name}"
        VERBATIM)
    list(APPEND QV_QM_FILES "${qm}")
endforeach()
add_custom_target(qv_translations ALL DEPENDS ${QV_QM_FILES})
add_dependencies(quorvanta qv_translations)
install(FILES ${QV_QM_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/quorvanta/translations)
