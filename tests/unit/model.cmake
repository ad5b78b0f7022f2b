# Registry model and settings model tests. The driver value table needs no registry and also
# runs under Wine; the rest run natively against the in-memory registry.
tarv_test(driver_values_tests SOURCES ${CMAKE_CURRENT_LIST_DIR}/DriverValuesTest.cpp
    LIBS tarv_registry_model)
if(NOT TARV_WINDOWS)
    tarv_test(registry_model_tests SOURCES ${CMAKE_CURRENT_LIST_DIR}/RegistryModelTest.cpp
        LIBS tarv_registry_model tarv_registry_memory)
    tarv_test(settings_model_tests SOURCES ${CMAKE_CURRENT_LIST_DIR}/SettingsModelTest.cpp
        LIBS tarv_settings_model tarv_registry_memory)
endif()
