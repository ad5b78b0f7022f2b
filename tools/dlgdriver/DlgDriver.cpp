// dlgdriver: plays a user on the installer's dialogs for tests and demos (not shipped).
//
// It starts TARVINST.EXE (or attaches to the one running) and runs the steps given on the
// command line, in order, logging what it saw. All four installer dialogs carry the same
// title, so a dialog is told by a control it has:
//   start:ARGS       start the program (--program, default TARVINST.EXE) with ARGS; it becomes
//                    the process the steps work on
//   shell:LINE       the same with the command line LINE as it stands, as Add/Remove Programs
//                    runs an entry's UninstallString (CreateProcess without a program name)
//   attach           work on the running installer (found by its main window)
//   again:ARGS       start another instance with ARGS and wait for it to end; the steps stay
//                    with the first
//   wait:ID          wait for a dialog of the process with control ID; it becomes the current one
//   click:ID         BM_CLICK on control ID
//   key:VK           a key press for the dialog (13 Enter, 27 Escape)
//   close            the close box (WM_SYSCOMMAND SC_CLOSE)
//   gesture:ID[:MK]  the cursor over control ID, then WM_RBUTTONDOWN with the key flags MK
//                    (hex; default MK_LBUTTON|MK_SHIFT|MK_CONTROL)
//   text:ID | enabled:ID | checked:ID   log a control's text, enabled state, check state
//   caption          log the dialog's title
//   rect             log the dialog's window rectangle (left,top,width,height)
//   move:X:Y         move the dialog there, keeping its size (as a drag does)
//   answer           wait for a message box (caption and text are logged, OK pressed)
//   foreground       log the class and title of the foreground window
//   exit             wait for the process to end and log its exit code
//   until:PATH       wait until the file PATH exists (a demo takes a screenshot meanwhile)
//   sleep:MS         pause
// A message box met while waiting is always answered with OK and logged.
//
// Options (before the steps): --log FILE (append the log there as well as to stdout),
// --program PATH.
#include "tools/common/Log.h"
#include "tools/common/WindowText.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const DWORD WaitLimit = 15000;
const DWORD PollInterval = 50;

std::string program = "TARVINST.EXE";
HANDLE process = nullptr;
DWORD processId = 0;
HWND dialog = nullptr;
int messageBoxCount = 0;

using tools::Log;

// A window's text through WM_GETTEXT (GetWindowTextA does not ask other processes' controls),
// on one line.
std::string WindowText(HWND window)
{
    char text[1024] = "";
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                        SMTO_NORMAL, 5000, &result);
    text[sizeof text - 1] = 0;
    return tools::OneLine(text);
}

using tools::ClassName;

bool IsDialogOfProcess(HWND window)
{
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    return owner == processId && IsWindowVisible(window) && ClassName(window) == "#32770";
}

// A message box is a dialog whose text sits in the static 0xFFFF.
bool IsMessageBox(HWND window) { return GetDlgItem(window, 0xFFFF) != nullptr; }

struct Search {
    int controlId;  // 0: a message box
    HWND found;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM lParam)
{
    Search* search = reinterpret_cast<Search*>(lParam);
    if (!IsDialogOfProcess(window)) return TRUE;
    bool match = search->controlId ? (!IsMessageBox(window) && GetDlgItem(window, search->controlId))
                                   : IsMessageBox(window);
    if (!match) return TRUE;
    search->found = window;
    return FALSE;
}

