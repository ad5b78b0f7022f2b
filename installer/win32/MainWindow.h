// The installer's main window: never shown, it only owns the dialogs and marks the running
// installer for the single-instance test of a second start.
#pragma once

#include "platform/MessageBox.h"

#include <windows.h>

namespace tarv {
namespace installer {

// Exported undecorated as "WndProc".
extern "C" LRESULT CALLBACK WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The window class of the main window, with the installer's icon and menu; false when
// RegisterClassA refuses it.
bool RegisterMainWindowClass(HINSTANCE instance, const char* className);

// The hidden main window; null when it cannot be created.
HWND CreateMainWindow(HINSTANCE instance, const char* className, const char* title);

// Message boxes owned by one window (the main window, between dialogs).
class OwnedMessageBoxes : public MessageBoxSink {
public:
    explicit OwnedMessageBoxes(HWND owner) : owner_(owner) {}

    void ShowMessage(const char* text, const char* caption, unsigned style) override
    {
        MessageBoxA(owner_, text, caption, style);
    }

private:
    HWND owner_;
};

}  // namespace installer
}  // namespace tarv
