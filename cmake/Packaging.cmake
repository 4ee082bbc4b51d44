# Installs the programs with their desktop entry, icons, AppStream metainfo, file type, man
# pages and bash completion, and describes two Debian packages made from the same build the
# tests ran on (`cmake --build build --target package`): orle-cli, which needs no window
# libraries (a scoring server or a script host), and orle, the windows and the printing helper.
# Their debug information goes to orle-cli-dbgsym and orle-dbgsym.
include(GNUInstallDirs)

set(ORLE_APP_ID org.quillonworks.orle)
set(ORLE_PACKAGING ${CMAKE_SOURCE_DIR}/packaging)
set(ORLE_ICON_SIZES 16 32 48 64 128 256)
set(ORLE_DATA ${CMAKE_INSTALL_DATADIR})

install(TARGETS orle-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT cli)
install(FILES ${ORLE_PACKAGING}/orle-cli.bash-completion COMPONENT cli
        DESTINATION ${ORLE_DATA}/bash-completion/completions RENAME orle-cli)

install(TARGETS orle RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT gui)
# orle-cli hands `print` over to it; it looks in libexec/orle beside its own bin folder.
install(TARGETS orle-cli-print RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/orle
        COMPONENT gui)
install(FILES ${ORLE_PACKAGING}/${ORLE_APP_ID}.desktop COMPONENT gui
        DESTINATION ${ORLE_DATA}/applications)
install(FILES ${ORLE_PACKAGING}/${ORLE_APP_ID}.metainfo.xml COMPONENT gui
        DESTINATION ${ORLE_DATA}/metainfo)
install(FILES ${ORLE_PACKAGING}/${ORLE_APP_ID}.mime.xml COMPONENT gui
        DESTINATION ${ORLE_DATA}/mime/packages RENAME ${ORLE_APP_ID}.xml)
install(FILES ${ORLE_PACKAGING}/icons/${ORLE_APP_ID}.svg COMPONENT gui
        DESTINATION ${ORLE_DATA}/icons/hicolor/scalable/apps)
foreach(size IN LISTS ORLE_ICON_SIZES)
  install(FILES ${ORLE_PACKAGING}/icons/orle-${size}.png COMPONENT gui
          DESTINATION ${ORLE_DATA}/icons/hicolor/${size}x${size}/apps
          RENAME ${ORLE_APP_ID}.png)
endforeach()

# Debian ships man pages and changelogs compressed, without a time stamp. orle-cli(1) lists
# the commands from the same table as `orle-cli --help`.
set(ORLE_DOCS ${CMAKE_BINARY_DIR}/packaged-docs)
function(orle_gzip source compressed)
  add_custom_command(OUTPUT ${compressed}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${ORLE_DOCS}
                     COMMAND gzip -9 -n -c ${source} > ${compressed}
                     DEPENDS ${source} ${ARGN}
                     VERBATIM)
endfunction()
set(ORLE_CLI_MAN_PAGE ${ORLE_DOCS}/orle-cli.1)
add_custom_command(OUTPUT ${ORLE_CLI_MAN_PAGE}
                   COMMAND ${CMAKE_COMMAND} -E make_directory ${ORLE_DOCS}
                   COMMAND orle-cli-manpage ${ORLE_PACKAGING}/man/orle-cli.1.in
                           ${ORLE_CLI_MAN_PAGE}
                   DEPENDS orle-cli-manpage ${ORLE_PACKAGING}/man/orle-cli.1.in
                   VERBATIM)
configure_file(${ORLE_PACKAGING}/changelog.in ${ORLE_DOCS}/changelog @ONLY)
orle_gzip(${ORLE_PACKAGING}/man/orle.1 ${ORLE_DOCS}/orle.1.gz)
orle_gzip(${ORLE_CLI_MAN_PAGE} ${ORLE_DOCS}/orle-cli.1.gz)
orle_gzip(${ORLE_DOCS}/changelog ${ORLE_DOCS}/changelog.gz)
add_custom_target(packaged_docs ALL DEPENDS ${ORLE_DOCS}/orle.1.gz ${ORLE_DOCS}/orle-cli.1.gz
                                            ${ORLE_DOCS}/changelog.gz)
install(FILES ${ORLE_DOCS}/orle-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT cli)
install(FILES ${ORLE_DOCS}/orle.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT gui)
set(ORLE_COMPONENTS cli gui)
set(ORLE_PACKAGES orle-cli orle)
foreach(component package IN ZIP_LISTS ORLE_COMPONENTS ORLE_PACKAGES)
  install(FILES ${ORLE_PACKAGING}/copyright ${ORLE_DOCS}/changelog.gz COMPONENT ${component}
          DESTINATION ${ORLE_DATA}/doc/${package})
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orle)
set(CPACK_PACKAGE_VENDOR "Quillon Works")
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL ${ORLE_COMPONENTS})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quillon Works <orle@quillonworks.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Stripped into the -dbgsym packages, as Debian's own packages are.
set(CPACK_STRIP_FILES OFF)
set(CPACK_DEBIAN_DEBUGINFO_PACKAGE ON)
# Libraries come from the binaries; what Qt loads by name at run time does not: the platform
# plugins draw the windows, and the printouts are laid out for the Liberation fonts.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_CLI_PACKAGE_NAME orle-cli)
set(CPACK_DEBIAN_GUI_PACKAGE_NAME orle)
set(CPACK_DEBIAN_GUI_PACKAGE_DEPENDS
    "orle-cli (= ${PROJECT_VERSION}), qt6-qpa-plugins, fonts-liberation2")
# Each package's first line is its synopsis (no project-wide summary is prepended).
string(CONCAT CPACK_DEBIAN_CLI_DESCRIPTION
       "fencing championship scoring from the command line\n"
       "Works on the championship file or server of an intercollegiate individual\n"
       "fencing championship without windows: rosters and group draws, bout entry,\n"
       "missing results, individual and team standings, the Final Four, downloads,\n"
       "the live results site, history and snapshots. Printing to PDF needs orle.")
string(CONCAT CPACK_DEBIAN_GUI_DESCRIPTION
       "scoring table's program of an intercollegiate fencing championship\n"
       "Rosters and group draws, sheets and scoresheets, bout entry, missing results,\n"
       "individual and team standings, the Final Four, printed reports and downloads,\n"
       "in windows made for the scoring table's keyboard.")
include(CPack)
