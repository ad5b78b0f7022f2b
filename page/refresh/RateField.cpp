#include "page/refresh/RateField.h"

#include "page/refresh/RefreshChoice.h"
#include "text/Text.h"

namespace tarv {

// More digits than any rate has; longer numbers are not rates and could overflow.
static const int MaxRateDigits = 9;
static const char HertzUnit[] = "Hz";

static bool IsDigit(char c) { return c >= '0' && c <= '9'; }
static bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// text without the blanks around it, into trimmed (size bytes).
static void CopyTrimmed(char* trimmed, unsigned size, const char* text)
{
    while (IsBlank(*text)) ++text;
    CopyText(trimmed, size, text);
    unsigned length = TextLength(trimmed);
    while (length > 0 && IsBlank(trimmed[length - 1])) trimmed[--length] = 0;
}

// The item at index as the field's choice; no choice when it does not fit the buffer, so that
// nothing of it is trusted.
static void TakeItem(Dialog& dialog, int comboId, int index, RateField* field)
{
    field->index = index;
    if (dialog.ComboGetLBText(comboId, index, field->item, sizeof field->item) != ComboError)
        field->kind = RateField::Item;
}

RateField ReadRateField(Dialog& dialog, int comboId)
{
    RateField field;
    field.kind = RateField::NoChoice;
    field.item[0] = 0;
    field.rate = 0;
    dialog.GetText(comboId, field.text, sizeof field.text);
    // A selection counts while the field shows its item; typed over, the text counts.
    field.index = dialog.ComboGetCurSel(comboId);
    if (field.index != ComboError) {
        TakeItem(dialog, comboId, field.index, &field);
        if (field.kind != RateField::Item || TextEqualsNoCase(field.item, field.text))
            return field;
        field.kind = RateField::NoChoice;
        field.item[0] = 0;
    }
    field.index = ComboError;
    char typed[OfferedRatesSize];
    CopyTrimmed(typed, sizeof typed, field.text);
    if (!typed[0]) return field;
    long number = 0;
    const bool isNumber = ParseTypedNumber(typed, &number);
    if (isNumber) FormatDecimal(typed, sizeof typed, number);  // "85 Hz" is the item "85"
    // The same text as an item (as the system compares them) is that item.
    const int index = dialog.ComboFindStringExact(comboId, -1, typed);
    if (index != ComboError) {
        TakeItem(dialog, comboId, index, &field);
    } else if (isNumber && number >= LowestRate && number <= HighestRate) {
        field.kind = RateField::TypedRate;
        field.rate = number;
    } else {
        field.kind = RateField::NotARate;
    }
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
    if (const char* afterUnit = AfterPrefixNoCase(at, HertzUnit)) at = afterUnit;
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
