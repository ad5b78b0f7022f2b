# The refresh-rate store against the in-memory registry.
if(NOT TARV_WINDOWS)
    tarv_test(refresh_store_tests SOURCES ${CMAKE_CURRENT_LIST_DIR}/RefreshStoreTest.cpp
        LIBS tarv_refresh_store tarv_registry_memory)
endif()
