# Compiler settings shared by every target of the project.

# Warnings for the targets built from our own sources. Third-party code
# (GoogleTest, Qt, muparser) comes in through system include paths and is
# not affected.
function(qv_target_warnings target)
    if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
        target_compile_options(${target} PRIVATE -Wall -Wextra)
    endif()
endfunction()

# AddressSanitizer and UndefinedBehaviorSanitizer for compile and link of all
# targets defined after this call. Undefined behaviour aborts instead of
# printing and going on, so a test that triggers it fails.
macro(qv_enable_sanitizers)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
        message(FATAL_ERROR "QV_SANITIZE needs GCC or Clang")
    endif()
    set(QV_SANITIZER_FLAGS
        -fsanitize=address,undefined
        -fno-omit-frame-pointer
        -fno-sanitize-recover=undefined)
    add_compile_options(${QV_SANITIZER_FLAGS})
    add_link_options(${QV_SANITIZER_FLAGS})
endmacro()
