#include "page/localisation/Language.h"

namespace tarv {

int GetPrimaryLanguage(PlatformQueries& platform)
{
    return platform.GetSystemDefaultLanguage() & 0x3FF;
}

int StringBaseFor(int language)
{
    switch (language & 0xFFFF) {
    case LanguageGerman:
        return GermanStringBase;
    case LanguageFrench:
        return FrenchStringBase;
    }
    return EnglishStringBase;
}

unsigned short NextCycledLanguage(unsigned short language)
{
    switch (language) {
    case LanguageEnglish:
        return LanguageFrench;
    case LanguageFrench:
        return LanguageGerman;
    }
    return LanguageEnglish;
}

int ChooseLanguage(PlatformQueries& platform, bool* cycleRequest, unsigned short* cycledLanguage)
{
    // Asked every time, so the cycle never starts from the system language.
    int language = GetPrimaryLanguage(platform);
    if (*cycleRequest) {
        *cycleRequest = false;
        *cycledLanguage = NextCycledLanguage(*cycledLanguage);
        language = *cycledLanguage;
    }
    return language;
}

}  // namespace tarv
