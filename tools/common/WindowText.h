// What the test tools log about a window: its text on one line and its class name.
#pragma once

#include <windows.h>

#include <string>

namespace tools {

// text with line breaks shown as \n, so every log entry stays one line.
inline std::string OneLine(const char* text)
{
    std::string out;
    for (const char* p = text; *p; ++p) {
        if (*p == '\r') continue;
        if (*p == '\n')
            out += "\\n";
        else
            out += *p;
    }
    return out;
}

inline std::string ClassName(HWND window)
{
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

}  // namespace tools
