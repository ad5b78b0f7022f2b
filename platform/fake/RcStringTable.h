// A resource script's STRINGTABLE read into a fake string table, in the ANSI code page (Windows
// 1252) as LoadStringA returns the texts, so native code runs on the texts that ship.
#pragma once

#include "platform/fake/FakeStringTable.h"

#include <fstream>
#include <string>

namespace tarv {

// The script is UTF-8; every text of the product lies within Latin-1, which 1252 shares. False
// for a character outside it.
inline bool Utf8ToCp1252(const std::string& text, std::string* out)
{
    out->clear();
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = (unsigned char)text[i];
        if (c < 0x80)
            *out += (char)c;
        else if ((c & 0xE0) == 0xC0 && i + 1 < text.size() && c <= 0xC3)
            *out += (char)(((c & 0x1F) << 6) | ((unsigned char)text[++i] & 0x3F));
        else
            return false;
    }
    return true;
}

// The text of a quoted resource-script string as the resource compiler stores it: \n and \t
// stand for a line break and a tab, a doubled backslash for one backslash and "" for a quote.
// False for any other escape.
inline bool UnescapeRcText(const std::string& quoted, std::string* out)
{
    out->clear();
    for (size_t i = 0; i < quoted.size(); ++i) {
        const char c = quoted[i];
        if (c == '"' && i + 1 < quoted.size() && quoted[i + 1] == '"') {
            *out += '"';
            ++i;
        } else if (c != '\\') {
            *out += c;
        } else if (i + 1 == quoted.size()) {
            return false;
        } else {
            const char e = quoted[++i];
            if (e == 'n') *out += '\n';
            else if (e == 't') *out += '\t';
            else if (e == '\\') *out += e;
            else return false;
        }
    }
    return true;
}

// Lines of the form   <number>[,]   "<text>"   between STRINGTABLE's BEGIN and END. Returns
// the first problem found (a script that does not open, an escape the resource compiler does
// not know, a text outside Latin-1), or "" when the whole table was read.
inline std::string ReadRcStringTable(const char* path, FakeStringTable* table)
{
    std::ifstream file(path);
    if (!file.good()) return std::string("cannot open ") + path;
    std::string line;
    bool inTable = false;
    while (std::getline(file, line)) {
        if (line.rfind("STRINGTABLE", 0) == 0) inTable = true;
        if (!inTable) continue;
        if (line == "END") break;
        const size_t digits = line.find_first_of("0123456789");
        const size_t open = line.find('"');
        const size_t close = line.rfind('"');
        if (digits == std::string::npos || open == std::string::npos || close <= open) continue;
        if (line.find_first_not_of(" \t") != digits) continue;
        std::string unescaped, text;
        if (!UnescapeRcText(line.substr(open + 1, close - open - 1), &unescaped))
            return "unknown escape in: " + line;
        if (!Utf8ToCp1252(unescaped, &text)) return "character outside Latin-1 in: " + line;
        table->strings[(unsigned)std::stoul(line.substr(digits))] = text;
    }
    return "";
}

}  // namespace tarv
