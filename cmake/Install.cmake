# Install layout under the prefix; the Debian package (debian/) installs the same.
include(GNUInstallDirs)

install(TARGETS lumetra RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/data/lumetra.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/example.orvanta.Lumetra.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/data/icons/lumetra.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# The manual page, naming the project's version.
configure_file(${PROJECT_SOURCE_DIR}/data/lumetra.1.in ${PROJECT_BINARY_DIR}/lumetra.1 @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/lumetra.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
