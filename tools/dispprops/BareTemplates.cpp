#include "tools/dispprops/BareTemplates.h"
#include "tools/dispprops/SheetSteps.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace bare {

namespace {

const int PageTemplate = 501;
const int DialogTemplate = 502;

HMODULE library = nullptr;
HWND idleOwner = nullptr;      // the owner whose window procedure watches for the idle
WNDPROC ownerProc = nullptr;   // its own procedure
bool armed = false;            // the next modal dialog is cancelled at its first idle
double idleTime = 0;           // when it was (Now)
double initTime = 0;           // the last WM_INITDIALOG of a bare template (Now)

// What Windows does for a template with no logic: focus to the first control, nothing else.
INT_PTR CALLBACK NothingProc(HWND window, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_INITDIALOG) {
        initTime = Now();
        return TRUE;
    }
    // The modal copy must still end when it is cancelled, as any dialog does.
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL &&
        !(GetWindowLongA(window, GWL_STYLE) & WS_CHILD)) {
        EndDialog(window, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

// A modal loop shows its dialog the first time its queue is empty and then sends
// WM_ENTERIDLE to the owner; the dialog and its controls are painted there and then, before
// the cancel is posted. The owner's procedure is replaced while it waits, rather than hooking
// every message of the thread: on Wine a hook costs each message a trip to the server, which
// would weigh on the dialogs timed.
LRESULT CALLBACK IdleOwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (armed && message == WM_ENTERIDLE && wParam == MSGF_DIALOGBOX) {
        armed = false;
        const HWND dialog = reinterpret_cast<HWND>(lParam);
        RedrawWindow(dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        idleTime = Now();
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    }
    return CallWindowProcA(ownerProc, window, message, wParam, lParam);
}

void PaintNow(HWND window)
{
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// ---- costs -----------------------------------------------------------------------------

template <typename Work>
double MedianOf(int rounds, Work work)
{
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        const double start = Now();
        work();
        times.push_back(Now() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Every control moved to the rectangle it already has, with repainting, as a layout table
// that matches the template does.
void MoveInPlace(HWND window)
{
    for (HWND control = GetWindow(window, GW_CHILD); control;
         control = GetWindow(control, GW_HWNDNEXT)) {
        RECT box;
        GetWindowRect(control, &box);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&box), 2);
        MoveWindow(control, box.left, box.top, box.right - box.left, box.bottom - box.top, TRUE);
    }
}

// Every control but the combo boxes given its own text again.
void SetSameTexts(HWND window)
{
    for (HWND control = GetWindow(window, GW_CHILD); control;
         control = GetWindow(control, GW_HWNDNEXT)) {
        char name[32] = "";
        GetClassNameA(control, name, sizeof name);
        if (!lstrcmpiA(name, "ComboBox") || !lstrcmpiA(name, "msctls_trackbar32")) continue;
        char text[256] = "";
        GetWindowTextA(control, text, sizeof text);
        SetWindowTextA(control, text);
    }
}

// Every combo box emptied and given the three special items and three rates.
void FillCombos(HWND window)
{
    static const char* const Items[] = {"Adapter", "Default", "Optimal", "60", "75", "85"};
    for (HWND control = GetWindow(window, GW_CHILD); control;
         control = GetWindow(control, GW_HWNDNEXT)) {
        char name[32] = "";
        GetClassNameA(control, name, sizeof name);
        if (lstrcmpiA(name, "ComboBox")) continue;
        SendMessageA(control, CB_RESETCONTENT, 0, 0);
        for (const char* item : Items)
            SendMessageA(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
}

void ReadVersion()
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(library, path, sizeof path);
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &handle);
    std::vector<char> data(size ? size : 1);
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixedSize = 0;
    if (size && GetFileVersionInfoA(path, handle, size, data.data()))
        VerQueryValueA(data.data(), const_cast<char*>("\\"), reinterpret_cast<void**>(&fixed),
                       &fixedSize);
}

const char DriverKey[] = "System\\CurrentControlSet\\Services\\Class\\Display\\0000";

void OpenQueryClose()
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, DriverKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return;
    char data[256];
    DWORD size = sizeof data, type = 0;
    RegQueryValueExA(key, "DriverDesc", nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
}

void OpenMissing()
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Services\\Class\\Display\\0009",
                      0, KEY_QUERY_VALUE, &key) == ERROR_SUCCESS)
        RegCloseKey(key);
}

