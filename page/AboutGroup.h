// The About group of the settings page: the version line composed from a module's own file
// version, and the credit message behind the product line.
#pragma once

#include "ui/Dialog.h"

namespace tarv {

// Where a version line comes from: a module's file path and the version words of a file.
class ModuleVersionSource {
public:
    // GetModuleFileNameA of the module; false when the path cannot be had.
    virtual bool GetModulePath(char* buffer, unsigned size) = 0;
    // The fixed file version of the file at path (most and least significant words); false,
    // leaving both untouched, when the file has no version information or it cannot be read.
    virtual bool ReadFileVersion(const char* path, unsigned long* most, unsigned long* least) = 0;

protected:
    ~ModuleVersionSource() {}
};

const unsigned ModulePathSize = 260;
const unsigned VersionLineSize = 64;

// "major.minor" from the most significant version word; least is not shown.
void FormatVersion(char* buffer, unsigned size, unsigned long most, unsigned long least);

// Sets control to prefix + "major.minor" of module's file + suffix (prefix and suffix may be
// null). A file without version information shows "0.0"; without a module path the line is
// empty. The line is cut to 63 characters.
void SetVersionText(ModuleVersionSource& module, Dialog& dialog, int control, const char* prefix,
                    const char* suffix);

// The credit message box, owned by the dialog.
void ShowCreditMessage(Dialog& dialog);

}  // namespace tarv
