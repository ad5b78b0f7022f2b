// Core, the lowest room: bounded single-byte text helpers; its arrows go nowhere.
// Product code has no C library, so these stand in for
// strcpy, strcat, sprintf("%d") and strtol; every writer is told its buffer size and always
// leaves a terminated string that fits.
#pragma once

namespace tarv {

unsigned TextLength(const char* text);

// Copies src into dst (size bytes), truncating; returns false when src was cut.
bool CopyText(char* dst, unsigned size, const char* src);
// Appends src to the text already in dst; returns false when anything was cut.
bool AppendText(char* dst, unsigned size, const char* src);
// Writes value as decimal text ("%d": optional minus sign, no leading zeros).
bool FormatDecimal(char* dst, unsigned size, long value);
// Writes value as decimal text zero-padded to at least four digits ("%4.4i").
bool FormatDecimal4(char* dst, unsigned size, long value);
// Appends value as decimal text.
bool AppendDecimal(char* dst, unsigned size, long value);
// Copies format into dst with each "%d" replaced by the next of the numbers and each "%s" by
// the next of the texts, as sprintf would; one past the last of its kind stays as written.
bool FormatMessageText(char* dst, unsigned size, const char* format, const long* numbers,
                       unsigned numberCount, const char* const* texts, unsigned textCount);

// Reads a leading decimal number like strtol(text, 0, 10): white space skipped, one optional
// sign, digits up to the first other character; no digits gives 0. Saturates instead of
// overflowing.
long ParseLeadingLong(const char* text);
// The same over at most length bytes (the text need not be terminated).
long ParseLeadingLongN(const char* text, unsigned length);

bool TextEquals(const char* a, const char* b);
// Compares ignoring ASCII letter case.
bool TextEqualsNoCase(const char* a, const char* b);
// The rest of text after prefix when text starts with it (ASCII letter case ignored), or null.
const char* AfterPrefixNoCase(const char* text, const char* prefix);
// The first occurrence of needle in haystack, compared byte for byte; null when absent.
const char* FindText(const char* haystack, const char* needle);

void FillBytes(void* dst, unsigned char value, unsigned count);
void CopyBytes(void* dst, const void* src, unsigned count);

}  // namespace tarv
