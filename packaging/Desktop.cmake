# The desktop's view of the game: its entry in the application menu, its icons, its
# AppStream metainfo for software centres, and the link script for a prefix the desktop
# does not search (a folder in the player's home).
set(QUIRN_APP_ID example.quirnpuzzle.QuirnPuzzle)

install(FILES ${PROJECT_SOURCE_DIR}/src/gui/art/icon.png
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps RENAME quirn-puzzle.png)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/quirn-puzzle-256.png
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps RENAME quirn-puzzle.png)

configure_file(${CMAKE_CURRENT_LIST_DIR}/${QUIRN_APP_ID}.metainfo.xml.in
  ${PROJECT_BINARY_DIR}/packaging/${QUIRN_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/packaging/${QUIRN_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The entry names the installed program, known only once the prefix is chosen.
install(CODE "
  execute_process(COMMAND \${CMAKE_COMMAND}
    -DTEMPLATE=${CMAKE_CURRENT_LIST_DIR}/${QUIRN_APP_ID}.desktop.in
    \"-DPREFIX=\${CMAKE_INSTALL_PREFIX}\"
    -DBINDIR=${CMAKE_INSTALL_BINDIR} -DDATADIR=${CMAKE_INSTALL_DATADIR}
    \"-DOUTPUT=\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications/${QUIRN_APP_ID}.desktop\"
    -P ${CMAKE_CURRENT_LIST_DIR}/WriteDesktopEntry.cmake
    COMMAND_ERROR_IS_FATAL ANY)")

install(PROGRAMS ${CMAKE_CURRENT_LIST_DIR}/link-desktop-entry.sh
  DESTINATION ${QUIRN_DATA_DESTINATION} COMPONENT home)
