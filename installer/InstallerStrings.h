// The numbers of the installer's texts, whose words live in resources/installer/
// InstallerStrings.rc: three sets of 35 strings (English from 1, French from 36, German from
// 71). String n of every set serves the same purpose; 28, 34 and 35 of each set are reserved
// and absent. The installer loads them through the StringTable interface.
#pragma once

namespace tarv {
namespace installer {

const int StringsPerSet = 35;

// Relative numbers (n of the current set) that the installer uses.
enum InstallerStringId {
    StrClassName = 1,
    StrWindowTitle = 2,
    StrModelTitle = 3,
    StrModelGroup = 4,
    StrModel6000 = 5,
    StrModel5500 = 6,
    StrModel5000 = 7,
    StrDoNotInstall = 8,
    StrOptionGroup = 9,
    StrAdvancedPanel = 10,
    StrVersionPrefix = 11,
    StrVersionSuffix = 12,
    StrOk = 13,
    StrCancel = 14,
    StrNoModelCaption = 15,
    StrNoModelText = 16,
    StrLibraryName = 17,
    StrLibraryNotFound = 18,
    StrInstalledTitle = 19,
    StrInstalledLine1 = 20,
    StrInstalledLine2 = 21,
    StrInstallIncomplete = 22,  // in place of the installed dialog when a key was refused
    StrRemovalIncomplete = 23,  // in place of the removed dialog when removal stopped
    StrMaintenanceTitle = 24,
    StrMaintenanceLine1 = 25,
    StrMaintenanceLine2 = 26,
    StrMaintenanceLine3 = 27,
    StrReinstall = 29,
    StrRemove = 30,
    StrRemovedTitle = 31,
    StrRemovedLine1 = 32,
    StrRemovedLine2 = 33
};

}  // namespace installer
}  // namespace tarv
