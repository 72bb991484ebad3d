# Cross-compiling for 64-bit Windows with Debian's mingw-w64.  Used only to run
# the Windows tests on hosts whose kernel cannot execute 32-bit code (where
# 32-bit Wine cannot start); the deliverables are always built for i686.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(LUMO_MINGW_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
