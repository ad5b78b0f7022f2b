// TARVINST.EXE's entry point: the start-up steps up to the hand-over to one of the two dialog
// flows. Every path ends the process with exit code 0.
#include "installer/CommandLine.h"
#include "installer/InstallState.h"
#include "installer/InstallerFlows.h"
#include "installer/Startup.h"
#include "installer/StartupOptions.h"
#include "installer/win32/MainWindow.h"
#include "page/win32/Win32ModuleVersion.h"
#include "platform/win32/Win32Platform.h"
#include "platform/win32/Win32StringTable.h"
#include "registry/win32/Win32Registry.h"
#include "ui/win32/Win32ModalRunner.h"

#include <windows.h>

namespace tarv {
namespace installer {

static const unsigned ShortTextSize = 64;
static const unsigned MessageTextSize = 512;

// An installer already running is brought forward instead of starting a second run.
static bool BringRunningInstallerForward(StringTable& strings)
{
    // The class name and title read the same in every string set.
    char className[ShortTextSize];
    char title[ShortTextSize];
    strings.LoadText(StrClassName, className, sizeof className);
    strings.LoadText(StrWindowTitle, title, sizeof title);
    HWND running = FindWindowA(className, title);
    if (!running) return false;
    // The running installer's main window is never shown; the dialog it is waiting on is its
    // last active pop-up (the window itself when none is open).
    HWND waiting = GetLastActivePopup(running);
    if (!waiting) waiting = running;
    if (IsIconic(waiting)) ShowWindow(waiting, SW_RESTORE);
    SetForegroundWindow(waiting);
    return true;
}

static void RunInstaller(HINSTANCE instance, const char* arguments)
{
    Win32StringTable strings(instance);
    if (BringRunningInstallerForward(strings)) return;

    Win32Platform platform(instance);
    const int setBase =
        StringSetBaseForLanguage(ChooseStartupLanguage(arguments, platform.GetSystemDefaultLanguage()));
    char title[ShortTextSize];
    char className[ShortTextSize];
    strings.LoadText(setBase + StrWindowTitle, title, sizeof title);
    strings.LoadText(setBase + StrClassName, className, sizeof className);

    if (!RegisterMainWindowClass(instance, className)) return;
    // Never shown; without it the dialogs simply have no owner.
    HWND mainWindow = CreateMainWindow(instance, className, title);

    // The library test comes first inside, before any registry access.
    Win32Registry registry;
    if (RunStartupDecisions(arguments, platform, registry, strings, &Installer) ==
        StartupLibraryMissing) {
        char text[MessageTextSize];
        strings.LoadText(Installer.StringSetBase + StrLibraryNotFound, text, sizeof text);
        // Owned by the hidden main window: a box owned by the desktop would disable every
        // window on the system while it is up.
        MessageBoxA(mainWindow, text, title, MB_ICONERROR);
        return;
    }

    Win32ModuleVersion ownVersion(instance);
    Win32ModalRunner dialogs(instance, mainWindow);
    OwnedMessageBoxes mainWindowBoxes(mainWindow);
    InstallerSystem system = {registry, platform, strings, ownVersion, dialogs, mainWindowBoxes};
    const int installState = DetectInstallState(registry);
    if (installState == 0)
        RunInstallFlow(system, 0);
    else
        RunMaintenanceFlow(system, installState);
}

}  // namespace installer
}  // namespace tarv

// There is no C runtime to call a WinMain.
extern "C" void WinMainCRTStartup(void)
{
    tarv::installer::RunInstaller(GetModuleHandleA(0),
                                  tarv::installer::SkipProgramName(GetCommandLineA()));
    ExitProcess(0);
}
