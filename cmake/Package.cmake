# The Debian package (`cpack -G DEB`, or scripts/package): the installed
# files under /usr, with the packages Velkora needs at run time named, so
# `apt install ./velkora_*.deb` brings them along.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velkora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Velkora)
set(CPACK_PACKAGE_CONTACT "Velkora <velkora@velkora.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Contact manager for small businesses")
set(CPACK_PACKAGE_DESCRIPTION
    "Velkora keeps the addresses of companies and private persons, their contact persons and the
activities done with them; it writes letters from RTF templates, runs mail merges and dials
through the desktop's telephone program. velkora-cli runs its jobs without a display.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Without debug information the programs are a fraction of the size and
# name no folder of the machine they were built on.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The Qt libraries of the windows (qt6-qpa-plugins holds the X11 and Wayland
# connection), SQLite of the record files, libcurl for mail sent straight to a
# mail server, and xdg-utils, through which the dialler, e-mail and documents
# reach the desktop's programs.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6printsupport6 (>= 6.4), qt6-qpa-plugins, libsqlite3-0 (>= 3.35), libpq5, libcurl4 (>= 7.85), libstdc++6 (>= 12), libc6 (>= 2.34), xdg-utils")
# Letters and mail merges open in Writer; everything else works without it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libreoffice-writer")
# cpack and `make install` pack what the build made and never start a build
# of their own: the test run packs the build it just tested, and
# scripts/package builds the programs first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

include(CPack)
