# The library's platform-neutral sources (no Windows header): compiled into
# netinfo.dll and, in the native build, into the library that the unit
# tests and the fuzzers link.
set(NETINFO_NEUTRAL_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/cddb_commands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cddb_entry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cddb_reply.cpp
  ${CMAKE_CURRENT_LIST_DIR}/choice_list.cpp
  ${CMAKE_CURRENT_LIST_DIR}/date_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/disc_id.cpp
  ${CMAKE_CURRENT_LIST_DIR}/log_format.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sites_list.cpp
  ${CMAKE_CURRENT_LIST_DIR}/update_page.cpp
)
