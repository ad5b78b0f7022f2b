// The installer's texts: three sets of 35 strings (English from 1, French from 36, German
// from 71). String n of every set serves the same purpose; 28, 34 and 35 of each set are
// reserved and absent. This table is the source of resources/installer/InstallerStrings.rc.
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

struct InstallerString {
    unsigned short number;  // resource number: set offset + n
    const char* text;
};

extern const InstallerString InstallerStringTable[];
extern const unsigned InstallerStringCount;

// The text of a resource number, or null for a reserved or unknown number.
const char* FindInstallerString(unsigned number);

// Where the installer loads its texts from: the string table resource in the program,
// the table above elsewhere.
class InstallerStringSource {
public:
    // Copies string number into buffer, truncated to size; false (and empty) when absent.
    virtual bool LoadInstallerString(unsigned number, char* buffer, unsigned size) = 0;

protected:
    ~InstallerStringSource() {}
};

class BuiltInInstallerStrings : public InstallerStringSource {
public:
    bool LoadInstallerString(unsigned number, char* buffer, unsigned size) override;
};

}  // namespace installer
}  // namespace tarv
