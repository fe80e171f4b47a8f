# The Debian package: `cpack -G DEB` in a Release build (scripts/package.sh) writes
# tarvel_VERSION_ARCH.deb. dpkg-shlibdeps finds the libraries the programs link; the data
# packages it cannot see are named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Tarvel developers")
set(CPACK_PACKAGE_CONTACT "The Tarvel developers <developers@tarvel.example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Vedic astrology: birth charts and their Argala reading")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://tarvel.example.com/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The zone history reads the compiled time zones of tzdata. Without the Swiss Ephemeris data
# files the precise sky falls back to the library's built-in Moshier ephemeris.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "tzdata")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "swe-basic-data")
# The long description; CPack puts the summary above it and indents it as Debian wants.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Tarvel computes the sidereal ascendant and the nine grahas for a birth, places
them in a square Rasi chart and evaluates Argala (planetary intervention) and
Virodhargala (obstruction), planet by planet. Readings are saved to and opened
from small .tvl files.

This package holds the desktop program tarvel and the command-line tool
tarvel-cli, which computes the same charts as text or JSON, also in batches.")

include(CPack)
