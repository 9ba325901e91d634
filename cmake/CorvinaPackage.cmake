# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package (`make deb`): everything `cmake --install` puts under /usr, with the
# libraries it needs found by dpkg-shlibdeps from the programs themselves.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corvina)
set(CPACK_PACKAGE_VENDOR "Corvina's developers")
set(CPACK_PACKAGE_CONTACT "${CORVINA_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CORVINA_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "find duplicate files and remove the copies you do not need")
# Lines of the long description as `apt show` prints them.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Corvina finds the files on your disks and network shares that are the same,"
    "shows them as numbered groups, helps you mark the copies you do not need, and"
    "gets rid of them safely: to the trash or for good, moved or copied elsewhere,"
    "or renamed. Searches and their results can be saved as session files and"
    "exported as CSV or HTML reports. corvina-cli does the same search from a"
    "terminal.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Folders the package creates are 0755 whatever the umask of the build.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${CORVINA_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its platform plugins (X11, Wayland) at run time, so dpkg-shlibdeps cannot see that the
# window needs them; the SVG plugins draw the window's icon, and bash-completion loads the
# completion of corvina-cli that the package installs. Corvina's own translations are inside the
# programs; Qt's (the buttons of message boxes, the file dialogs) are loaded from
# qt6-translations-l10n when it is there, and without it those stay English. The similar-pictures
# search reads JPEG, PNG, GIF and BMP through plugins of libqt6gui6 (which dpkg-shlibdeps finds),
# and WebP and TIFF through qt6-image-formats-plugins, a plugin package no program links: without
# it those pictures are passed over as not pictures. Its cache of picture hashes is an SQLite file
# read through Qt's SQLite driver, another plugin (libqt6sql6-sqlite) that dpkg-shlibdeps cannot
# see: without it every search decodes every picture again.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6sql6-sqlite")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libqt6svg6, bash-completion, qt6-translations-l10n, qt6-image-formats-plugins")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
