# The settings page and its About group on the headless dialog and the in-memory registry.
if(TARGET tarv_registry_memory AND TARGET tarv_ui_headless)
    tarv_test(page_tests SOURCES unit/PageTest.cpp unit/PageAboutTest.cpp
        LIBS tarv_page tarv_ui_headless tarv_registry_memory)
endif()
