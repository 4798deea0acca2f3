# Source lists are found by globbing so that a new file joins its target
# without editing CMake. CONFIGURE_DEPENDS makes the build re-check the globs,
# so an added or removed file is noticed by a plain `cmake --build`.
#
# Paths are matched relative to the project root, so a checkout that happens
# to live under a folder named "ui" or "app" is not filtered by accident.

# qv_glob_sources(<out-var> <folder> <glob-pattern> [INCLUDE regex] [EXCLUDE regex])
# Collects files under <folder> (relative to the project root) whose name
# matches <glob-pattern>, keeps those whose relative path matches INCLUDE and
# drops those matching EXCLUDE. Returns absolute paths, sorted.
function(qv_glob_sources out_var folder pattern)
    cmake_parse_arguments(PARSE_ARGV 3 arg "" "INCLUDE;EXCLUDE" "")
    file(GLOB_RECURSE found CONFIGURE_DEPENDS
        RELATIVE "${PROJECT_SOURCE_DIR}"
        "${PROJECT_SOURCE_DIR}/${folder}/${pattern}")
    if(arg_INCLUDE)
        list(FILTER found INCLUDE REGEX "${arg_INCLUDE}")
    endif()
    if(arg_EXCLUDE)
        list(FILTER found EXCLUDE REGEX "${arg_EXCLUDE}")
    endif()
    list(SORT found)
    list(TRANSFORM found PREPEND "${PROJECT_SOURCE_DIR}/")
    set(${out_var} "${found}" PARENT_SCOPE)
endfunction()

# Everything under src/ that belongs to the Qt side or to the program's entry.
set(QV_NON_CORE_REGEX "^src/(.*/)?ui/|^src/platform/qt/|^src/app/")
set(QV_UI_REGEX "^src/(.*/)?ui/|^src/platform/qt/")

# The core sources: standard C++ only. Used by qv_core and, compiled again
# with coverage instrumentation, by the fuzz targets.
function(qv_core_sources out_var)
    qv_glob_sources(sources src "*.cpp" EXCLUDE "${QV_NON_CORE_REGEX}")
    set(${out_var} "${sources}" PARENT_SCOPE)
endfunction()

# A static library needs at least one source file; while a subsystem is still
# empty, give it a blank translation unit so configuration does not fail.
function(qv_placeholder_source out_var name)
    set(file "${CMAKE_CURRENT_BINARY_DIR}/${name}_placeholder.cpp")
    if(NOT EXISTS "${file}")
        file(WRITE "${file}" "// Generated: ${name} has no sources yet.\n")
    endif()
    set(${out_var} "${file}" PARENT_SCOPE)
endfunction()
