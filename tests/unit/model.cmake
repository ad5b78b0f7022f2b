# Registry model and settings model tests. The driver value table and the COM registration
# facts need no registry and also run under Wine; the rest run natively against the in-memory
# registry.
tarv_test(driver_values_tests SOURCES ${CMAKE_CURRENT_LIST_DIR}/DriverValuesTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ComRegistrationTest.cpp
    LIBS tarv_registry_model)
if(NOT TARV_WINDOWS)
    tarv_test(registry_model_tests SOURCES ${CMAKE_CURRENT_LIST_DIR}/RegistryModelTest.cpp
        LIBS tarv_registry_model tarv_registry_memory)
    target_compile_definitions(registry_model_tests PRIVATE
        TARV_FIXTURE_DIR="${CMAKE_SOURCE_DIR}/tests/fixtures")
    tarv_test(settings_model_tests SOURCES ${CMAKE_CURRENT_LIST_DIR}/SettingsModelTest.cpp
        LIBS tarv_settings_model tarv_registry_memory)
endif()
