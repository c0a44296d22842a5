# `make package`: a Debian package of the installed tree. Library dependencies come from
# dpkg-shlibdeps; the Hangul font is a run-time need no library link reveals.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME bandalyx)
set(CPACK_PACKAGE_VENDOR "Bandalyx 개발팀")
set(CPACK_PACKAGE_CONTACT "Bandalyx 개발팀 <bandalyx@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Resistor colour-code reader for 4-, 5- and 6-band resistors")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://bandalyx.example.org/")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-nanum")
# xdg-open is how Qt finds the user's browser for the About box's page button.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Bandalyx reads the colour code of through-hole resistors. Pick the kind of resistor and a\n band, click a colour, and it shows the resistance, the tolerance and, for six bands, the\n temperature coefficient. The interface is in Korean.")
include(CPack)
