// A string table that tests fill, for logic that loads its texts by identifier.
#pragma once

#include "platform/StringTable.h"

#include <cstring>
#include <map>
#include <string>

namespace tarv {

class FakeStringTable : public StringTable {
public:
    void LoadText(unsigned id, char* buffer, unsigned size) override
    {
        if (size == 0) return;
        auto found = strings.find(id);
        const std::string text = found == strings.end() ? std::string() : found->second;
        const size_t length = text.size() < size - 1 ? text.size() : size - 1;
        std::memcpy(buffer, text.data(), length);
        buffer[length] = 0;
    }

    std::map<unsigned, std::string> strings;
};

}  // namespace tarv
