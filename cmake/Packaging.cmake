# make package: a .deb whose dependencies dpkg-shlibdeps computes from the binary.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME cwreadme)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The cwreadme project <cwreadme@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Write a standard HTML readme for a game level")
set(CPACK_PACKAGE_DESCRIPTION
    "A six-page wizard asks for a Vexmoor level's details and writes one standard HTML readme beside the level file.")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
include(CPack)
