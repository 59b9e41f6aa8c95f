# Installs the build tree into an empty prefix outside the PATH, whose name needs quoting in
# a menu entry, and checks that the program, its menu entry, icon, AppStream data, manual
# page and translations land where desktops and the program look for them, and that the
# menu entry names the program by its absolute path, quoted and escaped so that desktops
# find it.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)

set(id com.example.kestova.Sorvane)
set(entry ${PREFIX}/${DATADIR}/applications/${id}.desktop)
foreach(file IN ITEMS
        ${BINDIR}/sorvane
        ${DATADIR}/applications/${id}.desktop
        ${DATADIR}/icons/hicolor/scalable/apps/${id}.svg
        ${DATADIR}/metainfo/${id}.metainfo.xml
        ${MANDIR}/man1/sorvane.1.gz
        ${DATADIR}/sorvane/translations/sorvane_de.qm
        ${DATADIR}/sorvane/translations/sorvane_fr.qm)
    if(NOT EXISTS ${PREFIX}/${file})
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()

file(STRINGS ${entry} exec REGEX "^Exec=")
string(REPLACE [[$1`]] [[\\$1\\`]] escaped "${PREFIX}")
if(NOT exec STREQUAL "Exec=\"${escaped}/${BINDIR}/sorvane\" %F")
    message(FATAL_ERROR "the menu entry does not name the installed program: ${exec}")
endif()
execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${entry} COMMAND_ERROR_IS_FATAL ANY)

# GLib, whose lists "Open with" shows, offers the entry once the desktop database knows it,
# with the program's folder off the PATH: it finds the program the entry names.
if(NOT GIO)
    message("SKIP: gio (Debian package libglib2.0-bin) is needed to see the menu entry as desktops do")
    return()
endif()
execute_process(COMMAND ${UPDATE_DESKTOP_DATABASE} ${PREFIX}/${DATADIR}/applications COMMAND_ERROR_IS_FATAL ANY)
set(elsewhere ${PREFIX}/no-other-entries)
file(MAKE_DIRECTORY ${elsewhere})
execute_process(COMMAND ${CMAKE_COMMAND} -E env HOME=${elsewhere} XDG_DATA_HOME=${PREFIX}/${DATADIR}
        XDG_DATA_DIRS=${elsewhere} XDG_CONFIG_HOME=${elsewhere} XDG_CONFIG_DIRS=${elsewhere} PATH=/usr/bin:/bin
        ${GIO} mime audio/mpeg
    OUTPUT_VARIABLE offered COMMAND_ERROR_IS_FATAL ANY)
if(NOT offered MATCHES "Registered applications:\n\t${id}\\.desktop\n")
    message(FATAL_ERROR "GLib does not offer the menu entry for MP3 files:\n${offered}")
endif()
