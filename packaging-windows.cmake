# The Windows program as users receive it: one folder holding bandalyx.exe, the Qt libraries and
# plugins it loads, the MinGW runtime and Qt's Korean texts, packed as a 64-bit NSIS installer
# and as a portable zip. Included by packaging.cmake.

# Qt's libraries, and the plugins Qt looks for in folders beside the program (qt.conf).
install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
        DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
install(FILES resources/windows/qt.conf DESTINATION .)

# The compiler's runtime, which the program and Qt link dynamically.
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}")
        find_file(path ${dll} PATHS /usr/${BANDALYX_MINGW}/lib NO_CACHE REQUIRED)
    endif()
    # Debian's copies carry debugging information, three quarters of libstdc++'s 24 MB.
    set(stripped ${CMAKE_BINARY_DIR}/runtime/${dll})
    configure_file(${path} ${stripped} COPYONLY)
    execute_process(COMMAND ${CMAKE_STRIP} --strip-unneeded ${stripped} COMMAND_ERROR_IS_FATAL ANY)
    install(FILES ${stripped} DESTINATION .)
endforeach()

# Qt's own texts (context menus, message-box buttons) in Korean.
if(BANDALYX_QTBASE_KO)
    install(FILES ${BANDALYX_QTBASE_KO} DESTINATION translations)
endif()

set(CPACK_GENERATOR NSIS ZIP)
# Values reach CPack as written, quotes and backslashes of NSIS commands included.
set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_PACKAGE_FILE_NAME bandalyx-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Bandalyx)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Bandalyx)
# Start menu: "Bandalyx", starting bandalyx.exe from the installation folder.
set(CPACK_PACKAGE_EXECUTABLES bandalyx Bandalyx)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
# A 64-bit installer into the 64-bit Program Files; NSIS makes a 32-bit one unless told.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_PACKAGE_NAME Bandalyx)
set(CPACK_NSIS_DISPLAY_NAME Bandalyx)
set(CPACK_NSIS_INSTALLED_ICON_NAME bandalyx.exe)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/resources/bandalyx.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/resources/bandalyx.ico)
set(CPACK_NSIS_URL_INFO_ABOUT ${CPACK_PACKAGE_HOMEPAGE_URL})
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# The licence page shows the program's own terms, in Korean, as packaging/copyright states them
# (UTF-8 with a byte-order mark, which NSIS needs to read it as such), not CPack's placeholder;
# the last page offers to start the program.
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/packaging/licence.ko.txt)
set(CPACK_NSIS_MUI_FINISHPAGE_RUN bandalyx.exe)
set(CPACK_NSIS_MODIFY_PATH OFF)
# CPack's uninstaller removes Software\<vendor>\Bandalyx but leaves the vendor's key, empty;
# these run before it, so they take the program's key first.
set(vendorKey "Software\\${CPACK_PACKAGE_VENDOR}")
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS
    "DeleteRegKey SHCTX \"${vendorKey}\\${CPACK_PACKAGE_INSTALL_REGISTRY_KEY}\""
    "DeleteRegKey /ifempty SHCTX \"${vendorKey}\"")
string(JOIN "\n" CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS ${CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS})
include(CPack)
