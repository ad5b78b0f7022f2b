#include "installer/dialogs/DialogTexts.h"

#include "installer/InstallerState.h"
#include "installer/StartupOptions.h"
#include "installer/dialogs/DialogState.h"

namespace tarv {
namespace installer {

int NextCycleLanguage(int language)
{
    if (language == LanguageEnglish) return LanguageFrench;
    if (language == LanguageFrench) return LanguageGerman;
    return LanguageEnglish;
}

void ChooseDialogStringSet(PlatformQueries& platform)
{
    int language = PrimaryLanguage(platform.GetSystemDefaultLanguage());
    if (DialogState.LanguageCycleRequested) {
        DialogState.LanguageCycleRequested = false;
        DialogState.LanguageCycle = NextCycleLanguage(DialogState.LanguageCycle);
        language = DialogState.LanguageCycle;
    }
    Installer.StringSetBase = StringSetBaseForLanguage(language);
}

void LoadSetString(StringTable& strings, int n, char* buffer)
{
    strings.LoadText((unsigned)(Installer.StringSetBase + n), buffer, DialogTextSize);
}

void SetDialogTexts(StringTable& strings, Dialog& dialog, int titleString,
                    const ControlText* texts, unsigned count)
{
    char text[DialogTextSize];
    LoadSetString(strings, titleString, text);
    dialog.SetCaption(text);
    for (unsigned i = 0; i < count; ++i) {
        LoadSetString(strings, texts[i].string, text);
        dialog.SetText(texts[i].control, text);
    }
}

void ShowSetMessage(StringTable& strings, MessageBoxSink& owner, int textString,
                    int captionString, unsigned style)
{
    char text[DialogTextSize];
    char caption[DialogTextSize];
    LoadSetString(strings, textString, text);
    LoadSetString(strings, captionString, caption);
    owner.ShowMessage(text, caption, style);
}

}  // namespace installer
}  // namespace tarv
