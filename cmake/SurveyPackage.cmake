# The Debian package: cmake --build build --target package makes
# airport-survey_VERSION_amd64.deb with both programs, the help, a menu entry,
# icons and manual pages.
include(GNUInstallDirs)
set(SURVEY_PACKAGE airport-survey)
set(SURVEY_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/${SURVEY_PACKAGE})
set(SURVEY_PACKAGING ${CMAKE_SOURCE_DIR}/packaging)
set(SURVEY_PACKAGE_BUILD ${CMAKE_BINARY_DIR}/packaging)

install(TARGETS survey-tool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# survey-tool finds its GIS export program in lib/airport-survey beside bin.
install(TARGETS survey-tool-gis RUNTIME DESTINATION lib/${SURVEY_PACKAGE})
# airport-survey opens its GIS export module from a folder below, on the first export: a
# private module, not a library for ldconfig (which the package would otherwise call).
install(TARGETS survey_gis_module LIBRARY DESTINATION lib/${SURVEY_PACKAGE}/modules)
install(FILES ${SURVEY_PACKAGING}/copyright ${CMAKE_SOURCE_DIR}/README.md DESTINATION ${SURVEY_DOC_DIR})
# The README's links lead to the screenshots and the help beside it.
install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/screenshots DESTINATION ${SURVEY_DOC_DIR}/docs)
install(FILES ${CMAKE_SOURCE_DIR}/docs/help.md DESTINATION ${SURVEY_DOC_DIR}/docs)
install(FILES ${SURVEY_PACKAGING}/airport-survey.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${SURVEY_PACKAGING}/airport-survey.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${SURVEY_PACKAGING}/airport-survey-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME airport-survey.png)
endforeach()

# Manual pages and the changelog carry the version and are compressed as Debian wants.
set(SURVEY_GZIPPED)
foreach(source airport-survey.1 survey-tool.1 changelog)
  configure_file(${SURVEY_PACKAGING}/${source}.in ${SURVEY_PACKAGE_BUILD}/${source} @ONLY)
  add_custom_command(
    OUTPUT ${SURVEY_PACKAGE_BUILD}/${source}.gz
    COMMAND gzip -9nkf ${SURVEY_PACKAGE_BUILD}/${source}
    DEPENDS ${SURVEY_PACKAGE_BUILD}/${source}
    COMMENT "Compressing ${source}")
  list(APPEND SURVEY_GZIPPED ${SURVEY_PACKAGE_BUILD}/${source}.gz)
endforeach()
add_custom_target(package-docs ALL DEPENDS ${SURVEY_GZIPPED})
install(FILES ${SURVEY_PACKAGE_BUILD}/airport-survey.1.gz ${SURVEY_PACKAGE_BUILD}/survey-tool.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${SURVEY_PACKAGE_BUILD}/changelog.gz DESTINATION ${SURVEY_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${SURVEY_PACKAGE})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Airport Survey developers")
set(CPACK_PACKAGE_CONTACT "Airport Survey developers <airport-survey@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "data entry for airport surveys, with UDDF export and import")
# The extended description; CPack puts the summary above it and indents each line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "A desktop program for surveyors of airports: one survey per airport with its
reference point, runways, navigational aids and obstructions, every entry
checked as it is typed. A certified survey is written as a fixed-column UDDF
exchange file (version 1.07); such files are read back too. The companion
survey-tool works on the same store from the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