void Costs(HWND sheet, int rounds, void (*log)(const char*, ...))
{
    HWND page = CreateDialogParamA(library, MAKEINTRESOURCEA(PageTemplate), sheet, NothingProc, 0);
    HWND dialog =
        CreateDialogParamA(library, MAKEINTRESOURCEA(DialogTemplate), sheet, NothingProc, 0);
    if (!page || !dialog) {
        log("costs: cannot create the bare templates");
        return;
    }
    // Hidden, as the real windows are while they initialise.
    log("costs (median of %d, ms): page moves %.3f, page texts %.3f, page shown and painted "
        "%.3f, dialog moves %.3f, dialog texts %.3f, dialog combo fill %.3f, version resource "
        "read %.3f, registry open+query+close %.4f, registry open of a missing key %.4f",
        rounds, MedianOf(rounds, [&] { MoveInPlace(page); }),
        MedianOf(rounds, [&] { SetSameTexts(page); }),
        MedianOf(rounds, [&] {
            ShowWindow(page, SW_SHOWNA);
            InvalidateRect(page, nullptr, TRUE);
            PaintNow(page);
            ShowWindow(page, SW_HIDE);
        }),
        MedianOf(rounds, [&] { MoveInPlace(dialog); }),
        MedianOf(rounds, [&] { SetSameTexts(dialog); }),
        MedianOf(rounds, [&] { FillCombos(dialog); }), MedianOf(rounds, ReadVersion),
        MedianOf(rounds, OpenQueryClose), MedianOf(rounds, OpenMissing));
    DestroyWindow(dialog);
    DestroyWindow(page);
}

}  // namespace

double Now()
{
    static LARGE_INTEGER frequency = {};
    if (!frequency.QuadPart) QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void ArmIdleCancel(HWND owner)
{
    idleOwner = owner;
    ownerProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(owner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(IdleOwnerProc)));
    armed = true;
}

bool CancelledAtIdle(double* when)
{
    SetWindowLongPtrA(idleOwner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ownerProc));
    const bool cancelled = !armed;
    armed = false;
    if (cancelled && when) *when = idleTime;
    return cancelled;
}

HMODULE Library() { return library; }

const char BarePageTitle[] = "Bare";

double LastInitTime() { return initTime; }

bool TimeBareDialog(HWND owner, ModalTimes* times)
{
    ArmIdleCancel(owner);
    times->start = Now();
    DialogBoxParamA(library, MAKEINTRESOURCEA(DialogTemplate), owner, NothingProc, 0);
    times->closed = Now();
    times->init = times->initDone = initTime;
    return CancelledAtIdle(&times->shown);
}

bool TakeOption(int argc, char** argv, int* index)
{
    if (strcmp(argv[*index], "--bare") != 0 || *index + 1 >= argc) return false;
    library = LoadLibraryA(argv[++*index]);
    if (!library) fprintf(stderr, "dispprops: cannot load %s\n", argv[*index]);
    return true;
}

void AddPages(HINSTANCE, std::vector<HPROPSHEETPAGE>* pages)
{
    if (!library) return;
    PROPSHEETPAGEA page = {};
    page.dwSize = PROPSHEETPAGEA_V1_SIZE;
    page.dwFlags = PSP_USETITLE;
    page.hInstance = library;
    page.pszTemplate = MAKEINTRESOURCEA(PageTemplate);
    page.pfnDlgProc = NothingProc;
    page.pszTitle = BarePageTitle;
    pages->push_back(CreatePropertySheetPageA(&page));
}

bool RunStep(const std::string& step, HWND sheet, bool* ok, void (*log)(const char*, ...))
{
    const std::string verb = step.substr(0, step.find(':'));
    const std::string argument =
        step.find(':') == std::string::npos ? "" : step.substr(step.find(':') + 1);
    *ok = true;
    if (verb == "shown") {
        *ok = dispprops::SelectTab(sheet, argument);
        if (*ok) PaintNow(sheet);
        if (!*ok) log("shown: no tab \"%s\"", argument.c_str());
    } else if (verb == "dlgshown") {
        const int id = atoi(argument.c_str());
        HWND page = sheet ? PropSheet_GetCurrentPageHwnd(sheet) : nullptr;
        HWND button = page ? GetDlgItem(page, id) : nullptr;
        if (!button) {
            log("dlgshown: no control %d on the current page", id);
            *ok = false;
            return true;
        }
        ArmIdleCancel(sheet);  // the dialog's owner: the page's top-level window
        SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(button));
        *ok = CancelledAtIdle(nullptr);
        if (!*ok) log("dlgshown: clicking %d opened no dialog", id);
    } else if (verb == "baredialog") {
        if (!library || !sheet) {
            log("baredialog: no --bare library or no sheet");
            *ok = false;
            return true;
        }
        ArmIdleCancel(sheet);
        DialogBoxParamA(library, MAKEINTRESOURCEA(DialogTemplate), sheet, NothingProc, 0);
        *ok = CancelledAtIdle(nullptr);
    } else if (verb == "costs") {
        if (!library) {
            log("costs: no --bare library");
            *ok = false;
            return true;
        }
        Costs(sheet, std::max(1, atoi(argument.c_str())), log);
    } else {
        return false;
    }
    return true;
}

}  // namespace bare
