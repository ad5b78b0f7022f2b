/* The Wine set-up probe: one 32-bit dialog with a drop-down list combo box, built from a
   template in memory, filled with one item and closed again. It writes what happened to the
   file named on its command line; "combo box created" is the only good answer. */
#include <windows.h>

enum { COMBO_ID = 100 };

/* A dialog template as DialogBoxIndirect reads it: the header, then one item. */
static struct {
    DLGTEMPLATE dialog;
    WORD menu, windowClass, title; /* 24 bytes so far: the item starts on a DWORD boundary */
    DLGITEMTEMPLATE item;
    WORD classAtom[2], itemTitle, creationData;
} __attribute__((aligned(4))) probeTemplate = {
    { WS_POPUP | WS_CAPTION | DS_MODALFRAME, 0, 1, 10, 10, 120, 60 },
    0, 0, 0,
    { WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST, 0, 10, 10, 100, 60, COMBO_ID },
    { 0xFFFF, 0x0085 }, /* the predefined COMBOBOX class */
    0, 0,
};

static INT_PTR CALLBACK probeProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    (void)wParam;
    (void)lParam;
    if (message != WM_INITDIALOG) return FALSE;
    HWND combo = GetDlgItem(dialog, COMBO_ID);
    BOOL filled = combo && SendMessageA(combo, CB_ADDSTRING, 0, (LPARAM)"probe") == 0 &&
                  SendMessageA(combo, CB_SETCURSEL, 0, 0) == 0 &&
                  SendMessageA(combo, CB_GETCOUNT, 0, 0) == 1;
    EndDialog(dialog, filled ? 1 : 2);
    return TRUE;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
    (void)previous;
    (void)show;
    INT_PTR result = DialogBoxIndirectParamA(instance, &probeTemplate.dialog, NULL, probeProc, 0);
    const char *answer = result == 1   ? "combo box created"
                         : result == 2 ? "the combo box was not created or took no item"
                                       : "the dialog with the combo box failed to open";
    HANDLE file = CreateFileA(commandLine, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    if (file == INVALID_HANDLE_VALUE) return 3;
    DWORD written;
    WriteFile(file, answer, lstrlenA(answer), &written, NULL);
    CloseHandle(file);
    return result == 1 ? 0 : 1;
}
