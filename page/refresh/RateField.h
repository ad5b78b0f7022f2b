// What a rate field holds when the Refresh Rates dialog saves. The fields are drop-down combo
// boxes with an edit field: the user picks an item of the list or types over the field, and
// typing leaves the list with no selection (or, with the list open, selects the first item
// that begins with what was typed), so the field's text decides.
#pragma once

#include "page/refresh/ModeTable.h"
#include "ui/Dialog.h"

namespace tarv {

struct RateField {
    enum Kind {
        Item,       // an item of the list: selected and shown, or typed with its text (case and
                    // blanks around ignored, a rate also with "Hz")
        TypedRate,  // a rate from LowestRate to HighestRate typed into the field
        NoChoice,   // nothing selected and the field empty
        NotARate    // any other text
    };
    Kind kind;
    int index;                    // Item: its place in the list
    char item[OfferedRatesSize];  // Item: its text
    long rate;                    // TypedRate
    char text[OfferedRatesSize];  // the field's text as shown
};

RateField ReadRateField(Dialog& dialog, int comboId);

// A number alone (decimal digits, blanks around them allowed, "Hz" after them in any case)
// into *number; false for any other text, also for one too long to be a rate.
bool ParseTypedNumber(const char* text, long* number);

// Whether an item is a rate as a driver lists it: the plain decimal text of a positive number
// that fits a stored-rate field. Such an item is saved as it is.
bool IsListedRate(const char* item);

}  // namespace tarv
