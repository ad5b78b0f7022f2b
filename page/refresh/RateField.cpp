#include "page/refresh/RateField.h"

#include "page/refresh/RefreshChoice.h"

namespace tarv {

// More digits than any rate has; longer numbers are not rates and could overflow.
static const int MaxRateDigits = 9;

static bool IsDigit(char c) { return c >= '0' && c <= '9'; }
static bool IsBlank(char c) { return c == ' ' || c == '\t'; }

RateField ReadRateField(Dialog& dialog, int comboId)
{
    RateField field;
    field.kind = RateField::NoChoice;
    field.index = dialog.ComboGetCurSel(comboId);
    field.item[0] = 0;
    field.rate = 0;
    if (field.index == ComboError) {
        // Typed over: the same text as an item (as the system compares them) is that item.
        char typed[OfferedRatesSize];
        dialog.GetText(comboId, typed, sizeof typed);
        if (!typed[0]) return field;
        field.index = dialog.ComboFindStringExact(comboId, -1, typed);
        if (field.index == ComboError) {
            long number;
            if (ParseTypedNumber(typed, &number) && number >= LowestRate && number <= HighestRate) {
                field.kind = RateField::TypedRate;
                field.rate = number;
            }
            return field;
        }
    }
    // An item too long for the buffer is no choice: nothing of it is trusted.
    if (dialog.ComboGetLBText(comboId, field.index, field.item, sizeof field.item) != ComboError)
        field.kind = RateField::Item;
    return field;
}

bool ParseTypedNumber(const char* text, long* number)
{
    const char* at = text;
    while (IsBlank(*at)) ++at;
    long value = 0;
    int digits = 0;
    for (; IsDigit(*at); ++at) {
        if (++digits > MaxRateDigits) return false;
        value = value * 10 + (*at - '0');
    }
    while (IsBlank(*at)) ++at;
    if (digits == 0 || *at) return false;
    *number = value;
    return true;
}

bool IsListedRate(const char* item)
{
    unsigned length = 0;
    for (; item[length]; ++length)
        if (!IsDigit(item[length])) return false;
    return length > 0 && length < StoredRateSize && item[0] != '0';
}

}  // namespace tarv
