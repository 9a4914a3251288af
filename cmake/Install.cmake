# `cmake --install` lays the game out as a Linux package does (GNUInstallDirs): the
# programs in bin/, the shipped data in share/quirn-puzzle/, which the game finds from
# its own folder, so any prefix and DESTDIR work; then the desktop entry, icons,
# AppStream metainfo and man pages where the desktop and man look for them.
include(GNUInstallDirs)

set(QUIRN_DATA_DESTINATION ${CMAKE_INSTALL_DATADIR}/quirn-puzzle)
# The data folder seen from the executable's folder, for the game itself.
file(RELATIVE_PATH QUIRN_INSTALLED_DATA ${CMAKE_INSTALL_FULL_BINDIR}
  ${CMAKE_INSTALL_FULL_DATADIR}/quirn-puzzle)

# The settings and series progress are the player's where the data folder is theirs (a
# prefix in their home): installed only where missing, so a newer version installed
# over an old one keeps them.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION ${QUIRN_DATA_DESTINATION}
  PATTERN quirn.cfg EXCLUDE
  PATTERN level.dat EXCLUDE)
install(CODE "
  execute_process(COMMAND \${CMAKE_COMMAND} -DSOURCE=${PROJECT_SOURCE_DIR}/data
    \"-DDEST=\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${QUIRN_DATA_DESTINATION}\"
    -P ${PROJECT_SOURCE_DIR}/cmake/CopyMissing.cmake
    COMMAND_ERROR_IS_FATAL ANY)")

include(${PROJECT_SOURCE_DIR}/packaging/Docs.cmake)
if(QUIRN_BUILD_GUI)
  include(${PROJECT_SOURCE_DIR}/packaging/Desktop.cmake)
endif()

# The programs are defined in folders read after this file, or not built at all (no
# Qt): decide once the whole project has been read.
function(quirn_install_programs)
  foreach(program quirn-puzzle quirn-levels)
    if(TARGET ${program})
      install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
      add_dependencies(${program} quirn_docs)
    endif()
  endforeach()
endfunction()
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL quirn_install_programs)
