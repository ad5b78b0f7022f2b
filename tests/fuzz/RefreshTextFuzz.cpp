// Fuzzes the two texts of a mode key the dialog reads: the offered-rate list it splits into
// combo items and the stored "RefreshRate" it reads back as a choice, against readings over
// std::string and strtoll.
#include "page/refresh/OfferedRates.h"
#include "page/refresh/RefreshChoice.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace tarv;

namespace {

void Check(bool condition)
{
    if (!condition) std::abort();
}

// The leading number as a 32-bit strtol reads it: saturated at the ends of the range.
long ReferenceNumber(const std::string& text)
{
    size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || (text[at] >= '\t' && text[at] <= '\r'))) ++at;
    size_t digits = at + (at < text.size() && (text[at] == '+' || text[at] == '-'));
    if (digits >= text.size() || !std::isdigit((unsigned char)text[digits])) return 0;
    long long number = std::strtoll(text.c_str() + at, nullptr, 10);
    return number > 2147483647LL ? 2147483647L : number < -2147483648LL ? -2147483647L - 1
                                                                         : (long)number;
}

void CheckSplit(const std::string& list, unsigned itemSize)
{
    OfferedRateItems items = SplitOfferedRates(list.c_str());
    std::string joined;
    bool cut = false;
    unsigned count = 0;
    char item[300];
    std::memset(item, 'X', sizeof item);
    while (items.Next(item, itemSize)) {
        Check(item[itemSize] == 'X');  // nothing written past the buffer
        Check(std::memchr(item, 0, itemSize) != nullptr);
        std::string text = item;
        Check(text.find(',') == std::string::npos);
        if (text.size() == itemSize - 1) cut = true;
        joined += (count++ ? "," : "") + text;
    }
    Check(count == (unsigned)std::count(list.begin(), list.end(), ',') + 1);
    if (!cut) Check(joined == list);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1) return 0;
    // The program sees registry text up to its first zero byte.
    std::string text((const char*)data + 1, size - 1);
    text = text.c_str();
    CheckSplit(text, 1 + data[0] % 128);  // 1..128, the combo item buffer among them

    RefreshChoice choice = ChoiceFromStoredRate(text.c_str());
    long number = ReferenceNumber(text);
    if (text.empty())
        Check(choice.kind == RefreshChoice::Adapter);
    else if (number == 0)
        Check(choice.kind == RefreshChoice::Default);
    else if (number == -1)
        Check(choice.kind == RefreshChoice::Optimal);
    else
        Check(choice.kind == RefreshChoice::Rate && choice.rate == number);

    long written = RateToWrite(number);
    Check((written >= 41 && written <= 179) || written == 60);
    Check(written == number || number < 41 || number > 179);
    char choiceText[16];
    FormatChoiceText(MakeChoice(RefreshChoice::Rate, number), choiceText, sizeof choiceText);
    Check(std::strtol(choiceText, nullptr, 10) == written);
    return 0;
}
