#include "page/localisation/NotSavedMessage.h"

#include "page/localisation/Language.h"
#include "resources/page/PageResources.h"

namespace tarv {

void ShowNotSavedMessage(StringTable& strings, MessageBoxSink& owner, int stringBase,
                         char* buffer, unsigned size)
{
    // The text stands outside the sets, one string per language in set order.
    char caption[64];
    strings.LoadText((unsigned)(stringBase + IDS_TAB_TITLE), caption, sizeof caption);
    strings.LoadText((unsigned)(IDS_NOT_SAVED + stringBase / IDS_SET_SIZE), buffer, size);
    owner.ShowMessage(buffer, caption, MessageIconError);
}

}  // namespace tarv
