#include "installer/StartupOptions.h"

#include "installer/CommandLine.h"
#include "text/Text.h"

namespace tarv {
namespace installer {

int ChooseStartupLanguage(const char* arguments, unsigned short systemLanguage)
{
    if (!FindOption(arguments, "forcelang")) return PrimaryLanguage(systemLanguage);
    char value[OptionTextSize];
    if (FindOptionValue(arguments, "forcelang", value, sizeof value)) {
        if (TextEqualsNoCase(value, "FRENCH")) return LanguageFrench;
        if (TextEqualsNoCase(value, "GERMAN")) return LanguageGerman;
    }
    return LanguageEnglish;
}

int StringSetBaseForLanguage(int language)
{
    if (language == LanguageGerman) return 70;
    if (language == LanguageFrench) return 35;
    return 0;
}

bool HasAdvancedPanel(const VersionRecord& record)
{
    unsigned long major = (record.buildNumber >> 24) & 0xFF;
    unsigned long minor = (record.buildNumber >> 16) & 0xFF;
    unsigned long build = record.buildNumber & 0xFFFF;
    return major == 4 && minor >= 10 && build >= 1998;
}

void DecideFlavor(bool versionKnown, const VersionRecord& record, InstallerState* state)
{
    state->OsFlavor = FlavorFromVersion(versionKnown, record);
    state->AdvancedPanelAllowed =
        versionKnown && record.platformId != PlatformWin32Nt && HasAdvancedPanel(record);
}

namespace {

struct ForcedFlavor {
    const char* keyword;
    OsFlavor flavor;
    bool advancedPanel;
    bool InstallerState::*flag;
};

const ForcedFlavor ForcedFlavors[] = {
    {"force95", Win9x, false, &InstallerState::Force95},
    {"force98", Win9x, true, &InstallerState::Force98},
    {"forcent4", WinNT4, false, &InstallerState::ForceNT4},
    {"forcent5", WinNT5, false, &InstallerState::ForceNT5},
};

}  // namespace

void ApplyForcedFlavor(const char* arguments, InstallerState* state)
{
    for (const ForcedFlavor& row : ForcedFlavors) {
        if (!FindOption(arguments, row.keyword)) {
            state->*row.flag = false;
            continue;
        }
        state->Force95 = state->Force98 = state->ForceNT4 = state->ForceNT5 = false;
        state->*row.flag = true;
        state->OsFlavor = row.flavor;
        state->AdvancedPanelAllowed = row.advancedPanel;
    }
}

const char* ForcedFlavorKeyword(const InstallerState& state)
{
    for (const ForcedFlavor& row : ForcedFlavors)
        if (state.*row.flag) return row.keyword;
    return 0;
}

void ReadLimits(const char* arguments, InstallerState* state)
{
    char value[OptionTextSize];
    if (FindOptionValue(arguments, "lowerlimit", value, sizeof value))
        state->LowerLimit = ParseLeadingLong(value);
    if (FindOptionValue(arguments, "upperlimit", value, sizeof value))
        state->UpperLimit = ParseLeadingLong(value);
    state->LowerLimit = ClampToRange(state->LowerLimit, LowerLimitRange);
    state->UpperLimit = ClampToRange(state->UpperLimit, UpperLimitRange);
}

}  // namespace installer
}  // namespace tarv
