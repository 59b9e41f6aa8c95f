# Builds the Debian package into an empty folder and checks that it holds the program, its
# menu entry, icon and AppStream data, that it depends on the Qt 6 libraries, and that the
# desktop files inside it satisfy the tools desktops and software centres read them with.
find_program(DPKG_DEB dpkg-deb)
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
if(NOT DPKG_DEB OR NOT DPKG_SHLIBDEPS)
    message("SKIP: dpkg-deb and dpkg-shlibdeps (Debian packages dpkg and dpkg-dev) are needed to build and read a package")
    return()
endif()

file(REMOVE_RECURSE ${WORK_DIR})
execute_process(COMMAND ${CPACK} -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${WORK_DIR}
    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
file(GLOB package ${WORK_DIR}/sorvane_*.deb)
if(NOT package)
    message(FATAL_ERROR "no sorvane_<version>_<arch>.deb in ${WORK_DIR}")
endif()

function(expect_in output pattern)
    if(NOT output MATCHES "${pattern}")
        message(FATAL_ERROR "not in the package: ${pattern}\n${output}")
    endif()
endfunction()
execute_process(COMMAND ${DPKG_DEB} -c ${package} OUTPUT_VARIABLE contents COMMAND_ERROR_IS_FATAL ANY)
set(id com.example.kestova.Sorvane)
foreach(file IN ITEMS
        usr/bin/sorvane
        usr/share/applications/${id}.desktop
        usr/share/icons/hicolor/scalable/apps/${id}.svg
        usr/share/metainfo/${id}.metainfo.xml)
    expect_in("${contents}" " \\./${file}\n")
endforeach()
execute_process(COMMAND ${DPKG_DEB} -I ${package} OUTPUT_VARIABLE control COMMAND_ERROR_IS_FATAL ANY)
foreach(field IN ITEMS "Package: sorvane" "Section: sound" "Depends: [^\n]*libqt6core6" "Depends: [^\n]*libqt6widgets6")
    expect_in("${control}" "\n ${field}")
endforeach()

execute_process(COMMAND ${DPKG_DEB} -x ${package} ${WORK_DIR}/root COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${WORK_DIR}/root/usr/share/applications/${id}.desktop
    COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${APPSTREAMCLI} validate --no-net ${WORK_DIR}/root/usr/share/metainfo/${id}.metainfo.xml
    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
