# Windows build: the deliverables and the Windows test programs, run under Wine.
include(${CMAKE_CURRENT_LIST_DIR}/Warnings.cmake)

set(LUMO_OUTPUT_DIR ${CMAKE_BINARY_DIR}/bin CACHE PATH "Where the deliverables are written")
# Test programs and tools go to test-bin; the deliverables, marked with
# lumo_deliverable(), go to the output directory that a user copies from.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/test-bin)
set(CMAKE_LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/test-bin)
set(CMAKE_ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/lib)
function(lumo_deliverable target)
  set_target_properties(${target} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${LUMO_OUTPUT_DIR}
    LIBRARY_OUTPUT_DIRECTORY ${LUMO_OUTPUT_DIR})
endfunction()

# Only system DLLs at run time: no mingw runtime DLL next to the binaries.
add_link_options(-static -static-libgcc -static-libstdc++)
add_compile_definitions(WIN32_LEAN_AND_MEAN _CRT_SECURE_NO_WARNINGS)

# GoogleTest for the Windows test programs, run through Wine by ctest.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)

# The artwork tool, built with the host compiler, draws the bitmaps at build
# time: lumo_artwork(<var> <dir> NAME...) renders dir/NAME.bmp (and the canvas
# as dir/NAME.ppm); with ICONS before the names it renders the icons as
# dir/NAME.ico. The paths of the .bmp or .ico files go into <var>.
include(ExternalProject)
set(LUMO_ARTWORK ${CMAKE_BINARY_DIR}/artwork-host/artwork)
ExternalProject_Add(artwork_host
  SOURCE_DIR ${CMAKE_SOURCE_DIR}/tools/artwork
  BINARY_DIR ${CMAKE_BINARY_DIR}/artwork-host
  CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DLUMO_WERROR=${LUMO_WERROR}
  INSTALL_COMMAND ""
  BUILD_ALWAYS ON
  BUILD_BYPRODUCTS ${LUMO_ARTWORK})

function(lumo_artwork out_var dir)
  cmake_parse_arguments(ART "ICONS" "" "" ${ARGN})
  if(ART_ICONS)
    set(extension ico)
    set(option --ico)
  else()
    set(extension bmp)
    set(option --ppm)
  endif()
  set(files)
  foreach(name ${ART_UNPARSED_ARGUMENTS})
    list(APPEND files ${dir}/${name}.${extension})
  endforeach()
  add_custom_command(OUTPUT ${files}
    COMMAND ${LUMO_ARTWORK} ${option} ${dir} ${ART_UNPARSED_ARGUMENTS}
    DEPENDS artwork_host ${LUMO_ARTWORK}
    COMMENT "Drawing ${ART_UNPARSED_ARGUMENTS}")
  set(${out_var} ${files} PARENT_SCOPE)
endfunction()

add_subdirectory(tools/virtualcd)
add_subdirectory(netinfo)
add_subdirectory(cover)
add_subdirectory(themes/steel)
add_subdirectory(app)
add_subdirectory(tests/win)
add_subdirectory(tests/e2e)
add_subdirectory(tools/bench)
