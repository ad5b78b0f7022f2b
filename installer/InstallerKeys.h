// The registry keys that make up an installation. Paths are exact, letter case included.
#pragma once

#include "registry/ProductSettings.h"

namespace tarv {
namespace installer {

// HKEY_LOCAL_MACHINE
const char* const ProductKeyPath = ProductSettingsKey;  // "Software\Tarvello"
const char DisplayHandlerKeyPath[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Controls Folder\\Display\\Shellex\\"
    "PropertySheetHandlers\\Tarvello";
const char DeviceHandlerKeyPath[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Controls Folder\\Device\\Shellex\\"
    "PropertySheetHandlers\\Tarvello";

// The page library's COM class; HKEY_CLASSES_ROOT.
const char ClassIdText[] = "{7D2E41C6-3A5F-4B10-9C84-2F61A0D9E375}";
const char ClassKeyPath[] = "CLSID\\{7D2E41C6-3A5F-4B10-9C84-2F61A0D9E375}";
const char ServerKeyPath[] = "CLSID\\{7D2E41C6-3A5F-4B10-9C84-2F61A0D9E375}\\InProcServer32";

// Class strings given to the keys the installer creates.
const char* const InstallKeyClass = ProductName;  // "Tarvello"
const char ServerKeyClass[] = "Tarvellus";

}  // namespace installer
}  // namespace tarv
