# cmake -DROOT=src -P CheckNoQt.cmake: fails when a file of the core, the solver or the
# script driver includes a Qt header. Only src/gui may.
file(GLOB_RECURSE files ${ROOT}/core/* ${ROOT}/solver/* ${ROOT}/script/*)
set(bad "")
foreach(f IN LISTS files)
  file(STRINGS ${f} hits REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]|Qt)")
  if(hits)
    list(APPEND bad ${f})
  endif()
endforeach()
if(bad)
  message(FATAL_ERROR "files outside src/gui include Qt: ${bad}")
endif()
message(STATUS "no Qt include outside src/gui")
