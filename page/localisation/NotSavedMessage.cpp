#include "page/localisation/NotSavedMessage.h"

#include "page/localisation/Language.h"
#include "page/localisation/LocalisedTexts.h"
#include "resources/page/PageResources.h"

namespace tarv {

void ShowNotSavedMessage(StringTable& strings, MessageBoxSink& owner, int stringBase,
                         char* buffer, unsigned size)
{
    char caption[64];
    strings.LoadText((unsigned)(stringBase + IDS_TAB_TITLE), caption, sizeof caption);
    owner.ShowMessage(LoadLanguageString(strings, stringBase, IDS_NOT_SAVED, buffer, size), caption,
                      MessageIconError);
}

}  // namespace tarv
