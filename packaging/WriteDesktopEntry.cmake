# Fills in the desktop entry for the folder the game is installed in. Runs at install
# time (the prefix is only known then), from cmake/Install.cmake:
#   -DTEMPLATE=quirn-puzzle.desktop.in -DPREFIX=<install prefix> -DOUTPUT=<file>

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

# Plain string values: only the backslash needs escaping.
function(quirn_desktop_string value out)
  string(REPLACE "\\" "\\\\" v "${value}")
  set(${out} "${v}" PARENT_SCOPE)
endfunction()

file(READ "${TEMPLATE}" entry)
quirn_exec_argument("${PREFIX}/quirn" exec)
quirn_desktop_string("${PREFIX}" path)
quirn_desktop_string("${PREFIX}/share/icons/hicolor/48x48/apps/quirn-puzzle.png" icon)
string(REPLACE "@QUIRN_EXEC@" "${exec}" entry "${entry}")
string(REPLACE "@QUIRN_PATH@" "${path}" entry "${entry}")
string(REPLACE "@QUIRN_ICON@" "${icon}" entry "${entry}")
get_filename_component(dir "${OUTPUT}" DIRECTORY)
file(MAKE_DIRECTORY "${dir}")
file(WRITE "${OUTPUT}" "${entry}")
message(STATUS "Installing: ${OUTPUT}")
