# Lays the program folder's data out beside the executables. A file is copied only
# where it is missing, so a rebuild never overwrites a player's settings, progress,
# skipped list or saved levels.
add_custom_target(program_folder ALL
  COMMAND ${CMAKE_COMMAND} -DSOURCE=${PROJECT_SOURCE_DIR}/data -DDEST=${QUIRN_PROGRAM_DIR}
          -P ${PROJECT_SOURCE_DIR}/cmake/CopyMissing.cmake
  COMMENT "Laying out the program folder"
  VERBATIM)
