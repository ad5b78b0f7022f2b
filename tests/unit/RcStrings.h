// The library's own texts for native tests: the STRINGTABLE of its resource script, read into a
// fake string table in the system's ANSI code page (Windows 1252), as LoadStringA returns them.
#pragma once

#include "platform/fake/FakeStringTable.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace tarv {

// The script is UTF-8; every text of the product lies within Latin-1, which 1252 shares.
inline std::string Utf8ToCp1252(const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = (unsigned char)text[i];
        if (c < 0x80) {
            out += (char)c;
        } else if ((c & 0xE0) == 0xC0 && i + 1 < text.size() && c <= 0xC3) {
            out += (char)(((c & 0x1F) << 6) | ((unsigned char)text[++i] & 0x3F));
        } else {
            ADD_FAILURE() << "character outside Latin-1 in \"" << text << "\"";
        }
    }
    return out;
}

// Lines of the form   <number>   "<text>"   between STRINGTABLE's BEGIN and END.
inline FakeStringTable ReadRcStrings(const char* path = TARV_PAGE_RC)
{
    FakeStringTable table;
    std::ifstream file(path);
    EXPECT_TRUE(file.good()) << path;
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
        table.strings[(unsigned)std::stoul(line.substr(digits))] =
            Utf8ToCp1252(line.substr(open + 1, close - open - 1));
    }
    return table;
}

}  // namespace tarv
