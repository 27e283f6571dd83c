# What `cmake --install` lays out under the prefix, and the Debian package CPack builds from it:
#   bin/stend                     a launcher that starts the program in its run-time folder
#   lib/stend/                    the program with txt/, ico/ and Help.chm beside it
#   share/applications/           the desktop entry
#   share/icons/hicolor/NxN/apps/ the program's icon, drawn by the artwork generator

set(STEND_INSTALL_DIR lib/stend)

install(TARGETS stend RUNTIME DESTINATION ${STEND_INSTALL_DIR})
install(DIRECTORY ${STEND_RUN_DIR}/txt ${STEND_RUN_DIR}/ico DESTINATION ${STEND_INSTALL_DIR})
install(FILES ${STEND_RUN_DIR}/Help.chm DESTINATION ${STEND_INSTALL_DIR})
install(PROGRAMS ${PROJECT_SOURCE_DIR}/app/install/stend-launcher.sh DESTINATION bin RENAME stend)
install(FILES ${PROJECT_SOURCE_DIR}/app/install/stend.desktop DESTINATION share/applications)
install(DIRECTORY ${STEND_ART_DIR}/icons/ DESTINATION share/icons)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME stend)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Virtual laboratory bench on the ways of exciting a DC generator (Russian)")
set(CPACK_PACKAGE_CONTACT "Stend developers <stend@localhost>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# The libraries the program links come from dpkg-shlibdeps; what it needs without linking is named
# here: the fonts its classic font names map to, the shell's "open" and the help viewer.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fontconfig, fonts-liberation2, fonts-dejavu-core, fonts-paratype, fonts-urw-base35, xdg-utils, xchm")
include(CPack)
