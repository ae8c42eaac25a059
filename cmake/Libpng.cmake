# libpng for the Windows targets, compiled from Debian's libpng1.6 source package (fetched into the
# build tree by scripts/fetch-libpng.sh) against MinGW's zlib.
set(VIRELTAN_LIBPNG_SOURCE "${CMAKE_SOURCE_DIR}/build/deps/libpng" CACHE PATH "libpng source tree")
if(NOT EXISTS "${VIRELTAN_LIBPNG_SOURCE}/png.c")
    message(FATAL_ERROR "libpng sources not found in ${VIRELTAN_LIBPNG_SOURCE}; run scripts/fetch-libpng.sh")
endif()

set(_png_generated "${CMAKE_BINARY_DIR}/libpng")
configure_file("${VIRELTAN_LIBPNG_SOURCE}/scripts/pnglibconf.h.prebuilt" "${_png_generated}/pnglibconf.h"
               COPYONLY)
set(_png_sources png.c pngerror.c pngget.c pngmem.c pngpread.c pngread.c pngrio.c pngrtran.c pngrutil.c
                 pngset.c pngtrans.c pngwio.c pngwrite.c pngwtran.c pngwutil.c)
list(TRANSFORM _png_sources PREPEND "${VIRELTAN_LIBPNG_SOURCE}/")
add_library(png_static STATIC ${_png_sources})
target_include_directories(png_static SYSTEM PUBLIC "${VIRELTAN_LIBPNG_SOURCE}" "${_png_generated}")
target_compile_definitions(png_static PRIVATE PNG_INTEL_SSE_OPT=0 PNG_ARM_NEON_OPT=0)
target_link_libraries(png_static PUBLIC ZLIB::ZLIB)
add_library(PNG::PNG ALIAS png_static)
