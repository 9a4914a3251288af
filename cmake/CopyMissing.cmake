# cmake -DSOURCE=dir -DDEST=dir -P CopyMissing.cmake
file(GLOB_RECURSE files RELATIVE ${SOURCE} ${SOURCE}/*)
foreach(f IN LISTS files)
  if(NOT EXISTS ${DEST}/${f})
    get_filename_component(dir ${DEST}/${f} DIRECTORY)
    file(MAKE_DIRECTORY ${dir})
    file(COPY ${SOURCE}/${f} DESTINATION ${dir})
  endif()
endforeach()
