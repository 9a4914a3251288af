# cmake -DBUILD=<build dir> -DWORK=<scratch dir> -DINSTALLED_DATA=<data seen from bin> -P InstallCheck.cmake
# Installs the build as a package does (prefix /usr under DESTDIR) and into a folder in a
# home (with a space in its name, as home folders may have), and checks the layout, the
# desktop entry, the metainfo, and that a reinstall keeps the player's settings while
# restoring the shipped files.
file(REMOVE_RECURSE "${WORK}")

function(install_into prefix)
  execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD}" --prefix "${prefix}"
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "install into ${prefix} failed:\n${out}")
  endif()
endfunction()

function(expect_files root)
  foreach(f IN LISTS ARGN)
    if(NOT EXISTS "${root}/${f}")
      message(SEND_ERROR "missing after install into ${root}: ${f}")
    endif()
  endforeach()
endfunction()

# Whole lines, found by their line ends (the entry holds ';', so no CMake lists here).
function(expect_entry_lines entry_file)
  file(READ "${entry_file}" entry)
  foreach(line IN LISTS ARGN)
    string(FIND "\n${entry}" "\n${line}\n" at)
    if(at EQUAL -1)
      message(SEND_ERROR "${entry_file} lacks the line: ${line}")
    endif()
  endforeach()
endfunction()

function(expect_valid tool)
  find_program(path ${tool} NO_CACHE)
  if(NOT path)
    message(SEND_ERROR "${tool} not found (scripts/install-deps.sh installs it)")
    return()
  endif()
  execute_process(COMMAND ${path} ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out
    ERROR_VARIABLE out)
  if(NOT status EQUAL 0)
    message(SEND_ERROR "${tool} ${ARGN}:\n${out}")
  endif()
endfunction()

set(entry share/applications/example.quirnpuzzle.QuirnPuzzle.desktop)
set(metainfo share/metainfo/example.quirnpuzzle.QuirnPuzzle.metainfo.xml)
set(shipped share/quirn-puzzle/rules.txt share/quirn-puzzle/creating.txt
  share/quirn-puzzle/quirn.cfg share/quirn-puzzle/setup/win.wav
  share/quirn-puzzle/setup/Mono.jpg share/quirn-puzzle/puzzles/quick/level.dat
  share/quirn-puzzle/puzzles/advanced/game100.puz
  share/icons/hicolor/48x48/apps/quirn-puzzle.png
  share/icons/hicolor/256x256/apps/quirn-puzzle.png
  share/man/man6/quirn-puzzle.6.gz share/man/man6/quirn-levels.6.gz
  share/doc/quirn-puzzle/copyright share/doc/quirn-puzzle/changelog.gz
  ${entry} ${metainfo} bin/quirn-puzzle bin/quirn-levels)

# As a package: everything under DESTDIR/usr, nothing beside it.
set(stage "${WORK}/stage")
set(ENV{DESTDIR} "${stage}")
install_into(/usr)
unset(ENV{DESTDIR})
expect_files("${stage}/usr" ${shipped})
file(GLOB top RELATIVE "${stage}" "${stage}/*")
if(NOT top STREQUAL "usr")
  message(SEND_ERROR "install under DESTDIR wrote outside usr/: ${top}")
endif()
file(GLOB_RECURSE driver "${stage}/*quirn-script*")
if(driver)
  message(SEND_ERROR "the test driver quirn-script was installed: ${driver}")
endif()
expect_files("${stage}/usr/bin/${INSTALLED_DATA}" puzzles/quick/game1.puz)
expect_entry_lines("${stage}/usr/${entry}" "Exec=quirn-puzzle" "Icon=quirn-puzzle")
expect_valid(desktop-file-validate "${stage}/usr/${entry}")
expect_valid(appstreamcli validate --no-net "${stage}/usr/${metainfo}")

# A folder in a home: the entry names the installed files.
set(home "${WORK}/Games/quirn puzzle")
install_into("${home}")
expect_files("${home}" ${shipped} share/quirn-puzzle/link-desktop-entry.sh)
expect_entry_lines("${home}/${entry}"
  "Exec=\"${home}/bin/quirn-puzzle\""
  "Icon=${home}/share/icons/hicolor/256x256/apps/quirn-puzzle.png")
expect_valid(desktop-file-validate "${home}/${entry}")

# A newer version installed over a played one.
set(data "${home}/share/quirn-puzzle")
file(WRITE "${data}/quirn.cfg" "played\n")
file(WRITE "${data}/puzzles/quick/level.dat" "37\n")
file(WRITE "${data}/rules.txt" "damaged")
install_into("${home}")
file(READ "${data}/quirn.cfg" settings)
file(READ "${data}/puzzles/quick/level.dat" progress)
file(READ "${data}/rules.txt" rules)
if(NOT settings STREQUAL "played\n" OR NOT progress STREQUAL "37\n")
  message(SEND_ERROR "reinstall replaced the player's settings or progress")
endif()
if(rules STREQUAL "damaged")
  message(SEND_ERROR "reinstall left a damaged shipped file")
endif()
message("install layouts checked in ${WORK}")
