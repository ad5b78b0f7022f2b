// Writing a window's texts from the active string set.
#pragma once

#include "platform/StringTable.h"
#include "ui/Dialog.h"

namespace tarv {

// String n of a set goes to control id.
struct LocalisedText {
    int stringNumber;
    int id;
};

// Loads string base + n into buffer (cut to size - 1 characters) and returns buffer.
const char* LoadSetString(StringTable& strings, int base, int n, char* buffer, unsigned size);

// Loads into buffer the string for the language of the set at base from a group that stands
// after the sets, one string per language in set order starting at identifier first.
const char* LoadLanguageString(StringTable& strings, int base, int first, char* buffer,
                               unsigned size);

// Loads each string of texts into buffer and sets it on its control, in order.
void SetLocalisedTexts(StringTable& strings, Dialog& dialog, int base, const LocalisedText* texts,
                       int count, char* buffer, unsigned size);

}  // namespace tarv
