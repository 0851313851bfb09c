# SPDX-FileCopyrightText: 2026 The Lurimba developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Pictures, animations and sounds built into the program.
file(GLOB LURIMBA_RESOURCE_FILES CONFIGURE_DEPENDS
  RELATIVE ${CMAKE_CURRENT_LIST_DIR}
  ${CMAKE_CURRENT_LIST_DIR}/images/*.png ${CMAKE_CURRENT_LIST_DIR}/images/*.svg
  ${CMAKE_CURRENT_LIST_DIR}/gifs/*.gif ${CMAKE_CURRENT_LIST_DIR}/sounds/*.wav)
set(LURIMBA_RESOURCE_PATHS "")
foreach(file IN LISTS LURIMBA_RESOURCE_FILES)
  list(APPEND LURIMBA_RESOURCE_PATHS ${CMAKE_CURRENT_LIST_DIR}/${file})
  set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/${file} PROPERTIES QT_RESOURCE_ALIAS ${file})
endforeach()
qt_add_resources(lurimba_gui "lurimba_assets" PREFIX "/" FILES ${LURIMBA_RESOURCE_PATHS})
