# Install layout under the prefix and the Debian package built from it by CPack.
include(GNUInstallDirs)

install(TARGETS lumetra RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/data/lumetra.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/example.orvanta.Lumetra.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/data/icons/lumetra.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lumetra)
set(CPACK_PACKAGE_VENDOR Orvanta)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Full-screen wall clock with a small control panel")
set(CPACK_PACKAGE_DESCRIPTION
    "Lumetra Wall Time Display fills the whole screen with the time of day in large figures. A small control panel sets the time format, the time zone, the font and colours, the exit hint, keep-awake while the clock is shown, and start at log-in.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Orvanta <support@orvanta.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.orvanta.example/lumetra/")
# Libraries the executable links come from dpkg-shlibdeps; what Qt loads at run time does not:
# the X11 and Wayland platform plugins, the SVG icon engine for the window icon, the fonts
# whose metrics match "Arial" and "Courier New", Qt's own translations for the dialogs'
# buttons, and the country names in the user's language.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-wayland, libqt6svg6, fonts-liberation, qt6-translations-l10n, iso-codes")
include(CPack)
