# Run by CPack as it stages the Debian package, never by "cmake --install": the files that
# only the package holds. file(INSTALL) puts them below the staging folder ($DESTDIR).
file(INSTALL ${CMAKE_CURRENT_LIST_DIR}/sorvane.lintian-overrides
    DESTINATION ${CPACK_PACKAGING_INSTALL_PREFIX}/share/lintian/overrides RENAME sorvane)
