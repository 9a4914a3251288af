# Fills in the desktop entry for the prefix the game is installed in. Runs at install
# time (the prefix is only known then), from packaging/Desktop.cmake:
#   -DTEMPLATE=<entry>.in -DPREFIX=<install prefix> -DBINDIR=bin -DDATADIR=share
#   -DOUTPUT=<file>

# Exec takes a quoted argument: inside quotes ", `, $ and \ are escaped with \, and a
# literal % is doubled; then the whole value is escaped once more as a desktop string.
function(quirn_exec_argument path out)
  string(REPLACE "\\" "\\\\" v "${path}")
  foreach(c "\"" "`" "$")
    string(REPLACE "${c}" "\\${c}" v "${v}")
  endforeach()
  string(REPLACE "%" "%%" v "${v}")
  string(REPLACE "\\" "\\\\" v "\"${v}\"")
  set(${out} "${v}" PARENT_SCOPE)
endfunction()

# Under /usr and /usr/local the desktop finds the program on its PATH and the icon in its
# theme by name; anywhere else the entry names the installed files.
if(PREFIX MATCHES "^/usr(/local)?/?$" AND BINDIR STREQUAL "bin" AND DATADIR STREQUAL "share")
  set(exec quirn-puzzle)
  set(icon quirn-puzzle)
else()
  quirn_exec_argument("${PREFIX}/${BINDIR}/quirn-puzzle" exec)
  string(REPLACE "\\" "\\\\" icon "${PREFIX}/${DATADIR}/icons/hicolor/256x256/apps/quirn-puzzle.png")
endif()

file(READ "${TEMPLATE}" entry)
string(REPLACE "@QUIRN_EXEC@" "${exec}" entry "${entry}")
string(REPLACE "@QUIRN_ICON@" "${icon}" entry "${entry}")
get_filename_component(dir "${OUTPUT}" DIRECTORY)
file(MAKE_DIRECTORY "${dir}")
file(WRITE "${OUTPUT}" "${entry}")
message(STATUS "Installing: ${OUTPUT}")
