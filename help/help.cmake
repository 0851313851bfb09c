# SPDX-FileCopyrightText: 2026 The Lurimba developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The help book: its pages and pictures are built into the program under ":/help".
file(GLOB LURIMBA_HELP_FILES CONFIGURE_DEPENDS
  RELATIVE ${CMAKE_CURRENT_LIST_DIR}
  ${CMAKE_CURRENT_LIST_DIR}/*.htm ${CMAKE_CURRENT_LIST_DIR}/imagenes/*.png)
set(LURIMBA_HELP_PATHS "")
foreach(file IN LISTS LURIMBA_HELP_FILES)
  list(APPEND LURIMBA_HELP_PATHS ${CMAKE_CURRENT_LIST_DIR}/${file})
  set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/${file} PROPERTIES QT_RESOURCE_ALIAS ${file})
endforeach()
qt_add_resources(lurimba_gui "lurimba_help" PREFIX "/help" FILES ${LURIMBA_HELP_PATHS})
