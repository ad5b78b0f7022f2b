// dispprops: a display-properties host for tests and demos (not shipped).
//
// It opens the display properties the way the Windows 98 shell does: every handler under
//   HKLM\Software\Microsoft\Windows\CurrentVersion\Controls Folder\<panel>\Shellex\PropertySheetHandlers
// names a class; the class is created through COM from its InProcServer32 registration, asked
// for IShellExtInit (Initialize with no arguments) and IShellPropSheetExt (AddPages), released,
// and the pages it added are shown in a modeless property sheet after a "Settings" page.
//
// Then it runs the steps given on the command line, in order, and logs what happened:
//   tab:TITLE        select the tab with this title
//   click:ID         a click on button ID of the current page (WM_COMMAND BN_CLICKED)
//   bmclick:ID       a click through the button itself (BM_CLICK)
//   slider:ID:POS    move trackbar ID to POS and send the page the scroll notifications a
//                    drag ends with (TB_THUMBPOSITION, TB_ENDTRACK)
//   key:ID:VK        a key press on control ID (WM_KEYDOWN/WM_KEYUP), e.g. key:1001:39 (right)
//   gesture:ID       the cursor put over control ID (SetCursorPos), then the right button
//                    pressed with the left button, Ctrl and Shift held (WM_RBUTTONDOWN)
//   apply            PSM_APPLY
//   ok | cancel      press the sheet's OK or Cancel button (PSM_PRESSBUTTON); a sheet that
//                    closes is destroyed, as a modeless sheet's owner must do
//   close            destroy the sheet window (as when its process ends it)
//   open             open the display properties again (another sheet in the same process)
//   dump             every control of the current page: id, class, text, state, rectangle
//   canunload        DllCanUnloadNow of every handler library that is loaded
//   freeunused       CoFreeUnusedLibraries, then whether each handler library is loaded
//   register:PATH    load PATH, call its DllRegisterServer and unload it again
//   sleep:MS         keep the sheet running for MS milliseconds
//   until:PATH       keep the sheet running until the file PATH exists or the sheet closes
//   wait             keep the sheet running until the user closes it
//   mark:TEXT        write TEXT to the log
//   dlgcancel:ID     click button ID of the current page and cancel the modal dialog it opens
//                    as soon as the dialog is activated (no dlg: steps, no timer)
//   resources        log the thread's window count, the process's GDI and USER object counts
//                    (GetGuiResources) and the bytes allocated in the process heap (HeapWalk)
//   repeat:N:S1,S2.. run the steps S1, S2, .. N times without logging them, then log the
//                    median time of a whole round and of each step (QueryPerformanceCounter,
//                    no waiting for painting); a failing step stops the repeat
// A step may open a modal dialog (the page's "&Refresh Rates..." button does): the dlg: steps
// that follow it act on that dialog, one at a time from a timer while its modal loop runs.
// Each waits for the thread's enabled top-level dialog (not the sheet, not a message box):
//   dlg:click:ID       a click on button ID of the dialog
//   dlg:select:ID:TEXT select the item TEXT of combo box ID (CB_SETCURSEL), as the user would
//   dlg:type:ID:TEXT   type TEXT key by key over the edit field of combo box ID (TypeStep.cpp)
//   dlg:gesture:ID     the hidden gesture over control ID of the dialog
//   dlg:mark:TEXT      write TEXT to the log
//   dlg:dump           the sheet's state and every control of the dialog, with the combo
//                      boxes' selected item and item count
//   dlg:sleep:MS       leave the dialog open for MS milliseconds
//   dlg:until:PATH     leave the dialog open until the file PATH exists
// A dlg: step still waiting when its step has ended counts as failed.
// Every message box that appears is answered with OK, and its caption and text are logged.
//
// Options (before the steps): --log FILE (append the log there as well as to stdout),
// --panel Display|Device (default Display), --refuse-pages (the add-page callback says no),
// --no-open (do not open the display properties at start), --blank-page (add a blank page of
// the host's own, titled "Blank", after the handlers' pages, to compare page creation with).
#include "tools/common/WindowText.h"
#include "tools/dispprops/TypeStep.h"

#include <windows.h>
#include <commctrl.h>
#include <ole2.h>
#include <prsht.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

