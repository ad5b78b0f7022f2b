#include "text/Text.h"

namespace tarv {

unsigned TextLength(const char* text)
{
    unsigned n = 0;
    if (text)
        while (text[n]) ++n;
    return n;
}

bool CopyText(char* dst, unsigned size, const char* src)
{
    if (!dst || size == 0) return false;
    dst[0] = 0;
    return AppendText(dst, size, src);
}

bool AppendText(char* dst, unsigned size, const char* src)
{
    if (!dst || size == 0) return false;
    unsigned at = 0;
    while (at < size && dst[at]) ++at;
    if (at == size) {  // not terminated within its buffer: terminate at the end
        dst[size - 1] = 0;
        return false;
    }
    if (!src) return true;
    while (*src && at + 1 < size) dst[at++] = *src++;
    dst[at] = 0;
    return *src == 0;
}

static bool FormatPadded(char* dst, unsigned size, long value, unsigned minDigits)
{
    char digits[24];
    unsigned count = 0;
    // Work in unsigned so that the most negative long has a magnitude too.
    unsigned long magnitude = value < 0 ? 0UL - (unsigned long)value : (unsigned long)value;
    do {
        digits[count++] = (char)('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude);
    while (count < minDigits && count < sizeof digits) digits[count++] = '0';

    char text[26];
    unsigned at = 0;
    if (value < 0) text[at++] = '-';
    while (count) text[at++] = digits[--count];
    text[at] = 0;
    return CopyText(dst, size, text);
}

bool FormatDecimal(char* dst, unsigned size, long value) { return FormatPadded(dst, size, value, 1); }

bool FormatDecimal4(char* dst, unsigned size, long value) { return FormatPadded(dst, size, value, 4); }

bool AppendDecimal(char* dst, unsigned size, long value)
{
    char number[26];
    FormatDecimal(number, sizeof number, value);
    return AppendText(dst, size, number);
}

bool FormatMessageText(char* dst, unsigned size, const char* format, const long* numbers,
                       unsigned numberCount, const char* const* texts, unsigned textCount)
{
    if (!dst || size == 0) return false;
    dst[0] = 0;
    unsigned used = 0;  // bytes of dst in use, terminator excluded
    unsigned numbersUsed = 0, textsUsed = 0;
    bool whole = true;
    for (const char* at = format; at && *at; ++at) {
        if (at[0] == '%' && at[1] == 'd' && numbersUsed < numberCount) {
            whole = AppendDecimal(dst + used, size - used, numbers[numbersUsed++]) && whole;
        } else if (at[0] == '%' && at[1] == 's' && textsUsed < textCount) {
            whole = AppendText(dst + used, size - used, texts[textsUsed++]) && whole;
        } else if (used + 1 < size) {
            dst[used++] = *at;
            dst[used] = 0;
            continue;
        } else {
            whole = false;
            continue;
        }
        ++at;  // past the conversion's letter
        used += TextLength(dst + used);
    }
    return whole;
}

static bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

long ParseLeadingLongN(const char* text, unsigned length)
{
    if (!text) return 0;
    unsigned at = 0;
    while (at < length && text[at] && IsSpace(text[at])) ++at;
    bool negative = false;
    if (at < length && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    const unsigned long limit = negative ? 2147483648UL : 2147483647UL;
    unsigned long magnitude = 0;
    while (at < length && text[at] >= '0' && text[at] <= '9') {
        unsigned long digit = (unsigned long)(text[at++] - '0');
        // strtol saturates at LONG_MIN / LONG_MAX; check before multiplying, since long is
        // only 32 bits wide on Windows.
        magnitude = magnitude > (limit - digit) / 10 ? limit : magnitude * 10 + digit;
    }
    if (negative) return magnitude == 2147483648UL ? (-2147483647L - 1) : -(long)magnitude;
    return (long)magnitude;
}

long ParseLeadingLong(const char* text) { return ParseLeadingLongN(text, 0xFFFFFFFFu); }

bool TextEquals(const char* a, const char* b)
{
    if (!a || !b) return a == b;
    while (*a && *a == *b) ++a, ++b;
    return *a == *b;
}

static char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? (char)(c - 'A' + 'a') : c; }

bool TextEqualsNoCase(const char* a, const char* b)
{
    if (!a || !b) return a == b;
    while (*a && LowerAscii(*a) == LowerAscii(*b)) ++a, ++b;
    return LowerAscii(*a) == LowerAscii(*b);
}

const char* AfterPrefixNoCase(const char* text, const char* prefix)
{
    if (!text || !prefix) return 0;
    for (; *prefix; ++text, ++prefix)
        if (LowerAscii(*text) != LowerAscii(*prefix)) return 0;
    return text;
}

const char* FindText(const char* haystack, const char* needle)
{
    if (!haystack || !needle) return 0;
    if (!*needle) return haystack;
    for (; *haystack; ++haystack) {
        unsigned i = 0;
        while (needle[i] && haystack[i] == needle[i]) ++i;
        if (!needle[i]) return haystack;
    }
    return 0;
}

void FillBytes(void* dst, unsigned char value, unsigned count)
{
    unsigned char* p = (unsigned char*)dst;
    while (count--) *p++ = value;
}

void CopyBytes(void* dst, const void* src, unsigned count)
{
    unsigned char* d = (unsigned char*)dst;
    const unsigned char* s = (const unsigned char*)src;
    while (count--) *d++ = *s++;
}

}  // namespace tarv
