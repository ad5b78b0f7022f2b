// What a mode key's "RefreshRate" holds, how a stored text reads back as a choice, and which
// text a choice is written as.
#pragma once

namespace tarv {

struct RefreshChoice {
    enum Kind {
        Adapter,  // no value: the resolution follows the adapter setting
        Default,  // "0": the adapter's default rate for the resolution
        Optimal,  // "-1"
        Rate      // rate Hz
    };
    Kind kind;
    long rate;  // Rate only
};

inline RefreshChoice MakeChoice(RefreshChoice::Kind kind, long rate = 0)
{
    RefreshChoice choice = {kind, rate};
    return choice;
}

// The adapter-wide policy in the adapter default key, numbered as the dialog's radios.
enum AdapterSetting { DefaultRefreshRate = 1, OptimalRefreshRate = 2 };

// Rates the driver is trusted with; anything else is written as FallbackRate.
const long LowestRate = 41;
const long HighestRate = 179;
const long FallbackRate = 60;

// Empty: Adapter. Otherwise the leading decimal number: 0 (also any text that does not start
// with a number) Default, -1 Optimal, anything else a Rate. A Rate is shown by the stored
// text itself, not by its number.
RefreshChoice ChoiceFromStoredRate(const char* storedRate);

long RateToWrite(long rate);

// The "RefreshRate" text of a choice; empty for Adapter, which deletes the value instead.
void FormatChoiceText(RefreshChoice choice, char* text, unsigned size);

// "0" for the default refresh rate, "-1" for the optimal one.
const char* AdapterSettingText(AdapterSetting setting);
// The setting a "RefreshRate" text stands for: optimal only when it is exactly "-1".
AdapterSetting AdapterSettingFromText(const char* text);

}  // namespace tarv
