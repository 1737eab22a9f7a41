# Desktop installation and the Debian package.
#
#   cmake --install build --prefix /usr/local     the programs, the menu entry, the icon and the
#                                                 file types (.adi, .adif, .rlog)
#   cd build && cpack -G DEB                      brindlewick_<version>_<arch>.deb
#
# Everything the programs read at run time (templates, reference databases, QML) is compiled into
# them as Qt resources, so nothing else goes to share/.

include(GNUInstallDirs)

# Every library comes from the system: no run path into the installation.
set_target_properties(brindlewick brindlewick-cli PROPERTIES INSTALL_RPATH "")
install(TARGETS brindlewick brindlewick-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/brindlewick.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/brindlewick.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# shared-mime-info knows neither ADIF nor our logbooks.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/brindlewick-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME brindlewick.xml)

set(CPACK_PACKAGE_NAME brindlewick)
set(CPACK_PACKAGE_VENDOR "Brindlewick")
set(CPACK_PACKAGE_CONTACT "Brindlewick developers <brindlewick@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Logbook for radio amateurs")
set(CPACK_PACKAGE_DESCRIPTION
    "Logs QSOs with DXCC and band/mode statistics, follows the DX cluster, controls the \
transceiver, and exchanges confirmations with LoTW, eQSL and Club Log. Includes the \
command-line tool brindlewick-cli.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The shared libraries are found by dpkg-shlibdeps; what is loaded at run time is listed: the
# QML modules the screens import and libsecret, through which QtKeychain reaches the keyring.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qml6-module-qtquick, qml6-module-qtquick-controls, qml6-module-qtquick-layouts, \
qml6-module-qtquick-templates, qml6-module-qtquick-window, qml6-module-qtquick-dialogs, \
qml6-module-qtqml, qml6-module-qtqml-workerscript, qml6-module-qtcore, \
qml6-module-qtpositioning, qml6-module-qtmultimedia, libsecret-1-0")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "gnome-keyring | kwalletmanager, qt6-wayland")
set(CPACK_GENERATOR DEB)

include(CPack)