const int SettingsPageTemplate = 100;
const char HandlersKeyFormat[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Controls Folder\\%s\\Shellex\\"
    "PropertySheetHandlers";

FILE* logFile = nullptr;
bool quiet = false;  // inside a repeat: only failures and message boxes are logged

void LogLine(const char* line)
{
    fprintf(stdout, "%s\n", line);
    fflush(stdout);
    if (logFile) {
        fprintf(logFile, "%s\n", line);
        fflush(logFile);
    }
}

void Log(const char* format, ...)
{
    if (quiet) return;
    char line[2048];
    va_list args;
    va_start(args, format);
    vsnprintf(line, sizeof line, format, args);
    va_end(args);
    LogLine(line);
}

// Logged also inside a repeat.
void LogAlways(const char* format, ...)
{
    char line[2048];
    va_list args;
    va_start(args, format);
    vsnprintf(line, sizeof line, format, args);
    va_end(args);
    LogLine(line);
}

std::string HresultText(HRESULT result)
{
    switch (result) {
    case S_OK: return "S_OK";
    case S_FALSE: return "S_FALSE";
    case E_NOTIMPL: return "E_NOTIMPL";
    case E_NOINTERFACE: return "E_NOINTERFACE";
    case E_OUTOFMEMORY: return "E_OUTOFMEMORY";
    case E_POINTER: return "E_POINTER";
    case CLASS_E_CLASSNOTAVAILABLE: return "CLASS_E_CLASSNOTAVAILABLE";
    case CLASS_E_NOAGGREGATION: return "CLASS_E_NOAGGREGATION";
    case REGDB_E_CLASSNOTREG: return "REGDB_E_CLASSNOTREG";
    default: {
        char text[16];
        snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(result));
        return text;
    }
    }
}

// Text of a window, on one line.
std::string WindowText(HWND window)
{
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    return tools::OneLine(text);
}

using tools::ClassName;

// ---- message boxes -------------------------------------------------------------------------

HHOOK cbtHook = nullptr;
int messageBoxCount = 0;
bool cancelNextDialog = false;  // dlgcancel: the next modal dialog is cancelled when activated

// A message box is a dialog whose text sits in the static 0xFFFF.
bool IsMessageBox(HWND window)
{
    return ClassName(window) == "#32770" && GetDlgItem(window, 0xFFFF) != nullptr;
}

LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE) {
        HWND window = reinterpret_cast<HWND>(wParam);
        if (IsMessageBox(window) && !GetPropA(window, "dispprops.answered")) {
            SetPropA(window, "dispprops.answered", reinterpret_cast<HANDLE>(1));
            ++messageBoxCount;
            LogAlways("message box: caption \"%s\" text \"%s\"", WindowText(window).c_str(),
                WindowText(GetDlgItem(window, 0xFFFF)).c_str());
            PostMessageA(window, WM_COMMAND, IDOK, 0);
        } else if (cancelNextDialog && !IsMessageBox(window) && ClassName(window) == "#32770" &&
                   !(GetWindowLongA(window, GWL_STYLE) & WS_CHILD)) {
            cancelNextDialog = false;
            PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
        }
    }
    return CallNextHookEx(cbtHook, code, wParam, lParam);
}

// ---- handlers and the sheet ----------------------------------------------------------------

struct Handler {
    std::string name;
    std::string classId;
    std::string libraryPath;
};

std::string panel = "Display";
bool refusePages = false;
bool blankPage = false;
const int BlankPageTemplate = 101;
std::vector<Handler> handlers;
HWND sheet = nullptr;
HINSTANCE hostInstance = nullptr;

BOOL CALLBACK AddPageCallback(HPROPSHEETPAGE page, LPARAM lParam)
{
    if (refusePages) {
        Log("add-page callback: refused a page");
        return FALSE;
    }
    reinterpret_cast<std::vector<HPROPSHEETPAGE>*>(lParam)->push_back(page);
    return TRUE;
}

std::string ReadDefaultValue(HKEY root, const std::string& path)
{
    HKEY key;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return "";
    char data[MAX_PATH + 1] = "";
    DWORD size = MAX_PATH, type = 0;
    if (RegQueryValueExA(key, "", nullptr, &type, reinterpret_cast<BYTE*>(data), &size) !=
        ERROR_SUCCESS)
        data[0] = 0;
    data[MAX_PATH] = 0;
    RegCloseKey(key);
    return data;
}