HWND FindProcessDialog(int controlId)
{
    if (!processId) return nullptr;
    Search search = {controlId, nullptr};
    EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Logs and closes every message box the process shows; true when there was one.
bool AnswerMessageBoxes()
{
    bool answered = false;
    while (HWND box = FindProcessDialog(0)) {
        if (GetPropA(box, "dlgdriver.answered")) break;  // still closing
        SetPropA(box, "dlgdriver.answered", reinterpret_cast<HANDLE>(1));
        ++messageBoxCount;
        Log("message box: caption \"%s\" text \"%s\"", WindowText(box).c_str(),
            WindowText(GetDlgItem(box, 0xFFFF)).c_str());
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        answered = true;
        Sleep(PollInterval);
    }
    return answered;
}

bool ProcessEnded() { return process && WaitForSingleObject(process, 0) == WAIT_OBJECT_0; }

// Gives the program time to handle what was sent or posted to it.
void Settle()
{
    Sleep(150);
    if (dialog && IsWindow(dialog)) {
        DWORD_PTR result;
        SendMessageTimeoutA(dialog, WM_NULL, 0, 0, SMTO_NORMAL, 2000, &result);
    }
}

bool WaitForDialog(int controlId)
{
    for (DWORD start = GetTickCount(); GetTickCount() - start < WaitLimit; Sleep(PollInterval)) {
        AnswerMessageBoxes();
        if (HWND found = FindProcessDialog(controlId)) {
            dialog = found;
            Sleep(100);  // let it finish its initialisation
            Log("dialog with %d: \"%s\"", controlId, WindowText(dialog).c_str());
            return true;
        }
        if (ProcessEnded()) break;
    }
    Log("no dialog with control %d", controlId);
    dialog = nullptr;
    return false;
}

bool WaitForMessageBox()
{
    for (DWORD start = GetTickCount(); GetTickCount() - start < WaitLimit; Sleep(PollInterval)) {
        if (AnswerMessageBoxes()) return true;
        if (ProcessEnded()) break;
    }
    Log("no message box");
    return false;
}

bool WaitForFile(const std::string& path)
{
    for (;; Sleep(PollInterval)) {
        AnswerMessageBoxes();
        if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
        if (ProcessEnded()) {
            Log("until: the program ended first");
            return false;
        }
    }
}

bool WaitForExit()
{
    for (DWORD start = GetTickCount(); GetTickCount() - start < WaitLimit; Sleep(PollInterval)) {
        AnswerMessageBoxes();
        if (ProcessEnded()) {
            DWORD code = 0;
            GetExitCodeProcess(process, &code);
            Log("exit code %lu", code);
            CloseHandle(process);
            process = nullptr;
            processId = 0;
            dialog = nullptr;
            return true;
        }
    }
    Log("the program is still running");
    return false;
}

bool StartCommandLine(const std::string& commandLine, const std::string& shown)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    std::string buffer = commandLine;
    if (!CreateProcessA(nullptr, &buffer[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info)) {
        Log("start %s: error %lu", commandLine.c_str(), GetLastError());
        return false;
    }
    CloseHandle(info.hThread);
    if (process) CloseHandle(process);
    process = info.hProcess;
    processId = info.dwProcessId;
    dialog = nullptr;
    Log("started with \"%s\"", shown.c_str());
    return true;
}

bool Start(const std::string& arguments)
{
    std::string commandLine = "\"" + program + "\"";
    if (!arguments.empty()) commandLine += " " + arguments;
    return StartCommandLine(commandLine, arguments);
}

bool StartAgain(const std::string& arguments)
{
    HANDLE first = process;
    DWORD firstId = processId;
    HWND current = dialog;
    process = nullptr;
    bool ended = Start(arguments) && WaitForExit();
    if (process) CloseHandle(process);
    process = first;
    processId = firstId;
    dialog = current;
    return ended;
}

bool Attach()
{
    HWND main = FindWindowA("TARV_class", "Tarvello");
    if (!main) {
        Log("attach: no installer is running");
        return false;
    }
    GetWindowThreadProcessId(main, &processId);
    if (process) CloseHandle(process);
    process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, processId);
    dialog = nullptr;
    Log("attached");
    return process != nullptr;
}

HWND Control(int id, const char* step)
{
    HWND control = dialog ? GetDlgItem(dialog, id) : nullptr;
    if (!control) Log("%s: no control %d in the current dialog", step, id);
    return control;
}

void Gesture(HWND control, int id, unsigned flags)
{
    RECT box;
    GetWindowRect(control, &box);
    POINT centre = {(box.left + box.right) / 2, (box.top + box.bottom) / 2};
    // Wine hands a moved cursor to other processes with a delay: wait until it has arrived.
    SetCursorPos(centre.x, centre.y);
    for (int tries = 0; tries < 20; ++tries) {
        POINT now;
        GetCursorPos(&now);
        if (now.x == centre.x && now.y == centre.y) break;
        Sleep(PollInterval);
    }
    Sleep(200);
    POINT client = centre;
    ScreenToClient(dialog, &client);
    DWORD_PTR result;
    SendMessageTimeoutA(dialog, WM_RBUTTONDOWN, flags, MAKELPARAM(client.x, client.y),
                        SMTO_NORMAL, 2000, &result);
    Log("gesture 0x%X over %d", flags, id);
}

