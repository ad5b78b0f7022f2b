// The one message the page and the Refresh Rates dialog show when the registry refused a
// change: nothing of it is saved, and on Windows NT an administrator must make it.
#pragma once

#include "platform/MessageBox.h"
#include "platform/StringTable.h"

namespace tarv {

// Shown by owner in the language of the string set at stringBase; buffer (size bytes) takes
// the loaded texts.
void ShowNotSavedMessage(StringTable& strings, MessageBoxSink& owner, int stringBase,
                         char* buffer, unsigned size);

}  // namespace tarv
