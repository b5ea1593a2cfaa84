# The Debian package: the program folder in /opt/lumivista, a launcher that gives
# each user a copy in ~/Lumivista (the data lives beside the executable), the menu
# entry, the icon and the AppStream metainfo. Configured with -DLUMIVISTA_PACKAGE=ON
# by scripts/package only, since it installs outside the program folder.
install(PROGRAMS ${CMAKE_SOURCE_DIR}/packaging/lumivista-launcher.sh DESTINATION /usr/bin RENAME lumivista)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/lumivista.desktop DESTINATION /usr/share/applications)
install(FILES ${CMAKE_SOURCE_DIR}/assets/icons/logo.svg DESTINATION /usr/share/icons/hicolor/scalable/apps
        RENAME lumivista.svg)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/org.lumivista.Lumivista.metainfo.xml DESTINATION /usr/share/metainfo)

# The package needs the program and its guide only, not the tests and benchmarks
# that "all" would build first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lumivista)
set(CPACK_PACKAGE_VENDOR "Lumivista Software")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Gestionale per il centro ottico")
set(CPACK_PACKAGING_INSTALL_PREFIX /opt/lumivista)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Lumivista Software <assistenza@lumivista.example>")
# The Qt libraries come from what the executable links; the plugins, codecs and
# fonts it loads at run time are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6svg6, libqt6multimedia6, gstreamer1.0-plugins-good, gstreamer1.0-plugins-base, gstreamer1.0-libav, fonts-liberation, qt6-translations-l10n")
include(CPack)
