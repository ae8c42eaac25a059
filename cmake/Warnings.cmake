# Warnings for the project's own targets (third-party code keeps its own flags).
function(vireltan_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
                                             -Woverloaded-virtual -Wimplicit-fallthrough)
    # GCC before 14 reports every member that a designated initializer leaves at its default, which
    # is how our declarative tables are written.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 14)
        target_compile_options(${target} PRIVATE -Wno-missing-field-initializers)
    endif()
endfunction()
