# The refresh-rate store against the in-memory registry.
if(NOT TARV_WINDOWS)
    tarv_test(refresh_store_tests SOURCES ${CMAKE_CURRENT_LIST_DIR}/RefreshStoreTest.cpp
        LIBS tarv_refresh_store tarv_registry_memory)
endif()

# The Refresh Rates dialog on the headless dialog, with the registry fixtures of tests/fixtures.
if(NOT TARV_WINDOWS)
    tarv_test(refresh_dialog_tests SOURCES ${CMAKE_CURRENT_LIST_DIR}/RefreshDialogTest.cpp
        LIBS tarv_refresh_dialog tarv_ui_headless tarv_registry_memory)
    target_compile_definitions(refresh_dialog_tests PRIVATE
        TARV_FIXTURES="${CMAKE_SOURCE_DIR}/tests/fixtures"
        TARV_PAGE_RC="${CMAKE_SOURCE_DIR}/resources/page/TarvPage.rc")
endif()