std::vector<Handler> ReadHandlers()
{
    std::vector<Handler> found;
    char path[512];
    snprintf(path, sizeof path, HandlersKeyFormat, panel.c_str());
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        Log("no handler key for the %s panel", panel.c_str());
        return found;
    }
    char name[256];
    for (DWORD index = 0; RegEnumKeyA(key, index, name, sizeof name) == ERROR_SUCCESS; ++index) {
        Handler handler;
        handler.name = name;
        // The default value names the class; older handlers are named by it instead.
        handler.classId = ReadDefaultValue(key, name);
        if (handler.classId.empty()) handler.classId = name;
        handler.libraryPath =
            ReadDefaultValue(HKEY_CLASSES_ROOT, "CLSID\\" + handler.classId + "\\InProcServer32");
        found.push_back(handler);
    }
    RegCloseKey(key);
    return found;
}

// What the shell does for one handler: create, Initialize, AddPages, Release.
void CollectPages(const Handler& handler, std::vector<HPROPSHEETPAGE>* pages)
{
    wchar_t wide[64] = L"";
    MultiByteToWideChar(CP_ACP, 0, handler.classId.c_str(), -1, wide, 64);
    CLSID classId;
    if (FAILED(CLSIDFromString(wide, &classId))) {
        Log("handler %s: %s is no class identifier", handler.name.c_str(),
            handler.classId.c_str());
        return;
    }
    IShellExtInit* init = nullptr;
    HRESULT created = CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, IID_IShellExtInit,
                                       reinterpret_cast<void**>(&init));
    if (FAILED(created)) {
        Log("handler %s: CoCreateInstance %s", handler.name.c_str(), HresultText(created).c_str());
        return;
    }
    HRESULT initialized = init->Initialize(nullptr, nullptr, nullptr);
    IShellPropSheetExt* extension = nullptr;
    HRESULT queried =
        init->QueryInterface(IID_IShellPropSheetExt, reinterpret_cast<void**>(&extension));
    init->Release();
    size_t before = pages->size();
    HRESULT added = E_NOINTERFACE;
    if (SUCCEEDED(queried)) {
        added = extension->AddPages(AddPageCallback, reinterpret_cast<LPARAM>(pages));
        extension->Release();
    }
    Log("handler %s %s: Initialize %s, AddPages %s, %u page(s)", handler.name.c_str(),
        handler.classId.c_str(), HresultText(initialized).c_str(), HresultText(added).c_str(),
        static_cast<unsigned>(pages->size() - before));
}

INT_PTR CALLBACK SettingsPageProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

void OpenDisplayProperties()
{
    if (sheet) {
        Log("open: the display properties are already open");
        return;
    }
    std::vector<HPROPSHEETPAGE> pages;
    PROPSHEETPAGEA settings = {};
    settings.dwSize = PROPSHEETPAGEA_V1_SIZE;
    settings.hInstance = hostInstance;
    settings.pszTemplate = MAKEINTRESOURCEA(SettingsPageTemplate);
    settings.pfnDlgProc = SettingsPageProc;
    pages.push_back(CreatePropertySheetPageA(&settings));

    handlers = ReadHandlers();
    for (const Handler& handler : handlers) CollectPages(handler, &pages);
    if (blankPage) {
        PROPSHEETPAGEA blank = settings;
        blank.dwFlags = PSP_USETITLE;
        blank.pszTemplate = MAKEINTRESOURCEA(BlankPageTemplate);
        blank.pszTitle = "Blank";
        pages.push_back(CreatePropertySheetPageA(&blank));
    }

    PROPSHEETHEADERA header = {};
    header.dwSize = PROPSHEETHEADERA_V1_SIZE;
    header.dwFlags = PSH_MODELESS;
    header.hInstance = hostInstance;
    header.pszCaption = "Display Properties";
    header.nPages = static_cast<UINT>(pages.size());
    header.phpage = pages.data();
    sheet = reinterpret_cast<HWND>(PropertySheetA(&header));
    if (!sheet) {
        Log("open: PropertySheet failed");
        return;
    }
    // Centred on the screen, where the shell puts the display properties.
    RECT box;
    GetWindowRect(sheet, &box);
    SetWindowPos(sheet, nullptr, (GetSystemMetrics(SM_CXSCREEN) - (box.right - box.left)) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - (box.bottom - box.top)) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Log("open: sheet with %u page(s)", static_cast<unsigned>(pages.size()));
}

