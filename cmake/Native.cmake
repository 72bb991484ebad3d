# Native (host) build: platform-neutral code with its unit tests under the
# sanitizers, and the host tools that the Windows build runs.
include(${CMAKE_CURRENT_LIST_DIR}/Warnings.cmake)

option(LUMO_SANITIZE "Build the native code with ASan and UBSan" ON)
if(LUMO_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

# GoogleTest from Debian's source package, built with the same flags.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)

include(${CMAKE_CURRENT_LIST_DIR}/NeutralSources.cmake)
add_library(lumo_neutral STATIC ${LUMO_NEUTRAL_SOURCES})
target_include_directories(lumo_neutral PUBLIC ${CMAKE_SOURCE_DIR})
lumo_warnings(lumo_neutral)
add_subdirectory(tests/native)

add_subdirectory(tools/artwork)
add_subdirectory(tools/virtualcd/core)
add_subdirectory(netinfo/tests/native)
add_subdirectory(cover/tests/native)
