#include "page/refresh/RefreshChoice.h"

#include "text/Text.h"

namespace tarv {

static const char DefaultText[] = "0";
static const char OptimalText[] = "-1";

RefreshChoice ChoiceFromStoredRate(const char* storedRate)
{
    if (!storedRate || !storedRate[0]) return MakeChoice(RefreshChoice::Adapter);
    long number = ParseLeadingLong(storedRate);
    if (number == 0) return MakeChoice(RefreshChoice::Default);
    if (number == -1) return MakeChoice(RefreshChoice::Optimal);
    return MakeChoice(RefreshChoice::Rate, number);
}

long RateToWrite(long rate)
{
    return rate >= LowestRate && rate <= HighestRate ? rate : FallbackRate;
}

void FormatChoiceText(RefreshChoice choice, char* text, unsigned size)
{
    switch (choice.kind) {
    case RefreshChoice::Default:
        CopyText(text, size, DefaultText);
        break;
    case RefreshChoice::Optimal:
        CopyText(text, size, OptimalText);
        break;
    case RefreshChoice::Rate:
        FormatDecimal(text, size, RateToWrite(choice.rate));
        break;
    default:  // Adapter is a deleted value, not a text
        CopyText(text, size, "");
        break;
    }
}

const char* AdapterSettingText(AdapterSetting setting)
{
    return setting == OptimalRefreshRate ? OptimalText : DefaultText;
}

AdapterSetting AdapterSettingFromText(const char* text)
{
    return TextEquals(text, OptimalText) ? OptimalRefreshRate : DefaultRefreshRate;
}

}  // namespace tarv
