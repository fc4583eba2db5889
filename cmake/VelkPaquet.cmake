# The Debian package: "cmake --build build --target package" writes velk_<version>_<arch>.deb
# in the build folder, with what desktop/CMakeLists.txt installs under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velk)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Velk")
set(CPACK_PACKAGE_CONTACT "Velk <velk@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "construction géométrique plane par programme")
# The long description, under the summary line; one string, its lines ended by "\n".
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Velk calcule et dessine une construction géométrique plane décrite par\n\
un programme d'instructions numérotées (points, droites, cercles, tangences),\n\
écrit au clavier ou à la souris. Interface en français. Le paquet contient\n\
la fenêtre (velk) et l'exécution sans affichage (velk-run).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The library dependencies are read from the binaries by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# French messages of the standard Qt dialogs; a font metrically like Courier New for the
# editor.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-liberation")
set(CPACK_STRIP_FILES ON)
include(CPack)
