// The texts of the installer's dialogs: which string set they come from, and loading them
// into controls and message boxes.
#pragma once

#include "installer/InstallerStrings.h"
#include "platform/MessageBox.h"
#include "platform/PlatformQueries.h"
#include "platform/StringTable.h"
#include "ui/Dialog.h"

namespace tarv {
namespace installer {

const unsigned DialogTextSize = 512;

// A control and the relative number of its string.
struct ControlText {
    int control;
    int string;
};

// English, French, German, English, ...
int NextCycleLanguage(int language);

// Sets StringSetBase from the system's primary language or, when a gesture asked for it, from
// the next step of the language cycle (taking the request).
void ChooseDialogStringSet(PlatformQueries& platform);

// Copies string n of the current set into buffer (DialogTextSize bytes); empty when absent.
void LoadSetString(StringTable& strings, int n, char* buffer);

// The caption and the listed controls from strings of the current set.
void SetDialogTexts(StringTable& strings, Dialog& dialog, int titleString,
                    const ControlText* texts, unsigned count);

// A message box of two strings of the current set.
void ShowSetMessage(StringTable& strings, MessageBoxSink& owner, int textString,
                    int captionString, unsigned style);

}  // namespace installer
}  // namespace tarv
