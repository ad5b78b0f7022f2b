# The settings page and its About group on the headless dialog and the in-memory registry.
if(NOT TARV_WINDOWS)
    tarv_test(page_tests SOURCES unit/PageTest.cpp unit/PageAboutTest.cpp
        LIBS tarv_page tarv_ui_headless tarv_registry_memory)
endif()

# The window layer and the version reader on real windows under Wine, with the library's
# resources linked into the test program.
if(TARV_WINDOWS)
    tarv_test(page_win32_tests SOURCES unit/PageWin32Test.cpp
        LIBS tarv_ui_win32 tarv_about_win32 tarv_page_resources comctl32 version)
endif()
