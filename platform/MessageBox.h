// A modal message box owned by the current window, so logic can inform the user without
// knowing about windows.
#pragma once

namespace tarv {

const unsigned MessageOk = 0x00000000;         // MB_OK
const unsigned MessageIconError = 0x00000010;  // MB_ICONERROR

class MessageBoxSink {
public:
    virtual void ShowMessage(const char* text, const char* caption, unsigned style) = 0;

protected:
    ~MessageBoxSink() {}
};

}  // namespace tarv
