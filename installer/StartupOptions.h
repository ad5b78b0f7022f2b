// The start-up decisions that depend only on the argument text and the version record: the
// language of the start-up texts, the flavour and its overrides, and the clock limits.
#pragma once

#include "installer/InstallerState.h"
#include "platform/PlatformQueries.h"

namespace tarv {
namespace installer {

// Primary language identifiers.
const int LanguageEnglish = 9;
const int LanguageFrench = 12;
const int LanguageGerman = 7;

// The primary language of a Windows language identifier: its low 10 bits.
inline int PrimaryLanguage(unsigned short languageId) { return languageId & 0x3FF; }

// The primary language of the start-up texts: forcelang(FRENCH) or forcelang(GERMAN) (value
// compared without case), English for any other value or none; without the option the
// primary language (low 10 bits) of systemLanguage.
int ChooseStartupLanguage(const char* arguments, unsigned short systemLanguage);

// Offset of a language's string set: German 70, French 35, everything else 0.
int StringSetBaseForLanguage(int language);

// True for the Windows 95 family from 4.10.1998 on (the Windows 98 shell), read from the
// family's packed build field: major in the top byte, minor in the next, build below.
bool HasAdvancedPanel(const VersionRecord& record);

// OsFlavor and AdvancedPanelAllowed from the version record; versionKnown false when the
// version query failed.
void DecideFlavor(bool versionKnown, const VersionRecord& record, InstallerState* state);

// force95, force98, forcent4 and forcent5, tested in this order: a present option sets all
// four flags, the flavour and AdvancedPanelAllowed; an absent one clears only its own flag.
void ApplyForcedFlavor(const char* arguments, InstallerState* state);

// The keyword of the flavour this run was forced to (force95, force98, forcent4 or forcent5),
// so a later run can be started the same way; null when none was forced.
const char* ForcedFlavorKeyword(const InstallerState& state);

// lowerlimit and upperlimit; an option without a usable value leaves the current value.
// Then each limit is clamped into its range.
void ReadLimits(const char* arguments, InstallerState* state);

}  // namespace installer
}  // namespace tarv
