# SPDX-FileCopyrightText: 2026 The Lurimba developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installing Lurimba as a desktop program, and its Debian package (`make install`,
# `make package`). The installed game folder under share/lurimba is read-only: the program
# copies it into each user's ~/.local/share/lurimba and plays there.

include(GNUInstallDirs)

set(LURIMBA_APP_ID org.lurimba.Lurimba)
# The software centre shows the pictures of dist/capturas (from `make screenshot`), published
# under capturas/ at the project's address.
set(LURIMBA_HOMEPAGE "https://lurimba.org" CACHE STRING
  "Address of the project's page; the software centre's screenshots are under capturas/")
set(LURIMBA_DIST ${CMAKE_CURRENT_LIST_DIR})
configure_file(${LURIMBA_DIST}/${LURIMBA_APP_ID}.metainfo.xml.in
  ${CMAKE_BINARY_DIR}/dist/${LURIMBA_APP_ID}.metainfo.xml @ONLY)
configure_file(${LURIMBA_DIST}/lurimba.6.in ${CMAKE_BINARY_DIR}/dist/lurimba.6 @ONLY)

install(TARGETS lurimba RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The printing, sound and speech modules, which the game looks for in lib/lurimba/modules beside bin
# (a folder below lib/lurimba: CPack would add ldconfig scripts for a library in lib/*).
install(TARGETS lurimba-print lurimba-sound lurimba-speech LIBRARY DESTINATION lib/lurimba/modules)
# The teacher's companion program, once the project builds one.
if(TARGET docentix)
  install(TARGETS docentix RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

install(DIRECTORY data/ DESTINATION ${CMAKE_INSTALL_DATADIR}/lurimba
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
  DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
    WORLD_READ WORLD_EXECUTE
  PATTERN lurim_w.htm EXCLUDE)
install(FILES ${LURIMBA_INFO_PAGE} DESTINATION ${CMAKE_INSTALL_DATADIR}/lurimba)
install(DIRECTORY DESTINATION ${CMAKE_INSTALL_DATADIR}/lurimba/resultad)

install(FILES ${LURIMBA_DIST}/${LURIMBA_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/dist/${LURIMBA_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 48 64 128 256)
  install(FILES resources/images/lurimba-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME ${LURIMBA_APP_ID}.png)
endforeach()
install(FILES resources/images/lurimba.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${LURIMBA_APP_ID}.svg)
install(FILES ${CMAKE_BINARY_DIR}/dist/lurimba.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${LURIMBA_DIST}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The Debian package: lurimba_VERSION_amd64.deb. dpkg-shlibdeps finds the libraries (Qt 6,
# giflib); the rest is what the program loads at run time and no library names:
#  - fonts-liberation: Arial and Times New Roman, through fontconfig's metric aliases;
#  - qt6-translations-l10n: Qt's own Spanish texts (buttons, file, colour and print dialogs);
#  - hunspell-es: the Spanish dictionary docentix checks a word list's spelling against;
#  - pipewire-alsa or libasound2-plugins: the sounds play on ALSA's default device, which these
#    route to the desktop's sound server; without a device the game is silent, never broken.
# The picture formats the game reads (BMP, PNG, GIF) are built into Qt and giflib; Qt's own
# GIF, ICO and JPEG plugins come with libqt6gui6.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lurimba)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Lurimba developers")
set(CPACK_PACKAGE_CONTACT "The Lurimba developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "juego de palabras para la escuela")
# The long description, in lines of the width Debian's tools show.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Aparece una palabra con algunas letras escondidas y el niño la completa con el"
  "teclado de la pantalla o con el del ordenador; cada letra equivocada rompe una"
  "losa del suelo del castillo. Juegan por turnos hasta diez jugadores, con listas"
  "de palabras que prepara el docente, resultados que se pueden imprimir y un"
  "puzle de premio.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${LURIMBA_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-translations-l10n, hunspell-es")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pipewire-alsa | libasound2-plugins")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
