# 32-bit Windows (the shipped executable), cross-built with Debian's MinGW-w64 (posix thread model).
set(VIRELTAN_MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
