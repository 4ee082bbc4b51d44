# Installs the programs with their desktop entry, icons, AppStream metainfo, man pages and
# bash completion, and describes the Debian package: `cmake --build build --target package`
# makes orle_<version>_amd64.deb from the same build the tests ran on.
include(GNUInstallDirs)

set(ORLE_APP_ID org.quillonworks.orle)
set(ORLE_PACKAGING ${CMAKE_SOURCE_DIR}/packaging)
set(ORLE_ICON_SIZES 16 32 48 64 128 256)

install(TARGETS orle orle-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# orle-cli hands `print` over to it; it looks in lib/orle beside its own bin folder.
install(TARGETS orle-cli-print RUNTIME DESTINATION lib/orle)
install(FILES ${ORLE_PACKAGING}/${ORLE_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${ORLE_PACKAGING}/${ORLE_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${ORLE_PACKAGING}/icons/${ORLE_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size IN LISTS ORLE_ICON_SIZES)
  install(FILES ${ORLE_PACKAGING}/icons/orle-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${ORLE_APP_ID}.png)
endforeach()
install(FILES ${ORLE_PACKAGING}/orle-cli.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME orle-cli)

# Debian ships man pages compressed.
set(ORLE_MAN_PAGES)
foreach(page orle.1 orle-cli.1)
  set(compressed ${CMAKE_BINARY_DIR}/man/${page}.gz)
  add_custom_command(OUTPUT ${compressed}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
                     COMMAND gzip -9 -n -c ${ORLE_PACKAGING}/man/${page} > ${compressed}
                     DEPENDS ${ORLE_PACKAGING}/man/${page}
                     VERBATIM)
  list(APPEND ORLE_MAN_PAGES ${compressed})
endforeach()
add_custom_target(man_pages ALL DEPENDS ${ORLE_MAN_PAGES})
install(FILES ${ORLE_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orle)
set(CPACK_PACKAGE_VENDOR "Quillon Works")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "scoring system of an intercollegiate fencing championship")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "The scoring table's program of an intercollegiate individual fencing championship:\n"
       "rosters and group draws, sheets and scoresheets, bout entry, missing results,\n"
       "individual and team standings, the Final Four, printed reports and downloads.\n"
       "orle is the windowed program; orle-cli does the same work from scripts.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quillon Works <orle@quillonworks.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Libraries come from the binaries; what Qt loads by name at run time does not: the platform
# plugins draw the windows, and the printouts are laid out for the Liberation fonts.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2")
include(CPack)
