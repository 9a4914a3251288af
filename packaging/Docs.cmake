# Man pages and the package's changelog, compressed as Debian ships them (gzip -9n: no
# name or time stamp inside, so a rebuild makes the same bytes). quirn_docs is made with
# each installed program (see cmake/Install.cmake), so a build of the programs alone can
# still be installed.
# The release, as the man pages, the changelog and the metainfo name it.
set(QUIRN_RELEASE_DATE 2026-12-06)
set(QUIRN_RELEASE_DATE_RFC "Sun, 06 Dec 2026 12:00:00 +0000")
set(QUIRN_MAINTAINER "Quirn Puzzle developers <developers@quirnpuzzle.example>")

set(docs_out ${PROJECT_BINARY_DIR}/packaging)
set(compressed)
foreach(doc man/quirn-puzzle.6 man/quirn-levels.6 changelog)
  get_filename_component(name ${doc} NAME)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/${doc}.in ${docs_out}/${name} @ONLY)
  add_custom_command(OUTPUT ${docs_out}/${name}.gz
    COMMAND gzip -9nkf ${name}
    DEPENDS ${docs_out}/${name}
    WORKING_DIRECTORY ${docs_out}
    VERBATIM)
  list(APPEND compressed ${docs_out}/${name}.gz)
endforeach()
add_custom_target(quirn_docs ALL DEPENDS ${compressed})

install(FILES ${docs_out}/quirn-puzzle.6.gz ${docs_out}/quirn-levels.6.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${docs_out}/changelog.gz ${CMAKE_CURRENT_LIST_DIR}/copyright
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quirn-puzzle)
