#include "page/AboutGroup.h"

#include "text/Text.h"

namespace tarv {

void FormatVersion(char* buffer, unsigned size, unsigned long most, unsigned long)
{
    if (!CopyText(buffer, size, "")) return;
    AppendDecimal(buffer, size, (long)(most >> 16));
    AppendText(buffer, size, ".");
    AppendDecimal(buffer, size, (long)(most & 0xFFFF));
}

void SetVersionText(ModuleVersionSource& module, Dialog& dialog, int control, const char* prefix,
                    const char* suffix)
{
    unsigned long most = 0;
    unsigned long least = 0;
    char path[ModulePathSize];
    char line[VersionLineSize];
    line[0] = 0;
    if (module.GetModulePath(path, sizeof path)) {
        module.ReadFileVersion(path, &most, &least);  // no version information shows 0.0
        // The path is no longer needed: it takes the version number.
        FormatVersion(path, sizeof path, most, least);
        if (prefix) AppendText(line, sizeof line, prefix);
        AppendText(line, sizeof line, path);
        if (suffix) AppendText(line, sizeof line, suffix);
    }
    dialog.SetText(control, line);
}

void ShowCreditMessage(Dialog& dialog)
{
    dialog.ShowMessage(
        "Don't be fooled by cheap imitations!\n"
        "Tarvello was written by Ansgar Lindqvist.\n"
        "Greetings to all my friends from the 3dfx newsgroup!",
        "Tarvello", MessageOk);
}

}  // namespace tarv
