# `make package`: a Debian package of the installed layout, its dependencies computed from the binary.
# No maintainer scripts: dpkg triggers refresh the menu, icon and manual page caches.
# Packing takes the build as it is (`make package` builds first), so the package test does not rebuild.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velkor)
set(CPACK_PACKAGE_VENDOR "Velkor developers")
set(CPACK_PACKAGE_CONTACT "Velkor developers <${VELKOR_MAINTAINER_EMAIL}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "personal organiser in the system tray")
set(CPACK_PACKAGE_DESCRIPTION
    "Velkor lives in the system tray, in Turkish and in English: plans for a day\n\
of the year with reminders (and those missed while it was not running), a month\n\
calendar, a dated diary with attached files, a telephone and address directory\n\
that dials through a modem, and a notebook.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${VELKOR_HOMEPAGE})
# The SQLite driver is a plug-in, which the binary does not link.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, xdg-utils")
# Directories the package owns are not writable by others.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
