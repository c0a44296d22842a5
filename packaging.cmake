# `make package`: a Debian package of the installed tree; `make windows`: a Windows installer
# and a portable zip of it (packaging-windows.cmake).
set(CPACK_PACKAGE_NAME bandalyx)
set(CPACK_PACKAGE_VENDOR "${BANDALYX_MAKER}")
set(CPACK_PACKAGE_CONTACT "${BANDALYX_MAKER} <${BANDALYX_EMAIL}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Resistor colour-code reader for 4-, 5- and 6-band resistors")
set(CPACK_PACKAGE_HOMEPAGE_URL "${BANDALYX_PAGE}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_STRIP_FILES ON)
if(WIN32)
    include(packaging-windows.cmake)
    return()
endif()

# Library dependencies come from dpkg-shlibdeps; the Hangul font and Qt's Korean texts are
# run-time needs no library link reveals.
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-nanum, qt6-translations-l10n")
# xdg-open is how Qt finds the user's browser for the About box's page button.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
# CPack indents each line by one blank itself; Debian wants them at most 80 characters wide.
string(JOIN "\n" CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Bandalyx reads the colour code of through-hole resistors. Pick the kind of"
    "resistor and a band, click a colour, and it shows the resistance, the"
    "tolerance and, for six bands, the temperature coefficient. A guide window"
    "shows the colour-code chart. The interface is in Korean.")
include(CPack)

# What Debian asks of every package's documentation: the licence in machine-readable form, made
# with the credits of credits.cmake, and the changelog, compressed without a time stamp so that
# the same source gives the same file.
set(BANDALYX_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/bandalyx)
configure_file(packaging/copyright.in copyright @ONLY)
add_custom_command(OUTPUT changelog.gz
    COMMAND gzip -9n -c ${PROJECT_SOURCE_DIR}/packaging/changelog > changelog.gz
    DEPENDS packaging/changelog)
add_custom_target(changelog ALL DEPENDS changelog.gz)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
        DESTINATION ${BANDALYX_DOCDIR})
