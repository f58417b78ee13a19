# Install rules and the Debian package: `cmake --install` puts the two
# programs, the default support files, the menu entry, the icon and the
# command-line tool's manual page where a desktop expects them; `cpack -G DEB`
# builds vornwing-editor_<version>_<arch>.deb from the same rules.
include(GNUInstallDirs)

install(TARGETS vornwing-editor vornwing-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# An installed editor copies these into the user's data folder when they are
# missing there (see core/workspace/workspace.h); the folder name is what it looks for.
# FM.ru.dat and readme.ru.txt are the row labels and the help text the
# Russian window shows.
install(FILES
          ${PROJECT_SOURCE_DIR}/data/editor/FM.dat
          ${PROJECT_SOURCE_DIR}/data/editor/FM.ru.dat
          ${PROJECT_SOURCE_DIR}/data/editor/planes.dat
          ${PROJECT_SOURCE_DIR}/data/editor/readme.txt
          ${PROJECT_SOURCE_DIR}/data/editor/readme.ru.txt
          ${PROJECT_SOURCE_DIR}/data/editor/editor.ini
        DESTINATION ${CMAKE_INSTALL_DATADIR}/vornwing-editor/editor)
# The example scripts (vornwing-cli script, and the editor's Tools menu).
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/editor/scripts/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/vornwing-editor/editor/scripts FILES_MATCHING PATTERN "*.js")
install(FILES ${PROJECT_SOURCE_DIR}/data/schema/plane-data.schema.json
        DESTINATION ${CMAKE_INSTALL_DATADIR}/vornwing-editor/schema)

install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vornwing-editor)

install(FILES ${PROJECT_SOURCE_DIR}/data/vornwing-editor.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/icons/vornwing-editor.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size IN ITEMS 16 32 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/data/icons/vornwing-editor-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME vornwing-editor.png)
endforeach()

# The manual page is installed compressed where gzip is at hand, as Debian's
# manual pages are.
# Its heading names the version (@VW_VERSION@ in data/vornwing-cli.1).
configure_file(${PROJECT_SOURCE_DIR}/data/vornwing-cli.1 ${CMAKE_CURRENT_BINARY_DIR}/vornwing-cli.1 @ONLY)
find_program(VW_GZIP gzip)
if(VW_GZIP)
  set(man_page ${CMAKE_CURRENT_BINARY_DIR}/vornwing-cli.1.gz)
  add_custom_command(OUTPUT ${man_page}
                     COMMAND ${VW_GZIP} -9 -n -c ${CMAKE_CURRENT_BINARY_DIR}/vornwing-cli.1 > ${man_page}
                     DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/vornwing-cli.1
                     VERBATIM)
  add_custom_target(vornwing-cli-manual ALL DEPENDS ${man_page})
else()
  set(man_page ${CMAKE_CURRENT_BINARY_DIR}/vornwing-cli.1)
endif()
install(FILES ${man_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vornwing-editor)
set(CPACK_PACKAGE_VENDOR "Vornwing Planes Editor developers")
set(CPACK_PACKAGE_CONTACT "Vornwing Planes Editor developers <maintainers@vornwing-editor.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Editor for the Vornwing flight simulation's plane data file")
# One string (several would be joined with ";" into the package's description).
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "A desktop editor and a command-line tool (vornwing-cli) for misc.bin, the enciphered plane data file of the "
       "Vornwing flight simulation: weapon loadouts, flight-model tables, the engine power chart, damage maps and the "
       "shared wing and ammunition tables, in all three layouts of the file.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The Qt 6 libraries the programs link, found by dpkg-shlibdeps (dpkg-dev).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, fonts-liberation2")
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR})
include(CPack)
