# Every registry call of the page, the Refresh Rates dialog and the installer failing in turn,
# on the in-memory registry.
if(NOT TARV_WINDOWS)
    tarv_test(failure_injection_tests SOURCES unit/FailureInjectionTest.cpp
        LIBS tarv_page tarv_refresh_dialog tarv_ui_headless tarv_installer tarv_registry_memory
             tarv_registry_model)
    target_compile_definitions(failure_injection_tests PRIVATE
        TARV_PAGE_RC="${CMAKE_SOURCE_DIR}/resources/page/TarvPage.rc")
endif()
