# Settings of one CPack generator, read when cpack runs it: the Debian package adds Debian's
# change log, the tarball is a tree to unpack anywhere, started through the launcher at its top.
if(CPACK_GENERATOR STREQUAL "DEB")
  set(CPACK_INSTALL_CMAKE_PROJECTS
      "${CPACK_KIPTO2_BUILD_DIR};Kipto2;ALL;/"
      "${CPACK_KIPTO2_BUILD_DIR};Kipto2;debian;/")
elseif(CPACK_GENERATOR STREQUAL "TGZ")
  set(CPACK_PACKAGING_INSTALL_PREFIX "/")
  set(CPACK_INSTALL_CMAKE_PROJECTS
      "${CPACK_KIPTO2_BUILD_DIR};Kipto2;ALL;/"
      "${CPACK_KIPTO2_BUILD_DIR};Kipto2;launcher;/")
endif()
