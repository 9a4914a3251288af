# cmake -DBUILD=<build dir> -DWORK=<scratch dir> -P InstallCheck.cmake
# Installs the build into a scratch prefix (with a space in it, as home folders may
# have), twice, and checks the layout, the desktop entry and that a reinstall keeps the
# player's settings while restoring the shipped files.
file(READ "${BUILD}/cmake_install.cmake" rules)
if(NOT rules MATCHES "WriteDesktopEntry")
  message("QUIRN-SKIP: the build has no install rules (cmake/Install.cmake not included)")
  return()
endif()

set(prefix "${WORK}/Games/quirn puzzle")
file(REMOVE_RECURSE "${WORK}")

function(install_into)
  execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD}" --prefix "${prefix}"
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "install failed:\n${out}")
  endif()
endfunction()

function(expect_file_text file expected text)
  file(READ "${file}" actual)
  if(NOT actual STREQUAL expected)
    message(SEND_ERROR "${text}")
  endif()
endfunction()

install_into()

set(expected rules.txt creating.txt quirn.cfg setup/1.wav setup/win.wav setup/Mono.jpg
  setup/red.jpg puzzles/quick/level.dat puzzles/advanced/level.dat
  share/applications/quirn-puzzle.desktop share/icons/hicolor/48x48/apps/quirn-puzzle.png
  share/icons/hicolor/256x256/apps/quirn-puzzle.png share/quirn-puzzle/link-desktop-entry.sh)
foreach(program quirn quirn-levels)
  if(EXISTS "${BUILD}/game/${program}")
    list(APPEND expected ${program})
  endif()
endforeach()
foreach(f IN LISTS expected)
  if(NOT EXISTS "${prefix}/${f}")
    message(SEND_ERROR "missing after install: ${f}")
  endif()
endforeach()

# Whole lines, found by their line ends (the entry holds ';', so no CMake lists here).
file(READ "${prefix}/share/applications/quirn-puzzle.desktop" entry)
foreach(line
    "Name=Quirn Puzzle"
    "Categories=Game;LogicGame;"
    "Exec=\"${prefix}/quirn\""
    "Path=${prefix}"
    "Icon=${prefix}/share/icons/hicolor/48x48/apps/quirn-puzzle.png")
  string(FIND "\n${entry}" "\n${line}\n" at)
  if(at EQUAL -1)
    message(SEND_ERROR "desktop entry lacks the line: ${line}")
  endif()
endforeach()

# A newer version installed over a played one.
file(WRITE "${prefix}/quirn.cfg" "played\n")
file(WRITE "${prefix}/puzzles/quick/level.dat" "37\n")
file(WRITE "${prefix}/rules.txt" "damaged")
install_into()
expect_file_text("${prefix}/quirn.cfg" "played\n" "reinstall replaced the player's settings")
expect_file_text("${prefix}/puzzles/quick/level.dat" "37\n"
  "reinstall replaced the series progress")
file(READ "${prefix}/rules.txt" rules_text)
if(rules_text STREQUAL "damaged")
  message(SEND_ERROR "reinstall left a damaged shipped file")
endif()
message("install layout checked in ${prefix}")
