# Run by `cmake --install`: writes the desktop entry, whose Exec names the installed
# program in full, since only then is the prefix known (cmake --install --prefix).
# Given TORNAVEL_DESKTOP_TEMPLATE and TORNAVEL_DESKTOP_OUTPUT.
set(program "${CMAKE_INSTALL_PREFIX}/bin/tornavel")
# The program is quoted as the desktop entry format asks: inside the quotes a backslash,
# a double quote, a backquote and a dollar sign are escaped with a backslash, and "%"
# is doubled; then every backslash is doubled once more, as in any value of the file.
string(REPLACE "\\" "\\\\" program "${program}")
foreach(special "\"" "`" "$")
    string(REPLACE "${special}" "\\${special}" program "${program}")
endforeach()
string(REPLACE "%" "%%" program "${program}")
string(REPLACE "\\" "\\\\" program "${program}")
set(TORNAVEL_DESKTOP_EXEC "\"${program}\"")
# A launcher that checks the program exists before it undoes "%%" (GLib's, in GNOME and
# others) finds no "…%%…/bin/tornavel" and refuses the entry: a program path holding "%"
# is then given to env, which the launcher finds, and which receives the path undone.
string(FIND "${program}" "%" percent)
if(percent GREATER_EQUAL 0)
    set(TORNAVEL_DESKTOP_EXEC "env ${TORNAVEL_DESKTOP_EXEC}")
endif()
configure_file("${TORNAVEL_DESKTOP_TEMPLATE}" "${TORNAVEL_DESKTOP_OUTPUT}" @ONLY)
