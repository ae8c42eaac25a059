# Warnings for the project's own targets (third-party code keeps its own flags).
function(vireltan_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
                                             -Woverloaded-virtual -Wimplicit-fallthrough)
endfunction()
