# The Debian package: `make package` (or `cpack -G DEB`) in the build folder
# packs what the install rules install, under /usr.  Its dependencies are
# those of the programs' shared libraries, as dpkg-shlibdeps finds them (the C
# and C++ run-time libraries, and zlib with the converter).
set(QUINTAVELMOR_PACKAGE_MAINTAINER "Quintavelmor developers <quintavelmor@example.org>"
  CACHE STRING "Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quintavelmor)
set(CPACK_PACKAGE_VENDOR "Quintavelmor developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "GNSS single-difference observation listing and its companions")
set(CPACK_PACKAGE_DESCRIPTION "Quintavelmor lists a single-difference GNSS observation file (rover minus
base differences of code, phase and Doppler for GPS, GLONASS and Galileo)
satellite by satellite and epoch by epoch: raw observations and linear
combinations chosen from a catalogue of 45 entries, among them the
geometry-free, ionosphere-free, wide-lane, Melbourne-Wuebbena, multipath and
code-minus-phase combinations.
Quintavelmor-report turns such a listing into per-satellite statistics with
cycle-slip candidates, a CSV export and an HTML page of plots.")
if(TARGET Quintavelmor-sd)
  string(APPEND CPACK_PACKAGE_DESCRIPTION "
Quintavelmor-sd converts RINEX observation files into the single-difference
and GLONASS frequency-channel files that Quintavelmor reads.")
endif()

set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${QUINTAVELMOR_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

include(CPack)

# The package's documents, as Debian policy asks: the copyright file and the
# package's change log, compressed as dpkg installs change logs.
set(QUINTAVELMOR_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/quintavelmor)
set(changelog ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog.Debian)
configure_file(cmake/debian/changelog.Debian.in ${changelog} @ONLY)
add_custom_command(OUTPUT ${changelog}.gz
  COMMAND ${GZIP} -9 -n -f -k ${changelog}
  DEPENDS ${changelog}
  COMMENT "Debian change log"
  VERBATIM)
add_custom_target(debian_changelog ALL DEPENDS ${changelog}.gz)
add_dependencies(installed debian_changelog)
install(FILES cmake/debian/copyright ${changelog}.gz DESTINATION ${QUINTAVELMOR_DOC_DIR})