HWND CurrentPage() { return sheet ? PropSheet_GetCurrentPageHwnd(sheet) : nullptr; }

// A modeless sheet that has been closed by OK or Cancel reports no current page; its owner
// destroys it then.
void DestroyClosedSheet()
{
    if (sheet && !CurrentPage()) {
        DestroyWindow(sheet);
        sheet = nullptr;
        Log("sheet closed");
    }
}

void PumpMessages(DWORD milliseconds, const char* untilFile = nullptr)
{
    DWORD start = GetTickCount();
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) return;
            if (sheet && PropSheet_IsDialogMessage(sheet, &message)) continue;
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        DestroyClosedSheet();
        if (untilFile && (!sheet || GetFileAttributesA(untilFile) != INVALID_FILE_ATTRIBUTES))
            return;
        DWORD elapsed = GetTickCount() - start;
        if (milliseconds != INFINITE && elapsed >= milliseconds) return;
        if (milliseconds == INFINITE && !sheet) return;
        DWORD wait = milliseconds == INFINITE ? 100 : milliseconds - elapsed;
        if (wait > 100) wait = 100;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, wait, QS_ALLINPUT);
    }
}

// ---- steps ---------------------------------------------------------------------------------

std::string TabTitle(HWND tabs, int index)
{
    char text[128] = "";
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(tabs, TCM_GETITEMA, index, reinterpret_cast<LPARAM>(&item));
    return text;
}

bool SelectTab(const std::string& title)
{
    HWND tabs = sheet ? PropSheet_GetTabControl(sheet) : nullptr;
    if (!tabs) return false;
    int count = static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        if (TabTitle(tabs, i) == title) {
            PropSheet_SetCurSel(sheet, nullptr, i);
            return true;
        }
    }
    return false;
}

HWND PageControl(int id, const char* step)
{
    HWND page = CurrentPage();
    HWND control = page ? GetDlgItem(page, id) : nullptr;
    if (!control) Log("%s: no control %d on the current page", step, id);
    return control;
}

// One line per child control of parent: id, class, text, check and trackbar or combo state,
// enabled and visible, and its rectangle in parent's client coordinates.
void DumpChildControls(HWND parent)
{
    for (HWND control = GetWindow(parent, GW_CHILD); control;
         control = GetWindow(control, GW_HWNDNEXT)) {
        std::string line;
        char text[160];
        snprintf(text, sizeof text, "control %d %s", GetDlgCtrlID(control),
                 ClassName(control).c_str());
        line = text;
        std::string className = ClassName(control);
        if (className != "msctls_trackbar32") line += " \"" + WindowText(control) + "\"";
        LONG style = GetWindowLongA(control, GWL_STYLE);
        if (className == "Button") {
            LONG kind = style & 0x0F;
            if (kind == BS_CHECKBOX || kind == BS_AUTOCHECKBOX || kind == BS_3STATE ||
                kind == BS_AUTO3STATE || kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON) {
                snprintf(text, sizeof text, " checked=%d",
                         static_cast<int>(SendMessageA(control, BM_GETCHECK, 0, 0)));
                line += text;
            }
        }
        if (className == "msctls_trackbar32") {
            snprintf(text, sizeof text, " pos=%d range=%d..%d",
                     static_cast<int>(SendMessageA(control, TBM_GETPOS, 0, 0)),
                     static_cast<int>(SendMessageA(control, TBM_GETRANGEMIN, 0, 0)),
                     static_cast<int>(SendMessageA(control, TBM_GETRANGEMAX, 0, 0)));
            line += text;
        }
        if (className == "ComboBox") {
            int selected = static_cast<int>(SendMessageA(control, CB_GETCURSEL, 0, 0));
            char item[256] = "";
            if (selected != CB_ERR &&
                SendMessageA(control, CB_GETLBTEXTLEN, selected, 0) < (LRESULT)sizeof item)
                SendMessageA(control, CB_GETLBTEXT, selected, reinterpret_cast<LPARAM>(item));
            snprintf(text, sizeof text, " selected=\"%s\" items=%d",
                     selected == CB_ERR ? "<none>" : item,
                     static_cast<int>(SendMessageA(control, CB_GETCOUNT, 0, 0)));
            line += text;
        }
        RECT box;
        GetWindowRect(control, &box);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&box), 2);
        snprintf(text, sizeof text, " enabled=%d visible=%d rect=%ld,%ld,%ld,%ld",
                 IsWindowEnabled(control) ? 1 : 0, IsWindowVisible(control) ? 1 : 0, box.left,
                 box.top, box.right - box.left, box.bottom - box.top);
        line += text;
        Log("%s", line.c_str());
    }
}

