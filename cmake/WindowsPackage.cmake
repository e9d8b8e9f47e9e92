# The Windows zip: Kipto2.exe, Kipto2.bin, the DLLs the program needs (the LGPL libraries and
# the thread runtime), the free fonts that stand in for the Windows fonts, README.txt and the
# licences. `cmake --install` lays it out in a folder; the target windows_package zips it with
# CPack (build/Kipto2-windows.zip).
#   KIPTO2_WINDOWS_LIBRARY_SOURCES  the unpacked Debian source packages of the libraries, whose
#                                   copyright files become the licences
set(KIPTO2_WINDOWS_LIBRARY_SOURCES "" CACHE PATH "Unpacked Debian sources of the cross-built libraries")
set(KIPTO2_WINDOWS_LIBRARIES zlib libpng1.6 libjpeg-turbo freetype libogg libvorbis mpg123 libxmp sqlite3
    libxml2 curl libsdl2 libepoxy)

install(TARGETS Kipto2 RUNTIME DESTINATION .)
install(FILES ${KIPTO2_NATIVE_BUILD}/Kipto2.bin ${CMAKE_SOURCE_DIR}/src/windows/README.txt DESTINATION .)

# The DLLs the program imports, found beside the cross-built libraries and the compiler's
# runtime; the system's own DLLs stay unresolved and are not shipped.
set(MINGW_RUNTIME_DIRS /usr/${MINGW_TRIPLET}/lib /usr/lib/gcc/${MINGW_TRIPLET}/12-posix)
install(CODE "
  set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
  set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
  set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND ${MINGW_TRIPLET}-objdump)
  file(GET_RUNTIME_DEPENDENCIES
    EXECUTABLES \"$<TARGET_FILE:Kipto2>\"
    RESOLVED_DEPENDENCIES_VAR dlls
    UNRESOLVED_DEPENDENCIES_VAR system
    DIRECTORIES \"$ENV{KIPTO2_WINDOWS_PREFIX}/bin\" ${MINGW_RUNTIME_DIRS})
  file(INSTALL \${dlls} DESTINATION \"\${CMAKE_INSTALL_PREFIX}\")
")

install(FILES ${KIPTO2_BUNDLED_FONTS} DESTINATION fonts)

install(FILES ${CMAKE_SOURCE_DIR}/content/LICENSES.md DESTINATION licenses RENAME Kipto2-content.txt)
# Debian's copyright file, or the upstream one where the mirror lacked the Debian part.
foreach(library ${KIPTO2_WINDOWS_LIBRARIES})
  set(copyright ${KIPTO2_WINDOWS_LIBRARY_SOURCES}/${library}/debian/copyright)
  if(NOT EXISTS ${copyright})
    set(copyright ${KIPTO2_WINDOWS_LIBRARY_SOURCES}/${library}/COPYING)
  endif()
  install(FILES ${copyright} DESTINATION licenses RENAME ${library}.txt)
endforeach()
install(FILES /usr/share/doc/mingw-w64-common/copyright DESTINATION licenses RENAME mingw-w64-runtime.txt)
install(FILES /usr/share/doc/fonts-liberation/copyright DESTINATION licenses RENAME fonts-liberation.txt)
install(FILES /usr/share/doc/fonts-dejavu-core/copyright DESTINATION licenses RENAME fonts-dejavu.txt)

set(CPACK_PACKAGE_NAME Kipto2)
set(CPACK_PACKAGE_VENDOR Corvalen)
set(CPACK_PACKAGE_FILE_NAME Kipto2-windows)
set(CPACK_GENERATOR ZIP)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
include(CPack)

add_custom_target(windows_package
  COMMAND ${CMAKE_CPACK_COMMAND} -G ZIP --config ${CMAKE_BINARY_DIR}/CPackConfig.cmake
  DEPENDS Kipto2
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
  COMMENT "Zipping Kipto2-windows.zip"
  VERBATIM)
