// A module's string table as window logic sees it: texts by resource identifier, loaded the
// way LoadStringA loads them.
#pragma once

namespace tarv {

class StringTable {
public:
    // Copies string id into buffer, cut to size - 1 characters and terminated; an absent
    // string leaves buffer empty.
    virtual void LoadText(unsigned id, char* buffer, unsigned size) = 0;

protected:
    ~StringTable() {}
};

}  // namespace tarv
