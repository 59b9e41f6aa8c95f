# Builds the Debian package into an empty folder and checks that it holds the program, its
# menu entry, icon, AppStream data, manual page, documentation and translations, that it
# depends on the Qt 6 libraries and recommends Qt's translations, that the desktop files inside it satisfy the tools desktops and software
# centres read them with, and that Debian's package checker finds nothing to report.
find_program(DPKG_DEB dpkg-deb)
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
find_program(FILE_COMMAND file)
find_program(LINTIAN lintian)
if(NOT DPKG_DEB OR NOT DPKG_SHLIBDEPS OR NOT FILE_COMMAND OR NOT LINTIAN)
    message("SKIP: dpkg-deb, dpkg-shlibdeps, file and lintian (Debian packages dpkg, dpkg-dev, file and lintian) "
        "are needed to build and check a package")
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
        usr/share/metainfo/${id}.metainfo.xml
        usr/share/man/man1/sorvane.1.gz
        usr/share/doc/sorvane/changelog.gz
        usr/share/doc/sorvane/copyright
        usr/share/sorvane/translations/sorvane_de.qm
        usr/share/sorvane/translations/sorvane_fr.qm)
    expect_in("${contents}" " \\./${file}\n")
endforeach()
execute_process(COMMAND ${DPKG_DEB} -I ${package} OUTPUT_VARIABLE control COMMAND_ERROR_IS_FATAL ANY)
foreach(field IN ITEMS "Package: sorvane" "Section: sound" "Depends: [^\n]*libqt6core6" "Depends: [^\n]*libqt6widgets6"
        "Recommends: qt6-translations-l10n")
    expect_in("${control}" "\n ${field}")
endforeach()

execute_process(COMMAND ${DPKG_DEB} -x ${package} ${WORK_DIR}/root COMMAND_ERROR_IS_FATAL ANY)
set(entry ${WORK_DIR}/root/usr/share/applications/${id}.desktop)
execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${entry} COMMAND_ERROR_IS_FATAL ANY)
# /usr/bin is on every user's PATH.
file(STRINGS ${entry} exec REGEX "^Exec=")
if(NOT exec STREQUAL "Exec=sorvane %F")
    message(FATAL_ERROR "the package's menu entry does not name the program on the PATH: ${exec}")
endif()
execute_process(COMMAND ${APPSTREAMCLI} validate --no-net ${WORK_DIR}/root/usr/share/metainfo/${id}.metainfo.xml
    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)

# Every tag lintian knows, the pedantic and informational ones included, fails the package.
execute_process(COMMAND ${LINTIAN} --display-info --display-experimental --pedantic
        --fail-on error,warning,info,pedantic,experimental ${package}
    OUTPUT_VARIABLE findings ERROR_VARIABLE findings RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lintian has something to report on ${package}:\n${findings}")
endif()
