# Cross-compiling for 32-bit Windows with Debian's mingw-w64.
# The -posix variants are used because GoogleTest needs std::mutex, which the
# default win32 thread model of Debian's mingw lacks.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(LUMO_MINGW_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