void DumpControls()
{
    HWND page = CurrentPage();
    if (!page) {
        Log("dump: no sheet");
        return;
    }
    HWND tabs = PropSheet_GetTabControl(sheet);
    int current = static_cast<int>(SendMessageA(tabs, TCM_GETCURSEL, 0, 0));
    HWND applyButton = GetDlgItem(sheet, 0x3021);
    Log("page \"%s\" apply button %s", TabTitle(tabs, current).c_str(),
        applyButton && IsWindowEnabled(applyButton) ? "enabled" : "disabled");
    DumpChildControls(page);
}

// The right button over a control while the left button, Ctrl and Shift are held; the message
// goes to the window that holds the control, as a press over a static text does.
void Gesture(HWND control)
{
    RECT box;
    GetWindowRect(control, &box);
    POINT point = {(box.left + box.right) / 2, (box.top + box.bottom) / 2};
    // Wine moves the cursor through the X server, so the new position shows up a little later,
    // later still on a busy machine: wait until GetCursorPos reports it (two seconds at most).
    SetCursorPos(point.x, point.y);
    for (int waited = 0; waited < 2000; waited += 20) {
        POINT now;
        if (GetCursorPos(&now) && now.x == point.x && now.y == point.y) break;
        PumpMessages(20);
    }
    PumpMessages(50);
    HWND window = GetParent(control);
    ScreenToClient(window, &point);
    SendMessageA(window, WM_RBUTTONDOWN, MK_LBUTTON | MK_RBUTTON | MK_SHIFT | MK_CONTROL,
                 MAKELPARAM(point.x, point.y));
    SendMessageA(window, WM_RBUTTONUP, MK_LBUTTON | MK_SHIFT | MK_CONTROL,
                 MAKELPARAM(point.x, point.y));
}

// ---- steps on a modal dialog ---------------------------------------------------------------

std::vector<std::string> modalSteps;  // dlg: steps still to run, first at the front
DWORD modalStepStart = 0;             // when the front step began waiting (sleep)
int modalFailures = 0;

BOOL CALLBACK FindModalDialog(HWND window, LPARAM lParam)
{
    if (window != sheet && IsWindowVisible(window) && IsWindowEnabled(window) &&
        ClassName(window) == "#32770" && !IsMessageBox(window)) {
        *reinterpret_cast<HWND*>(lParam) = window;
        return FALSE;
    }
    return TRUE;
}

