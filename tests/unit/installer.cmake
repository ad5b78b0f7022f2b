# The installer core: natively against the in-memory registry; under Wine the shared
# registration scenarios against advapi32 and the compiled string table. Both read the
# installer's texts from its resource script.
if(NOT TARV_WINDOWS)
    tarv_test(installer_tests
        SOURCES unit/InstallerStartupTest.cpp unit/InstallerRegistrationTest.cpp
                unit/InstallerStringsTest.cpp unit/InstallerScenarios.cpp
        LIBS tarv_installer tarv_server_logic tarv_registry_memory tarv_registry_model tarv_text)
    target_compile_definitions(installer_tests PRIVATE TARV_INSTALLER_RC="${TARV_INSTALLER_RC}")

    tarv_test(installer_dialog_tests
        SOURCES unit/InstallerDialogsTest.cpp
        LIBS tarv_installer_dialogs tarv_ui_headless tarv_registry_memory)
    target_compile_definitions(installer_dialog_tests PRIVATE
        TARV_INSTALLER_RC="${TARV_INSTALLER_RC}")
endif()

if(TARV_WINDOWS)
    tarv_test(installer_win32_tests
        SOURCES unit/InstallerWin32Test.cpp unit/InstallerScenarios.cpp
        LIBS tarv_installer tarv_registry_win32 tarv_registry_model tarv_text
             tarv_installer_resources)
    target_compile_definitions(installer_win32_tests PRIVATE
        TARV_INSTALLER_RC="${TARV_INSTALLER_RC}")

    # The compiled resources as the resource loader sees them.
    tarv_test(installer_resources_win32_tests
        SOURCES unit/InstallerResourcesWin32Test.cpp
        LIBS tarv_installer_resources version)
endif()
