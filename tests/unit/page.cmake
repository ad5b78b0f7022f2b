# The settings page and its About group on the headless dialog and the in-memory registry, and
# the headless window layer itself.
if(NOT TARV_WINDOWS)
    tarv_test(page_tests SOURCES unit/PageTest.cpp unit/PageAboutTest.cpp unit/WindowLayerTest.cpp
        unit/DialogContract.cpp unit/LocalisationTest.cpp unit/RestoreTest.cpp
        LIBS tarv_page tarv_refresh_store tarv_ui_headless tarv_registry_memory)
    target_compile_definitions(page_tests PRIVATE
        TARV_FIXTURES="${CMAKE_SOURCE_DIR}/tests/fixtures"
        TARV_PAGE_RC="${CMAKE_SOURCE_DIR}/resources/page/TarvPage.rc")
endif()

# The window layer and the version reader on real windows under Wine, with the library's
# resources and a test dialog template linked into the test program.
if(TARV_WINDOWS)
    enable_language(RC)
    tarv_test(page_win32_tests SOURCES unit/PageWin32Test.cpp unit/DialogContract.cpp
        unit/LayoutTemplatesTest.cpp unit/WindowLayerTest.rc
        LIBS tarv_ui_win32 tarv_about_win32 tarv_localisation tarv_page_resources comctl32 version)
endif()
