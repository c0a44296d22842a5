# Makes build/wine-run, which runs this build's Windows programs under Wine with a prefix of the
# build's own, and makes it the emulator of every test program.
find_program(BANDALYX_WINE NAMES wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(NOT BANDALYX_WINE)
    message(WARNING "wine64 not found: the Windows build's tests cannot run (Debian: wine64)")
    set(BANDALYX_WINE wine64)
endif()
set(BANDALYX_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)

# Wine sees the host's / as drive Z:.
get_target_property(qtcore Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(qtbin ${qtcore} DIRECTORY)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
                OUTPUT_VARIABLE runtime OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(runtime ${runtime} DIRECTORY)
set(BANDALYX_WINEPATH)
foreach(dir ${qtbin} ${runtime} /usr/${BANDALYX_MINGW}/lib)
    string(REPLACE "/" "\\" windir "Z:${dir}")
    list(APPEND BANDALYX_WINEPATH ${windir})
endforeach()

# The build tree's programs find Qt's plugins in its prefix and Qt's Korean texts, which that
# prefix lacks, beside them, as the installed program finds both in its folder.
get_filename_component(qtprefix ${qtbin} DIRECTORY)
if(BANDALYX_QTBASE_KO)
    file(COPY ${BANDALYX_QTBASE_KO} DESTINATION ${CMAKE_BINARY_DIR}/translations)
endif()
file(WRITE ${CMAKE_BINARY_DIR}/qt.conf
     "[Paths]\nPrefix = Z:${qtprefix}\nTranslations = Z:${CMAKE_BINARY_DIR}/translations\n")

configure_file(${PROJECT_SOURCE_DIR}/tests/wine-run.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
