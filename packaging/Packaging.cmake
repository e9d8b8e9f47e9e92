# What `cmake --install` puts where (GNU layout), the desktop integration, and the Debian
# package and tarball that `cpack` makes from the installed tree:
#   bin/Kipto2, bin/kipto2-scores
#   share/kipto2/Kipto2.bin                       found by the program from its own folder
#   share/applications, share/metainfo, share/icons/hicolor/NxN/apps
#   share/doc/kipto2/                             README, CHANGELOG, guides, licences
#   lib/systemd/system/kipto2-scores.service      the score service's unit
# The tarball adds the launcher `kipto2` at its top.
set(KIPTO2_APP_ID com.corvalen.Kipto2)
set(KIPTO2_HOMEPAGE "https://kipto2.example.org/" CACHE STRING "The game's web site")
set(KIPTO2_SOURCE_URL "https://kipto2.example.org/source/raw/main"
    CACHE STRING "Where the repository's files can be read on the web (the metainfo's screenshots)")
set(KIPTO2_MAINTAINER "Kipto2 developers <kipto2@example.org>")
set(KIPTO2_INSTALL_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/kipto2)
set(CMAKE_INSTALL_DEFAULT_COMPONENT_NAME game)

# The release history of the metainfo comes from CHANGELOG.md, whose release headings read
# "## VERSION (YYYY-MM-DD)"; the project's version must be among them.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/CHANGELOG.md)
file(STRINGS ${CMAKE_SOURCE_DIR}/CHANGELOG.md release_headings REGEX "^## [0-9]")
set(KIPTO2_RELEASES "")
set(released_versions "")
foreach(heading ${release_headings})
  if(NOT heading MATCHES "^## ([0-9]+\\.[0-9]+\\.[0-9]+) \\(([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9])\\)$")
    message(FATAL_ERROR "CHANGELOG.md: a release heading reads \"## VERSION (YYYY-MM-DD)\", not \"${heading}\"")
  endif()
  string(APPEND KIPTO2_RELEASES "    <release version=\"${CMAKE_MATCH_1}\" date=\"${CMAKE_MATCH_2}\"/>\n")
  list(APPEND released_versions ${CMAKE_MATCH_1})
endforeach()
if(NOT PROJECT_VERSION IN_LIST released_versions)
  message(FATAL_ERROR "CHANGELOG.md has no release heading for version ${PROJECT_VERSION} (CMakeLists.txt)")
endif()
set(KIPTO2_METAINFO ${CMAKE_BINARY_DIR}/packaging/${KIPTO2_APP_ID}.metainfo.xml)
configure_file(${CMAKE_CURRENT_LIST_DIR}/${KIPTO2_APP_ID}.metainfo.xml.in ${KIPTO2_METAINFO} @ONLY)

# The game, its data and the score service.
install(TARGETS Kipto2 kipto2-scores RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_BINARY_DIR}/Kipto2.bin DESTINATION ${KIPTO2_INSTALL_DATA_DIR})
# systemd finds the unit under the prefix's lib/systemd/system (/usr or /usr/local); its
# ExecStart names the program without a folder, which systemd looks up in both bin folders.
install(FILES ${CMAKE_SOURCE_DIR}/server/kipto2-scores.service DESTINATION lib/systemd/system)

# The desktop's menu entry, the software centres' description, and the icons that the content
# build draws from the window icon's source (content/ui/icons/hicolor/NxN/apps/).
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${KIPTO2_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${KIPTO2_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${CMAKE_BINARY_DIR}/content/ui/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# Documents and licences.
install(FILES ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_SOURCE_DIR}/CHANGELOG.md ${CMAKE_SOURCE_DIR}/docs/PLAYING.md
              ${CMAKE_SOURCE_DIR}/docs/SCORE-SERVICE.md ${CMAKE_SOURCE_DIR}/content/LICENSES.md
              ${CMAKE_CURRENT_LIST_DIR}/copyright
        DESTINATION ${KIPTO2_INSTALL_DOC_DIR})
# The manual pages, compressed as Debian's policy asks; `man Kipto2` finds the game's page too.
foreach(page kipto2.6 kipto2-scores.1)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/${page} ${CMAKE_BINARY_DIR}/packaging/${page} COPYONLY)
  execute_process(COMMAND gzip -9nf ${CMAKE_BINARY_DIR}/packaging/${page})
endforeach()
install(FILES ${CMAKE_BINARY_DIR}/packaging/kipto2.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_BINARY_DIR}/packaging/kipto2-scores.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(CODE "file(CREATE_LINK kipto2.6.gz
                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_MANDIR}/man6/Kipto2.6.gz\" SYMBOLIC)")

# Debian's own change log of the package, compressed as its policy asks, and the games folder:
# only in the Debian package (see CPackOptions.cmake).
string(TIMESTAMP changelog_date "%a, %d %b %Y %H:%M:%S +0000" UTC)
file(WRITE ${CMAKE_BINARY_DIR}/packaging/changelog.Debian
  "kipto2 (${PROJECT_VERSION}-1) unstable; urgency=medium\n\n"
  "  * Release ${PROJECT_VERSION}; see /usr/share/doc/kipto2/CHANGELOG.md.\n\n"
  " -- ${KIPTO2_MAINTAINER}  ${changelog_date}\n")
execute_process(COMMAND gzip -9nf ${CMAKE_BINARY_DIR}/packaging/changelog.Debian)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.Debian.gz DESTINATION ${KIPTO2_INSTALL_DOC_DIR}
        COMPONENT debian EXCLUDE_FROM_ALL)
# Debian keeps games in /usr/games: there the game is also `kipto2`, like the tarball's launcher.
install(CODE "file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/games\")
              file(CREATE_LINK ../${CMAKE_INSTALL_BINDIR}/Kipto2 \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/games/kipto2\" SYMBOLIC)"
        COMPONENT debian EXCLUDE_FROM_ALL)

# The tarball's launcher, only in the tarball (see CPackOptions.cmake).
install(PROGRAMS ${CMAKE_CURRENT_LIST_DIR}/kipto2 DESTINATION . COMPONENT launcher EXCLUDE_FROM_ALL)

set(CPACK_PACKAGE_NAME kipto2)
set(CPACK_PACKAGE_VENDOR Corvalen)
set(CPACK_PACKAGE_CONTACT ${KIPTO2_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "casual shop game")
set(CPACK_PACKAGE_HOMEPAGE_URL ${KIPTO2_HOMEPAGE})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR DEB TGZ)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_FILE_NAME kipto2-${PROJECT_VERSION}-linux-${CMAKE_SYSTEM_PROCESSOR})
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/CPackOptions.cmake)
set(CPACK_KIPTO2_BUILD_DIR ${CMAKE_BINARY_DIR})

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beside the libraries: the fonts that the system font names resolve to.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, fonts-liberation")
# CPack puts the summary first and indents the lines itself.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Customers come into your shop one by one with their wishes in thought
bubbles; click the wished goods on the shelves and serve them before the
day ends. Twelve shops wait on a calendar, your own shop grows with
upgrades, and a timed Blitz mode keeps best times locally and online.

The package also holds kipto2-scores, the service of the online best
times, with a systemd unit that is not enabled.")
include(CPack)
