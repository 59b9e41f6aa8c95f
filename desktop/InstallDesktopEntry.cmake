# Installs the menu entry. Installed outside the folders on every user's PATH (a ~/.local
# install, say), the entry names the program by its absolute path: GLib hides an entry whose
# program it cannot find, and ~/.local/bin joins the PATH only at the next login. Set by the
# caller: SORVANE_DESKTOP_ENTRY (the entry, with "Exec=sorvane "), SORVANE_PROGRAM (the
# program's path below the prefix) and SORVANE_DESTINATION (the entry's folder below it).
set(program "${CMAKE_INSTALL_PREFIX}/${SORVANE_PROGRAM}")
file(READ "${SORVANE_DESKTOP_ENTRY}" entry)
if(program MATCHES "[%\r\n]")
    # GLib looks for the program before it expands "%%", and a line break ends the entry.
    message(WARNING "the menu entry names the program only as \"sorvane\": its path holds a % or a line break, "
        "which a menu entry cannot name it by: ${program}")
elseif(NOT program MATCHES "^/usr(/local)?/bin/sorvane$")
    # Quoted as the desktop entry format asks, then escaped as its strings are: a backslash
    # before each of " ` $ \, then every backslash doubled.
    string(REGEX REPLACE "([\"`$\\])" "\\\\\\1" quoted "${program}")
    string(REPLACE "\\" "\\\\" quoted "${quoted}")
    string(REPLACE "\nExec=sorvane " "\nExec=\"${quoted}\" " entry "${entry}")
endif()

cmake_path(GET SORVANE_DESKTOP_ENTRY FILENAME name)
set(installed "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${SORVANE_DESTINATION}/${name}")
message(STATUS "Installing: ${installed}")
file(WRITE "${installed}" "${entry}")
file(CHMOD "${installed}" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${installed}")
