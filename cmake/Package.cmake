# The Debian package: `cpack -G DEB` in the build folder (scripts/package.sh)
# writes brisola_<version>_amd64.deb from the install rules.

set(CPACK_PACKAGE_NAME brisola)
set(CPACK_PACKAGE_VENDOR "Wendmark Software")
set(BRISOLA_PACKAGE_MAINTAINER "Brisola developers <brisola@localhost>" CACHE STRING "The Debian package's maintainer")
set(CPACK_PACKAGE_CONTACT "${BRISOLA_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop authoring tool for DHTML popups")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Brisola describes popups for web pages in a project (when each opens and closes, how it enters and leaves, "
    "how it looks, where it sits, what HTML it shows), previews them while they are edited, compiles the project "
    "into a JavaScript library and scripts, and uploads the files by FTP. brisola-compile compiles a saved project "
    "from the command line.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_INSTALL_DIRECTORY brisola)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The dependencies are those of the libraries the programs link, as
# dpkg-shlibdeps finds them (the browser engine's library brings its helper
# program's package). Opening pages and folders in the desktop's own programs
# goes through xdg-open.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)

# A package build installs the programs and their data only: it needs the two
# programs built, not every test.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

include(CPack)
