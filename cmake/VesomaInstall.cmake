# Where the installed program's files go (GNUInstallDirs, with the prefix /usr
# the Debian package uses) and the package itself (CPack, DEB generator):
#   cmake --build <build> && cd <build> && cpack -G DEB
# The desktop entry, the metadata and the icons share one id.
set(VESOMA_APP_ID org.vesoma.Vesoma)
set(VESOMA_VERSION 1.0.0)
set(pkg ${PROJECT_SOURCE_DIR}/packaging)
set(out ${PROJECT_BINARY_DIR}/packaging)

install(TARGETS vesoma vesoma-cal RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${VESOMA_UMS_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/vesoma)
install(FILES ${pkg}/${VESOMA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${pkg}/${VESOMA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The PNGs are rendered from the SVG by scripts/render-icons and committed.
foreach(size 16 32 48 64 128 256)
  install(FILES ${pkg}/icons/${size}.png RENAME ${VESOMA_APP_ID}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${pkg}/icons/vesoma.svg RENAME ${VESOMA_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Manual pages and the Debian changelog are installed compressed, without a
# time stamp in the gzip header, so the package builds the same each time.
find_program(VESOMA_GZIP gzip REQUIRED)
set(compressed)
foreach(file man/vesoma.1 man/vesoma-cal.1 changelog.Debian)
  get_filename_component(name ${file} NAME)
  add_custom_command(
    OUTPUT ${out}/${name}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${out}
    COMMAND ${VESOMA_GZIP} -9 -n -c ${pkg}/${file} > ${out}/${name}.gz
    DEPENDS ${pkg}/${file}
    COMMENT "Compressing ${name}")
  list(APPEND compressed ${out}/${name}.gz)
endforeach()
add_custom_target(vesoma_packaging_files ALL DEPENDS ${compressed})
install(FILES ${out}/vesoma.1.gz ${out}/vesoma-cal.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${out}/changelog.Debian.gz ${pkg}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${pkg}/lintian-overrides RENAME vesoma DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vesoma)
set(CPACK_PACKAGE_VERSION ${VESOMA_VERSION})
set(CPACK_PACKAGE_VENDOR "The Vesoma developers")
set(CPACK_PACKAGE_CONTACT "Vesoma Developers <vesoma@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "fortune almanac for the Japanese calendar")
set(CPACK_PACKAGE_DESCRIPTION
    "For any month from 1900 to 2100 the program shows, day by day, the
Gregorian and the lunisolar date with its leap months, the six-day cycle,
the sexagenary sign, the 28 mansions, the 12 day officers, the nine stars,
the 24 solar terms, public holidays and almanac notes, and keeps the user's
own events. The terminal tool vesoma-cal prints the same almanac.")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Vesoma Developers <vesoma@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://vesoma.example.org/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The windows draw with a monospace CJK font; the toolkit's Japanese texts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "wx3.2-i18n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
include(CPack)