bool RunStep(const std::string& step)
{
    std::string verb = step.substr(0, step.find(':'));
    std::string argument = step.find(':') == std::string::npos ? "" : step.substr(step.find(':') + 1);
    int id = atoi(argument.c_str());
    const bool needsDialog = verb == "click" || verb == "key" || verb == "close" ||
                             verb == "gesture" || verb == "text" || verb == "enabled" ||
                             verb == "checked" || verb == "caption" || verb == "rect" ||
                             verb == "move";
    if (needsDialog && !(dialog && IsWindow(dialog))) {
        Log("%s: no current dialog", step.c_str());
        return false;
    }
    if (verb == "start") return Start(argument);
    if (verb == "shell") return StartCommandLine(argument, argument);
    if (verb == "attach") return Attach();
    if (verb == "again") return StartAgain(argument);
    if (verb == "wait") return WaitForDialog(id);
    if (verb == "answer") return WaitForMessageBox();
    if (verb == "exit") return WaitForExit();
    if (verb == "until") return WaitForFile(argument);
    if (verb == "sleep") {
        Sleep(static_cast<DWORD>(id));
        return true;
    }
    if (verb == "foreground") {
        HWND window = GetForegroundWindow();
        Log("foreground: %s \"%s\"", window ? ClassName(window).c_str() : "none",
            window ? WindowText(window).c_str() : "");
        return true;
    }
    if (verb == "click") {
        HWND control = Control(id, "click");
        if (!control) return false;
        // A click that opens a message box returns only when the box closes: do not wait for it.
        DWORD_PTR result;
        SendMessageTimeoutA(control, BM_CLICK, 0, 0, SMTO_NORMAL, 500, &result);
        Log("clicked %d", id);
    } else if (verb == "key") {
        // The dialog's message loop turns Enter and Escape into commands (IsDialogMessage).
        PostMessageA(dialog, WM_KEYDOWN, id, 1);
        PostMessageA(dialog, WM_KEYUP, id, 0xC0000001);
        Log("key %d", id);
    } else if (verb == "close") {
        DWORD_PTR result;
        SendMessageTimeoutA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0, SMTO_NORMAL, 500, &result);
        Log("closed");
    } else if (verb == "gesture") {
        HWND control = Control(id, "gesture");
        if (!control) return false;
        std::string::size_type colon = argument.find(':');
        unsigned flags = colon == std::string::npos
                             ? MK_LBUTTON | MK_SHIFT | MK_CONTROL
                             : static_cast<unsigned>(strtoul(argument.c_str() + colon + 1, nullptr, 16));
        Gesture(control, id, flags);
    } else if (verb == "text") {
        HWND control = Control(id, "text");
        if (!control) return false;
        Log("text %d \"%s\"", id, WindowText(control).c_str());
    } else if (verb == "enabled") {
        HWND control = Control(id, "enabled");
        if (!control) return false;
        Log("enabled %d %d", id, IsWindowEnabled(control) ? 1 : 0);
    } else if (verb == "checked") {
        HWND control = Control(id, "checked");
        if (!control) return false;
        DWORD_PTR state = 0;
        SendMessageTimeoutA(control, BM_GETCHECK, 0, 0, SMTO_NORMAL, 2000, &state);
        Log("checked %d %d", id, static_cast<int>(state));
    } else if (verb == "caption") {
        Log("caption \"%s\"", WindowText(dialog).c_str());
    } else if (verb == "rect") {
        RECT box;
        GetWindowRect(dialog, &box);
        Log("rect %ld,%ld,%ld,%ld", box.left, box.top, box.right - box.left, box.bottom - box.top);
    } else if (verb == "move") {
        int x = atoi(argument.c_str());
        int y = atoi(argument.substr(argument.find(':') + 1).c_str());
        RECT box;
        GetWindowRect(dialog, &box);
        MoveWindow(dialog, x, y, box.right - box.left, box.bottom - box.top, TRUE);
        Log("moved to %d,%d", x, y);
    } else {
        Log("unknown step \"%s\"", step.c_str());
        return false;
    }
    Settle();
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    int first = 1;
    for (; first < argc && strncmp(argv[first], "--", 2) == 0; ++first) {
        std::string option = argv[first];
        if (option == "--log" && first + 1 < argc) {
            tools::OpenLogFile(argv[++first]);
        } else if (option == "--program" && first + 1 < argc) {
            program = argv[++first];
        } else {
            fprintf(stderr, "dlgdriver: unknown option %s\n", option.c_str());
            return 2;
        }
    }
    int failures = 0;
    for (int i = first; i < argc; ++i)
        if (!RunStep(argv[i])) ++failures;
    if (process) CloseHandle(process);
    Log("done: %d step(s) failed, %d message box(es)", failures, messageBoxCount);
    tools::CloseLogFile();
    return failures ? 1 : 0;
}
