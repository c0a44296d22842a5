# The Windows program under Wine (build/wine-run), driven through Wine's X11 windows with the
# Linux build's xwin. Included by tests/CMakeLists.txt; every test skips (77) without Xvfb.
set(launcher ENVIRONMENT BANDALYX_LAUNCHER=${CMAKE_BINARY_DIR}/wine-run)

# Wine makes its prefix on first use, which takes longer than any test waits for a window: the
# prefix is made first, as a fixture every test under Wine requires.
add_test(NAME wine_prefix COMMAND ${CMAKE_BINARY_DIR}/wine-run wineboot -u)
set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wineprefix TIMEOUT 300)

# The same real-window check as on Linux, on the `windows` platform: the windows, Alt+H, the
# About box, closing, and the placement under openbox. Keys reach a window as a user's do,
# through Wine's foreground window, which all the programs of a prefix share: the test programs'
# windows would take it, so the real window has a prefix of its own.
set(window BANDALYX_WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix-window)
add_test(NAME wine_prefix_window COMMAND ${CMAKE_BINARY_DIR}/wine-run wineboot -u)
set_tests_properties(wine_prefix_window PROPERTIES ENVIRONMENT "${window}"
    FIXTURES_SETUP wineprefix_window TIMEOUT 300)
add_test(NAME smoke_real_window
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/smoke_xvfb.sh
        $<TARGET_FILE:bandalyx> ${BANDALYX_HOST_XWIN} ${CMAKE_BINARY_DIR}/screenshots)
# The reader keeps its window at 425 x 270 there, as on Windows in the layout's font.
set_tests_properties(smoke_real_window PROPERTIES ENVIRONMENT
    "BANDALYX_LAUNCHER=${CMAKE_BINARY_DIR}/wine-run;${window};BANDALYX_MAIN_SIZE=425 by 270"
    TIMEOUT 300 SKIP_RETURN_CODE 77 FIXTURES_REQUIRED wineprefix_window)

# Korean Windows as it is: in a Korean locale Windows names its fonts in Korean. The real window
# again, with its screenshots in screenshots/ko_KR, and the font the test program takes with the
# room its texts get; in a prefix of their own, for Wine rewrites a prefix's font settings for
# the locale it runs in.
set(korean LANG=ko_KR.UTF-8 LC_ALL=ko_KR.UTF-8 BANDALYX_WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix-ko)
add_test(NAME wine_prefix_ko_KR COMMAND ${CMAKE_BINARY_DIR}/wine-run wineboot -u)
set_tests_properties(wine_prefix_ko_KR PROPERTIES ENVIRONMENT "${korean}"
    FIXTURES_SETUP wineprefix_ko TIMEOUT 300)
add_test(NAME smoke_real_window_ko_KR
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/smoke_xvfb.sh
        $<TARGET_FILE:bandalyx> ${BANDALYX_HOST_XWIN} ${CMAKE_BINARY_DIR}/screenshots/ko_KR)
set_tests_properties(smoke_real_window_ko_KR PROPERTIES ENVIRONMENT
    "${korean};BANDALYX_LAUNCHER=${CMAKE_BINARY_DIR}/wine-run;BANDALYX_MAIN_SIZE=425 by 270"
    TIMEOUT 300 SKIP_RETURN_CODE 77 FIXTURES_REQUIRED wineprefix_ko)
add_test(NAME font_ko_KR COMMAND tst_frmmain dialogFont textsAreWhole)
set_tests_properties(font_ko_KR PROPERTIES ENVIRONMENT "${korean};QT_QPA_PLATFORM=windows"
    FIXTURES_REQUIRED wineprefix_ko)
# Both show windows in the Korean prefix, whose foreground window is one: one at a time.
set_tests_properties(smoke_real_window_ko_KR font_ko_KR PROPERTIES RESOURCE_LOCK wineprefix_ko)

# On the windows platform under Wine an event costs many times what it costs on Linux: a tenth
# of the random sequence here, the logic being the same program's that the Linux run checks in
# full.
set_property(TEST tst_sequences APPEND PROPERTY ENVIRONMENT BANDALYX_EVENTS=2000)

add_test(NAME command_line COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/cmdline.sh $<TARGET_FILE:bandalyx>)
set_tests_properties(command_line PROPERTIES ${launcher} TIMEOUT 300 FIXTURES_REQUIRED wineprefix)

# The installer as a user runs it: silent install, the installed program started with no
# display variable in its Windows environment, and the uninstaller leaving nothing behind.
add_test(NAME installer
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/installer_wine.sh ${CMAKE_BINARY_DIR}
        ${BANDALYX_HOST_XWIN} ${BANDALYX_WINE})
set_tests_properties(installer PROPERTIES TIMEOUT 600 SKIP_RETURN_CODE 77)

# The version record, the icon and the manifest as compiled into bandalyx.exe; a GUI program.
add_test(NAME rc_compiles COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/rc_compiles.sh $<TARGET_FILE:bandalyx>)
set_tests_properties(rc_compiles PROPERTIES SKIP_RETURN_CODE 77)
