#include "installer/CommandLine.h"

#include "text/Text.h"

namespace tarv {
namespace installer {

static const unsigned MaxKeywordSize = 32;

static char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? (char)(c - 'a' + 'A') : c; }

const char* FindOption(const char* arguments, const char* keyword)
{
    if (!arguments || !keyword) return 0;
    char upper[MaxKeywordSize];
    unsigned i = 0;
    for (; keyword[i] && i + 1 < sizeof upper; ++i) upper[i] = UpperAscii(keyword[i]);
    upper[i] = 0;
    const char* found = FindText(arguments, upper);
    return found ? found : FindText(arguments, keyword);
}

static const char* FindChar(const char* text, char c)
{
    for (; *text; ++text)
        if (*text == c) return text;
    return 0;
}

bool ReadOptionValue(const char* option, char* value, unsigned size)
{
    if (!value || size == 0) return false;
    value[0] = 0;
    if (!option) return false;
    char tail[OptionTextSize];
    CopyText(tail, sizeof tail, option);
    const char* open = FindChar(tail, '(');
    if (!open) return false;
    const char* close = FindChar(open + 1, ')');
    if (!close) return false;
    unsigned length = (unsigned)(close - (open + 1));
    if (length + 1 > size) length = size - 1;
    CopyBytes(value, open + 1, length);
    value[length] = 0;
    return true;
}

static bool IsBlank(char c) { return c == ' ' || c == '\t'; }

const char* SkipProgramName(const char* commandLine)
{
    if (!commandLine) return "";
    const char* p = commandLine;
    if (*p == '"') {
        // A quoted name may hold blanks; a missing closing quote takes the whole line.
        ++p;
        while (*p && *p != '"') ++p;
        if (*p) ++p;
    } else {
        while (*p && !IsBlank(*p)) ++p;
    }
    while (IsBlank(*p)) ++p;
    return p;
}

bool FindOptionValue(const char* arguments, const char* keyword, char* value, unsigned size)
{
    return ReadOptionValue(FindOption(arguments, keyword), value, size);
}

}  // namespace installer
}  // namespace tarv
