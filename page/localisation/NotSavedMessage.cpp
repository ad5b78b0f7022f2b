#include "page/localisation/NotSavedMessage.h"

#include "page/localisation/Language.h"
#include "page/localisation/LocalisedTexts.h"
#include "resources/page/PageResources.h"
#include "text/Text.h"

namespace tarv {

static const unsigned MessageFormatSize = 512;

// The message of the language at stringBase, first of three (English, French, German), with
// its "%d" and "%s" filled in, under the tab's title.
static void ShowSetMessage(StringTable& strings, MessageBoxSink& owner, int stringBase,
                           unsigned firstString, const long* numbers, unsigned numberCount,
                           const char* text, char* buffer, unsigned size)
{
    char caption[64];
    strings.LoadText((unsigned)(stringBase + IDS_TAB_TITLE), caption, sizeof caption);
    char format[MessageFormatSize];
    LoadLanguageString(strings, stringBase, (int)firstString, format, sizeof format);
    FormatMessageText(buffer, size, format, numbers, numberCount, &text, text ? 1 : 0);
    owner.ShowMessage(buffer, caption, MessageIconError);
}

void ShowNotSavedMessage(StringTable& strings, MessageBoxSink& owner, int stringBase,
                         char* buffer, unsigned size)
{
    ShowSetMessage(strings, owner, stringBase, IDS_NOT_SAVED, 0, 0, 0, buffer, size);
}

void ShowClockNotResetMessage(StringTable& strings, MessageBoxSink& owner, int stringBase,
                              int clock, int limit, char* buffer, unsigned size)
{
    const long numbers[2] = {clock, limit};
    ShowSetMessage(strings, owner, stringBase, IDS_CLOCK_NOT_RESET, numbers, 2, 0, buffer, size);
}

void ShowRateNotValidMessage(StringTable& strings, MessageBoxSink& owner, int stringBase,
                             const char* resolution, char* buffer, unsigned size)
{
    ShowSetMessage(strings, owner, stringBase, IDS_RATE_NOT_VALID, 0, 0, resolution, buffer, size);
}

}  // namespace tarv
