// Which of the three string sets a window shows: the system's default language, or the
// language the hidden gesture stepped to.
#pragma once

#include "platform/PlatformQueries.h"
#include "resources/page/PageResources.h"

namespace tarv {

// Windows primary language identifiers (LANG_...).
const unsigned short LanguageEnglish = 9;
const unsigned short LanguageFrench = 12;
const unsigned short LanguageGerman = 7;

// Offsets of the string sets: string n of the set at base has identifier base + n.
const int EnglishStringBase = 0;
const int FrenchStringBase = IDS_SET_SIZE;
const int GermanStringBase = 2 * IDS_SET_SIZE;

// The system default language without its sublanguage (the low 10 bits).
int GetPrimaryLanguage(PlatformQueries& platform);

// Offset of the string set for a language (low 16 bits compared); every language other than
// French and German gets the English strings.
int StringBaseFor(int language);

// The gesture's cycle: English, French, German, English again.
unsigned short NextCycledLanguage(unsigned short language);

// The language a window shows at its next initialisation or gesture. A pending cycle request
// is consumed and steps cycledLanguage; otherwise the system language rules.
int ChooseLanguage(PlatformQueries& platform, bool* cycleRequest, unsigned short* cycledLanguage);

}  // namespace tarv