HWND ModalDialog()
{
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindModalDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

// Runs the front dlg: step on dialog; false while it is still waiting.
bool RunModalStep(HWND dialog, const std::string& step)
{
    std::string rest = step.substr(4);
    std::string verb = rest.substr(0, rest.find(':'));
    std::string argument = rest.find(':') == std::string::npos ? "" : rest.substr(rest.find(':') + 1);
    if (verb == "click") {
        int id = atoi(argument.c_str());
        HWND control = GetDlgItem(dialog, id);
        if (!control) {
            Log("dlg:click: no control %d in the dialog", id);
            ++modalFailures;
            return true;
        }
        Log("dialog: clicked %d", id);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(control));
    } else if (verb == "select") {
        int id = atoi(argument.c_str());
        std::string text = argument.find(':') == std::string::npos
                               ? ""
                               : argument.substr(argument.find(':') + 1);
        HWND combo = GetDlgItem(dialog, id);
        int index = combo ? static_cast<int>(SendMessageA(combo, CB_FINDSTRINGEXACT, -1,
                                                          reinterpret_cast<LPARAM>(text.c_str())))
                          : CB_ERR;
        if (index == CB_ERR) {
            Log("dlg:select: no item \"%s\" in combo box %d", text.c_str(), id);
            ++modalFailures;
            return true;
        }
        SendMessageA(combo, CB_SETCURSEL, index, 0);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(combo));
        Log("dialog: selected \"%s\" in %d", text.c_str(), id);
    } else if (verb == "gesture") {
        int id = atoi(argument.c_str());
        HWND control = GetDlgItem(dialog, id);
        if (!control) {
            Log("dlg:gesture: no control %d in the dialog", id);
            ++modalFailures;
            return true;
        }
        Gesture(control);
        Log("dialog: gesture over %d", id);
    } else if (verb == "type") {
        std::string outcome;
        if (!TypeIntoCombo(dialog, argument, &outcome)) ++modalFailures;
        Log("%s", outcome.c_str());
    } else if (verb == "mark") {
        Log("%s", argument.c_str());
    } else if (verb == "dump") {
        Log("dialog \"%s\", sheet %s", WindowText(dialog).c_str(),
            sheet && IsWindowEnabled(sheet) ? "enabled" : "disabled");
        DumpChildControls(dialog);
    } else if (verb == "sleep") {
        if (!modalStepStart) modalStepStart = GetTickCount();
        if (GetTickCount() - modalStepStart < static_cast<DWORD>(atoi(argument.c_str())))
            return false;
    } else if (verb == "until") {
        if (GetFileAttributesA(argument.c_str()) == INVALID_FILE_ATTRIBUTES) return false;
    } else {
        Log("unknown step \"%s\"", step.c_str());
        ++modalFailures;
    }
    return true;
}

void CALLBACK ModalStepTimer(HWND, UINT, UINT_PTR, DWORD)
{
    static bool running = false;  // a step's own messages may dispatch the timer again
    if (running || modalSteps.empty()) return;
    HWND dialog = ModalDialog();
    if (!dialog) return;
    running = true;
    std::string step = modalSteps.front();
    if (RunModalStep(dialog, step)) {
        modalSteps.erase(modalSteps.begin());
        modalStepStart = 0;
    }
    running = false;
}

typedef HRESULT(STDAPICALLTYPE* ServerEntry)();

void CanUnloadNow()
{
    for (const Handler& handler : handlers) {
        HMODULE library = GetModuleHandleA(handler.libraryPath.c_str());
        if (!library) {
            Log("DllCanUnloadNow %s: not loaded", handler.name.c_str());
            continue;
        }
        ServerEntry entry =
            reinterpret_cast<ServerEntry>(GetProcAddress(library, "DllCanUnloadNow"));
        Log("DllCanUnloadNow %s: %s", handler.name.c_str(),
            entry ? HresultText(entry()).c_str() : "no such export");
    }
}

void FreeUnusedLibraries()
{
    CoFreeUnusedLibraries();
    for (const Handler& handler : handlers)
        Log("after CoFreeUnusedLibraries %s: %s", handler.name.c_str(),
            GetModuleHandleA(handler.libraryPath.c_str()) ? "loaded" : "unloaded");
}

void RegisterServer(const std::string& path)
{
    HMODULE library = LoadLibraryA(path.c_str());
    if (!library) {
        Log("register %s: cannot load it (error %lu)", path.c_str(), GetLastError());
        return;
    }
    ServerEntry entry = reinterpret_cast<ServerEntry>(GetProcAddress(library, "DllRegisterServer"));
    Log("DllRegisterServer: %s", entry ? HresultText(entry()).c_str() : "no such export");
    FreeLibrary(library);
}

BOOL CALLBACK CountWindow(HWND, LPARAM lParam)
{
    ++*reinterpret_cast<int*>(lParam);
    return TRUE;
}

BOOL CALLBACK CountWindowTree(HWND window, LPARAM lParam)
{
    ++*reinterpret_cast<int*>(lParam);
    EnumChildWindows(window, CountWindow, lParam);  // every descendant
    return TRUE;
}

// Bytes in the busy blocks of the process heap, where Wine's user32, gdi32 and comctl32
// allocate.
unsigned long HeapBusyBytes()
{
    HANDLE heap = GetProcessHeap();
    unsigned long total = 0;
    PROCESS_HEAP_ENTRY entry = {};
    HeapLock(heap);
    while (HeapWalk(heap, &entry))
        if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) total += entry.cbData;
    HeapUnlock(heap);
    return total;
}

