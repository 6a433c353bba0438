# `cpack` (run by `make deb`) turns the installed tree into a Debian package,
# yukipom_<version>_<arch>.deb, with its library dependencies computed from
# the binary by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME yukipom)
set(CPACK_PACKAGE_VENDOR "Yukipom Works")
set(CPACK_PACKAGE_CONTACT "雪野ぽむ太 <yukipom@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "musical Christmas snow globe")
# One line of the control file per line here: Debian wants them under 80
# columns, and CPack does not wrap them.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "A small window shows a Christmas snow globe. Press Play and snowflakes,"
  "sparkles, glowing orbs, girls in white, a reindeer sleigh, gift boxes and"
  "teddy bears move through one of five choreographies while a song loops"
  "alongside. The menus are in Japanese.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beyond the libraries: the Japanese faces of the menus, and Qt's Wayland
# platform plugin (the X11 one comes with Qt's GUI library).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
