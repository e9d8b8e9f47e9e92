# The Windows build (scripts/build-windows.sh cross-builds it with cmake/toolchains/mingw-w64.cmake).
# The data package, the content tools and the score service are built natively; this adds what
# only Windows has: a program without a console, its icon resource, the unit tests that run under
# Wine, and the zip (cmake/WindowsPackage.cmake).
#   KIPTO2_NATIVE_BUILD  a native build folder that holds Kipto2.bin and content/ui/icon.png
set(KIPTO2_NATIVE_BUILD "" CACHE PATH "Native build folder with the data package and the icon picture")

set_target_properties(Kipto2 PROPERTIES WIN32_EXECUTABLE ON)

# Liberation Sans stands in for Arial and DejaVu Sans for Verdana where Windows lacks them
# (src/window/text/freetype/windows/FontFiles.cpp looks in "fonts" beside the program).
set(FONTS /usr/share/fonts/truetype)
set(KIPTO2_BUNDLED_FONTS
  ${FONTS}/liberation/LiberationSans-Regular.ttf ${FONTS}/liberation/LiberationSans-Bold.ttf
  ${FONTS}/liberation/LiberationSans-Italic.ttf ${FONTS}/liberation/LiberationSans-BoldItalic.ttf
  ${FONTS}/dejavu/DejaVuSans.ttf ${FONTS}/dejavu/DejaVuSans-Bold.ttf)

# Icon resource 102: the package's icon picture in an icon file (an icon file may hold PNG data).
set(KIPTO2_ICON_PNG ${KIPTO2_NATIVE_BUILD}/content/ui/icon.png)
if(KIPTO2_NATIVE_BUILD AND EXISTS ${KIPTO2_ICON_PNG})
  set(ICON_FILE ${CMAKE_BINARY_DIR}/Kipto2.ico)
  add_custom_command(OUTPUT ${ICON_FILE}
    COMMAND ${CMAKE_SOURCE_DIR}/src/windows/png-to-ico.sh ${KIPTO2_ICON_PNG} ${ICON_FILE}
    DEPENDS ${KIPTO2_ICON_PNG} ${CMAKE_SOURCE_DIR}/src/windows/png-to-ico.sh
    VERBATIM)
  configure_file(${CMAKE_SOURCE_DIR}/src/windows/Kipto2.rc.in ${CMAKE_BINARY_DIR}/Kipto2.rc @ONLY)
  set_source_files_properties(${CMAKE_BINARY_DIR}/Kipto2.rc PROPERTIES OBJECT_DEPENDS ${ICON_FILE})
  target_sources(Kipto2 PRIVATE ${CMAKE_BINARY_DIR}/Kipto2.rc)
  # The program is a target of src/: the icon file is made by a target of this folder first.
  add_custom_target(windows_icon DEPENDS ${ICON_FILE})
  add_dependencies(Kipto2 windows_icon)
else()
  message(WARNING "No icon picture in KIPTO2_NATIVE_BUILD: Kipto2.exe gets no icon resource")
endif()

if(KIPTO2_TESTS)
  enable_testing()
  add_subdirectory(tools/writers)
  add_subdirectory(tests/windows)
endif()

include(cmake/WindowsPackage.cmake)
