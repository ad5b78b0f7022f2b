# The registry model shared by the page and the installer: flavour, adapter discovery, the
# driver value table, the product settings key and the small value helpers under them.
tarv_core_library(tarv_registry_model
    ${CMAKE_CURRENT_LIST_DIR}/AdapterDiscovery.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DriverValues.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GlideReadKey.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OsFlavor.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PciBinding.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProductSettings.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProgIdOwnership.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RegistryValues.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SwapInterval.cpp)
target_link_libraries(tarv_registry_model PUBLIC tarv_text)
