# The player's platform-neutral sources (no Windows header): compiled into
# lumo.exe by the Windows build and unit-tested by the native build.
set(LUMO_NEUTRAL_SOURCES
  ${CMAKE_SOURCE_DIR}/app/command_line.cpp
  ${CMAKE_SOURCE_DIR}/app/text_values.cpp
  ${CMAKE_SOURCE_DIR}/app/layout_geometry.cpp
  ${CMAKE_SOURCE_DIR}/ui/fold_text.cpp
  ${CMAKE_SOURCE_DIR}/ui/context_menu_plan.cpp
  ${CMAKE_SOURCE_DIR}/ui/lcd_text.cpp
  ${CMAKE_SOURCE_DIR}/ui/button_state.cpp
  ${CMAKE_SOURCE_DIR}/ui/grid_cells.cpp
  ${CMAKE_SOURCE_DIR}/discdb/button_face_state.cpp
  ${CMAKE_SOURCE_DIR}/discdb/disc_key.cpp
  ${CMAKE_SOURCE_DIR}/discdb/title_text.cpp
  ${CMAKE_SOURCE_DIR}/engine/time_arithmetic.cpp
  ${CMAKE_SOURCE_DIR}/engine/play_commands.cpp
  ${CMAKE_SOURCE_DIR}/engine/display_text.cpp
  ${CMAKE_SOURCE_DIR}/engine/random_draw.cpp
)