void LogResources()
{
    int windows = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWindowTree, reinterpret_cast<LPARAM>(&windows));
    DWORD gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    DWORD user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    LogAlways("resources: windows %d gdi %lu user %lu heap %lu", windows,
              static_cast<unsigned long>(gdi), static_cast<unsigned long>(user), HeapBusyBytes());
}

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to)
{
    static LARGE_INTEGER frequency = {};
    if (!frequency.QuadPart) QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values)
{
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

bool RunStep(const std::string& step);

bool Repeat(const std::string& argument)
{
    size_t colon = argument.find(':');
    int rounds = atoi(argument.c_str());
    if (colon == std::string::npos || rounds <= 0) {
        Log("repeat: expected repeat:N:STEP,STEP..");
        return false;
    }
    std::vector<std::string> body;
    std::string list = argument.substr(colon + 1);
    for (size_t start = 0;;) {
        size_t comma = list.find(',', start);
        body.push_back(list.substr(start, comma - start));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    std::vector<std::vector<double>> stepTimes(body.size());
    std::vector<double> roundTimes;
    bool ok = true;
    quiet = true;
    for (int round = 0; round < rounds && ok; ++round) {
        LARGE_INTEGER roundStart, stepStart, stepEnd;
        QueryPerformanceCounter(&roundStart);
        for (size_t i = 0; i < body.size() && ok; ++i) {
            QueryPerformanceCounter(&stepStart);
            ok = RunStep(body[i]);
            QueryPerformanceCounter(&stepEnd);
            stepTimes[i].push_back(Milliseconds(stepStart, stepEnd));
            if (!ok) LogAlways("repeat: %s failed in round %d", body[i].c_str(), round + 1);
        }
        roundTimes.push_back(Milliseconds(roundStart, stepEnd));
    }
    quiet = false;
    std::string medians;
    for (size_t i = 0; i < body.size(); ++i) {
        char part[160];
        snprintf(part, sizeof part, ", %s %.3f ms", body[i].c_str(), Median(stepTimes[i]));
        medians += part;
    }
    Log("repeat %u round(s): median %.3f ms a round%s", static_cast<unsigned>(roundTimes.size()),
        Median(roundTimes), medians.c_str());
    return ok;
}

bool ClickAndCancelDialog(const std::string& argument)
{
    int id = atoi(argument.c_str());
    HWND control = PageControl(id, "dlgcancel");
    if (!control) return false;
    cancelNextDialog = true;
    SendMessageA(CurrentPage(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(control));
    bool cancelled = !cancelNextDialog;
    cancelNextDialog = false;
    if (!cancelled) LogAlways("dlgcancel: clicking %d opened no dialog", id);
    Log("clicked %d, its dialog cancelled", id);
    return cancelled;
}

bool RunStep(const std::string& step)
{
    std::string verb = step.substr(0, step.find(':'));
    std::string argument = step.find(':') == std::string::npos ? "" : step.substr(step.find(':') + 1);
    if (verb == "tab") {
        if (!SelectTab(argument)) {
            Log("tab: no tab \"%s\"", argument.c_str());
            return false;
        }
        Log("tab \"%s\" selected", argument.c_str());
    } else if (verb == "click" || verb == "bmclick") {
        int id = atoi(argument.c_str());
        HWND control = PageControl(id, "click");
        if (!control) return false;
        if (verb == "click")
            SendMessageA(CurrentPage(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                         reinterpret_cast<LPARAM>(control));
        else
            SendMessageA(control, BM_CLICK, 0, 0);
        Log("clicked %d", id);
    } else if (verb == "slider") {
        int id = atoi(argument.c_str());
        int position = atoi(argument.substr(argument.find(':') + 1).c_str());
        HWND control = PageControl(id, "slider");
        if (!control) return false;
        SendMessageA(control, TBM_SETPOS, TRUE, position);
        SendMessageA(CurrentPage(), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, position),
                     reinterpret_cast<LPARAM>(control));
        SendMessageA(CurrentPage(), WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0),
                     reinterpret_cast<LPARAM>(control));
        Log("slider %d moved to %d", id, position);
    } else if (verb == "key") {
        int id = atoi(argument.c_str());
        int key = atoi(argument.substr(argument.find(':') + 1).c_str());
        HWND control = PageControl(id, "key");
        if (!control) return false;
        SetFocus(control);
        SendMessageA(control, WM_KEYDOWN, key, 1);
        SendMessageA(control, WM_KEYUP, key, 0xC0000001);
        Log("key %d on %d", key, id);
    } else if (verb == "gesture") {
        int id = atoi(argument.c_str());
        HWND control = PageControl(id, "gesture");
        if (!control) return false;
        Gesture(control);
        Log("gesture over %d", id);
    } else if (verb == "apply") {
        if (!sheet) return false;
        LRESULT result = SendMessageA(sheet, PSM_APPLY, 0, 0);
        Log("apply: %s", result ? "accepted" : "refused");
    } else if (verb == "ok" || verb == "cancel") {
        if (!sheet) return false;
        int button = verb == "ok" ? PSBTN_OK : PSBTN_CANCEL;
        PropSheet_PressButton(sheet, button);
        Log("pressed %s", verb == "ok" ? "OK" : "Cancel");
        PumpMessages(0);
    } else if (verb == "close") {
        if (sheet) DestroyWindow(sheet);
        sheet = nullptr;
        Log("sheet destroyed");
    } else if (verb == "open") {
        OpenDisplayProperties();
    } else if (verb == "dump") {
        DumpControls();
    } else if (verb == "canunload") {
        CanUnloadNow();
    } else if (verb == "freeunused") {
        FreeUnusedLibraries();
    } else if (verb == "register") {
        RegisterServer(argument);
    } else if (verb == "sleep") {
        PumpMessages(static_cast<DWORD>(atoi(argument.c_str())));
    } else if (verb == "until") {
        PumpMessages(INFINITE, argument.c_str());
    } else if (verb == "wait") {
        PumpMessages(INFINITE);
    } else if (verb == "mark") {
        Log("%s", argument.c_str());
    } else if (verb == "dlgcancel") {
        if (!ClickAndCancelDialog(argument)) return false;
    } else if (verb == "resources") {
        LogResources();
    } else if (verb == "repeat") {
        if (!Repeat(argument)) return false;
    } else {
        LogAlways("unknown step \"%s\"", step.c_str());
        return false;
    }
    PumpMessages(0);
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    hostInstance = GetModuleHandleA(nullptr);
    bool open = true;
    int first = 1;
    for (; first < argc && strncmp(argv[first], "--", 2) == 0; ++first) {
        std::string option = argv[first];
        if (option == "--log" && first + 1 < argc) {
            logFile = fopen(argv[++first], "a");
        } else if (option == "--panel" && first + 1 < argc) {
            panel = argv[++first];
        } else if (option == "--refuse-pages") {
            refusePages = true;
        } else if (option == "--blank-page") {
            blankPage = true;
        } else if (option == "--no-open") {
            open = false;
        } else {
            fprintf(stderr, "dispprops: unknown option %s\n", option.c_str());
            return 2;
        }
    }

    InitCommonControls();
    CoInitialize(nullptr);
    cbtHook = SetWindowsHookExA(WH_CBT, CbtProc, nullptr, GetCurrentThreadId());

    int failures = 0;
    if (open) {
        OpenDisplayProperties();
        PumpMessages(0);
    }
    for (int i = first; i < argc; ++i) {
        if (strncmp(argv[i], "dlg:", 4) == 0) continue;  // taken with the step before them
        modalSteps.clear();
        for (int next = i + 1; next < argc && strncmp(argv[next], "dlg:", 4) == 0; ++next)
            modalSteps.push_back(argv[next]);
        UINT_PTR timer = modalSteps.empty() ? 0 : SetTimer(nullptr, 0, 50, ModalStepTimer);
        if (!RunStep(argv[i])) ++failures;
        if (timer) KillTimer(nullptr, timer);
        for (const std::string& step : modalSteps) {
            Log("%s: no dialog to run it on", step.c_str());
            ++failures;
        }
        modalSteps.clear();
    }
    failures += modalFailures;

    if (sheet) DestroyWindow(sheet);
    sheet = nullptr;
    PumpMessages(0);
    UnhookWindowsHookEx(cbtHook);
    CoUninitialize();
    Log("done: %d step(s) failed, %d message box(es)", failures, messageBoxCount);
    if (logFile) fclose(logFile);
    return failures ? 1 : 0;
}
