#include "tools/dispprops/ShellLoader.h"

namespace dispprops {

namespace {

typedef HANDLE(WINAPI* CreateArray)(HKEY root, const WCHAR* subKey, UINT maxHandlers);
typedef UINT(WINAPI* AddFromArray)(HANDLE array, LPFNADDPROPSHEETPAGE addPage, LPARAM lParam);
typedef void(WINAPI* DestroyArray)(HANDLE array);

const UINT MaxHandlers = 16;

}  // namespace

unsigned AddPagesThroughShell(const std::string& panel, LPFNADDPROPSHEETPAGE addPage,
                              LPARAM lParam, std::string* problem)
{
    HMODULE shell = LoadLibraryA("shell32.dll");
    CreateArray create = shell ? reinterpret_cast<CreateArray>(
                                     GetProcAddress(shell, MAKEINTRESOURCEA(168)))
                               : nullptr;
    AddFromArray add = shell ? reinterpret_cast<AddFromArray>(
                                   GetProcAddress(shell, MAKEINTRESOURCEA(167)))
                             : nullptr;
    DestroyArray destroy = shell ? reinterpret_cast<DestroyArray>(
                                       GetProcAddress(shell, MAKEINTRESOURCEA(169)))
                                 : nullptr;
    if (!create || !add || !destroy) {
        *problem = "shell32 lacks ordinals 167 to 169";
        return 0;
    }
    // The NT shell32 (and Wine's) takes the key as a wide string.
    const std::string key =
        "Software\\Microsoft\\Windows\\CurrentVersion\\Controls Folder\\" + panel;
    WCHAR wide[256] = L"";
    MultiByteToWideChar(CP_ACP, 0, key.c_str(), -1, wide, 256);
    HANDLE array = create(HKEY_LOCAL_MACHINE, wide, MaxHandlers);
    if (!array) {
        *problem = "SHCreatePropSheetExtArray found no handler";
        return 0;
    }
    const unsigned added = add(array, addPage, lParam);
    destroy(array);
    return added;
}

}  // namespace dispprops
