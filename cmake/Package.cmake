# `make package`: a Debian package of the programs and everything installed with them,
# made by CPack from the installation under /usr, and beside it the package of their debug
# symbols (lotcraft-dbgsym, a .ddeb). Its dependencies on the Qt 6 libraries come from the
# programs themselves (dpkg-shlibdeps); the window system plug-ins, the fonts the windows
# are laid out for and the desktop's opener, which no program links, are named here.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lotcraft)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Lotcraft developers")
set(CPACK_PACKAGE_CONTACT "The Lotcraft developers <lotcraft@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "catalogue of items to sell and eBay-style item pages")
set(CPACK_PACKAGE_DESCRIPTION
    "Lotcraft keeps a catalogue of the items a seller wants to list on eBay,\n\
in a grid with a form to edit one item at a time, and writes one HTML page\n\
per item that looks like eBay's own item page, in 19 colour schemes and\n\
4 layouts. lotcraft-pages writes the same pages from the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# CPack strips the programs itself once it has copied their debug symbols into the -dbgsym
# package, which finds them by build id (/usr/lib/debug/.build-id/).
set(CPACK_STRIP_FILES OFF)
set(CPACK_DEBIAN_DEBUGINFO_PACKAGE ON)
# Before that, the sections a package needs no more (the compilers' .comment), as Debian's
# own tools drop them.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/PackageSections.cmake)
# After: the -dbgsym package made as Debian makes one.
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/PackageDebugSymbols.cmake)
# Only the installation itself: the record for `make uninstall` is no part of a package.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};Lotcraft;/")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${LOTCRAFT_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
string(REPLACE ";" ", " LOTCRAFT_FONT_DEPENDS "${LOTCRAFT_FONT_PACKAGES}")
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, ${LOTCRAFT_FONT_DEPENDS}")
# Qt's own translations, for the standard dialogs in the seller's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-translations-l10n")
# The folders of the package belong to root and are not writable by others.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

include(CPack)
