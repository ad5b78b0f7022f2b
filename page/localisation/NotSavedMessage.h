// The messages the page and the Refresh Rates dialog show when a change could not be made:
// the registry refused it (on Windows NT only an administrator may make it), or a rate field
// holds text that is no rate. Each text stands outside the string sets, one per language.
#pragma once

#include "platform/MessageBox.h"
#include "platform/StringTable.h"

namespace tarv {

// Shown by owner in the language of the string set at stringBase; buffer (size bytes) takes
// the loaded texts.
void ShowNotSavedMessage(StringTable& strings, MessageBoxSink& owner, int stringBase,
                         char* buffer, unsigned size);

// The clock stored lies outside the limits and its reset to limit was refused.
void ShowClockNotResetMessage(StringTable& strings, MessageBoxSink& owner, int stringBase,
                              int clock, int limit, char* buffer, unsigned size);

// The field of the resolution labelled resolution ("640x480") holds no rate; nothing was saved.
void ShowRateNotValidMessage(StringTable& strings, MessageBoxSink& owner, int stringBase,
                             const char* resolution, char* buffer, unsigned size);

}  // namespace tarv
