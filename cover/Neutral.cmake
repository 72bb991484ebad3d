# The library's platform-neutral sources (no Windows header): compiled into
# cover.dll and, in the native build, into the library that the unit tests
# and the fuzzer link.
set(COVER_NEUTRAL_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/bmp_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cover_layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cover_text.cpp
)
