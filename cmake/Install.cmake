# `cmake --install build --prefix ~/Games/quirn` lays the game out as one self-contained
# folder: the executables beside puzzles/, setup/ and the help texts, as the game expects,
# plus a desktop entry and icons under share/.

# The game's settings and series progress are the player's: installed only where missing,
# so installing a newer version over an old one keeps them.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION .
  PATTERN quirn.cfg EXCLUDE
  PATTERN level.dat EXCLUDE)
install(CODE "
  execute_process(COMMAND \${CMAKE_COMMAND} -DSOURCE=${PROJECT_SOURCE_DIR}/data
    \"-DDEST=\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\"
    -P ${PROJECT_SOURCE_DIR}/cmake/CopyMissing.cmake
    COMMAND_ERROR_IS_FATAL ANY)")

install(FILES ${PROJECT_SOURCE_DIR}/src/gui/art/icon.png
  DESTINATION share/icons/hicolor/48x48/apps RENAME quirn-puzzle.png)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/quirn-puzzle-256.png
  DESTINATION share/icons/hicolor/256x256/apps RENAME quirn-puzzle.png)
install(PROGRAMS ${PROJECT_SOURCE_DIR}/packaging/link-desktop-entry.sh
  DESTINATION share/quirn-puzzle)
# The entry names the installed paths, known only once the prefix is chosen.
install(CODE "
  execute_process(COMMAND \${CMAKE_COMMAND}
    -DTEMPLATE=${PROJECT_SOURCE_DIR}/packaging/quirn-puzzle.desktop.in
    \"-DPREFIX=\${CMAKE_INSTALL_PREFIX}\"
    \"-DOUTPUT=\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/share/applications/quirn-puzzle.desktop\"
    -P ${PROJECT_SOURCE_DIR}/packaging/WriteDesktopEntry.cmake
    COMMAND_ERROR_IS_FATAL ANY)")

# The programs are defined in folders that may come after this file is included, or not
# be built at all (no Qt): decide once the whole project has been read.
function(quirn_install_programs)
  foreach(program quirn quirn-levels)
    if(TARGET ${program})
      install(TARGETS ${program} RUNTIME DESTINATION .)
    endif()
  endforeach()
endfunction()
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL quirn_install_programs)
