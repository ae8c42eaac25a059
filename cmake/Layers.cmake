# The Windows side is built in layers, each a library of its own that links only downward:
# gui (over user32/gdi32 and the portable skin core), the menu engine on gui, then controls and frame on
# both, and imagebutton on gui.
# Every include between the project's folders is checked before the layer compiles, so a layer that
# reaches sideways or upwards (frame including controls/, gui including a control) fails the build
# even where the header would be found.
function(vireltan_layer target folder)
    cmake_parse_arguments(ARG "" "" "USES;LIBS" ${ARGN})
    file(GLOB _sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.cpp)
    file(GLOB _headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.h)
    if(_sources)
        add_library(${target} STATIC ${_sources})
        set(_scope PUBLIC)
        vireltan_warnings(${target})
    else()
        # A layer still to be filled: it exists, links like the others and has its includes checked.
        add_library(${target} INTERFACE)
        set(_scope INTERFACE)
    endif()
    target_include_directories(${target} ${_scope} ${PROJECT_SOURCE_DIR})
    target_compile_definitions(${target} ${_scope} UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                                                   _WIN32_WINNT=0x0601)
    target_link_libraries(${target} ${_scope} ${ARG_LIBS})

    set(_stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}.includes-checked)
    add_custom_command(
        OUTPUT ${_stamp}
        COMMAND ${CMAKE_COMMAND} -DROOT=${PROJECT_SOURCE_DIR} -DFOLDER=${folder} "-DUSES=${ARG_USES}"
                -DSTAMP=${_stamp} -P ${PROJECT_SOURCE_DIR}/cmake/CheckLayerIncludes.cmake
        DEPENDS ${_sources} ${_headers} ${PROJECT_SOURCE_DIR}/cmake/CheckLayerIncludes.cmake
        COMMENT "Checking that ${folder}/ includes only ${folder}/ ${ARG_USES}"
        VERBATIM)
    add_custom_target(${target}_includes ALL DEPENDS ${_stamp})
    add_dependencies(${target} ${target}_includes)
endfunction()
