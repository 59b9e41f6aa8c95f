# A Debian package of what `cmake --install` installs, under /usr, built by `cpack -G DEB` in
# the build folder (./build.sh package). Its dependencies are read from the binary, and dpkg's
# triggers refresh the desktop database and icon cache when it is installed or removed.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sorvane)
set(CPACK_PACKAGE_VENDOR Kestova)
set(CPACK_PACKAGE_CONTACT "Kestova <sorvane@kestova.example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Rename MP3 files after their ID3 tags")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Sorvane lists the MP3 files of a folder, reads each file's ID3v1 tag (or,"
    "on request, its ID3v2 tag) and shows beside every file the name it should"
    "have under one of nine naming conventions, such as 'Track - Song Title',"
    "or under a pattern of the user's own. One command renames them all without"
    "ever replacing an existing file, and another undoes the last run. A tag"
    "editor fills in the fields a name needs or rewrites any file's tag. It"
    "speaks English, German and French."
    )
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/InstallPackageOnlyFiles.cmake)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://kestova.example.com)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own buttons and dialogs in the user's language, beside the program's translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)

include(CPack)
