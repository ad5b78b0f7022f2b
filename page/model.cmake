# The clock and vsync settings model behind the settings page (no windows).
tarv_core_library(tarv_settings_model ${CMAKE_CURRENT_LIST_DIR}/SettingsModel.cpp)
target_link_libraries(tarv_settings_model PUBLIC tarv_registry_model tarv_text)
