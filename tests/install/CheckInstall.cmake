# Installs the build tree into an empty prefix and checks that the program, its menu entry,
# icon and AppStream data land where desktops look for them.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)

set(id com.example.kestova.Sorvane)
foreach(file IN ITEMS
        ${BINDIR}/sorvane
        ${DATADIR}/applications/${id}.desktop
        ${DATADIR}/icons/hicolor/scalable/apps/${id}.svg
        ${DATADIR}/metainfo/${id}.metainfo.xml)
    if(NOT EXISTS ${PREFIX}/${file})
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()
