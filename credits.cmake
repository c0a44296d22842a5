# Who makes Bandalyx, where to reach them and when this version came out: the one place these are
# written. configure_file carries them, with the version of project() in CMakeLists.txt, into the
# About box and --help (frmAbout/credits.h.in), the Windows version record and manifest
# (resources/bandalyx.rc.in, bandalyx.manifest.in), the AppStream record (resources/*.metainfo.xml.in)
# and the Debian copyright file (packaging/copyright.in); packaging.cmake hands them to CPack.
# Values go into C++ strings and XML as they are: no double quotes, backslashes or "<&".
set(BANDALYX_MAKER "Bandalyx 개발팀")
# The project has no public address or page yet; example.org is reserved for documentation and
# reaches no one, so nothing is sent or opened anywhere real until these are replaced.
set(BANDALYX_EMAIL "bandalyx@example.org")
set(BANDALYX_PAGE "https://bandalyx.example.org/")
# The day this version was released, YYYY-MM-DD: the AppStream record gives the day, the About
# box the month it was made, the copyright file the year.
set(BANDALYX_RELEASED 2026-12-08)

# The forms the files above want.
string(REGEX MATCH "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-[0-9][0-9]$" released "${BANDALYX_RELEASED}")
if(NOT released)
    message(FATAL_ERROR "credits.cmake: BANDALYX_RELEASED must be YYYY-MM-DD, not '${BANDALYX_RELEASED}'")
endif()
set(BANDALYX_YEAR ${CMAKE_MATCH_1})
string(REGEX REPLACE "^0" "" month "${CMAKE_MATCH_2}")
set(BANDALYX_MONTH_MADE "${BANDALYX_YEAR}년 ${month}월")

# Windows numbers a version in four parts (1,0,0,0) and shows it as major.minor with two minor
# digits (1.00).
set(parts)
foreach(part MAJOR MINOR PATCH TWEAK)
    if(PROJECT_VERSION_${part} STREQUAL "")
        list(APPEND parts 0)
    else()
        list(APPEND parts ${PROJECT_VERSION_${part}})
    endif()
endforeach()
string(JOIN "," BANDALYX_VERSION_PARTS ${parts})
string(JOIN "." BANDALYX_VERSION_DOTTED ${parts})
list(GET parts 1 minor)
if(minor LESS 10)
    set(minor "0${minor}")
endif()
set(BANDALYX_VERSION_SHOWN "${PROJECT_VERSION_MAJOR}.${minor}")

# The Debian changelog is history, written by hand; its newest entry must be this version.
file(READ ${PROJECT_SOURCE_DIR}/packaging/changelog newest LIMIT 200)
string(REGEX MATCH "^[^\n]*" newest "${newest}")
if(NOT newest MATCHES "^bandalyx \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "packaging/changelog begins '${newest}': add an entry for ${PROJECT_VERSION}")
endif()
