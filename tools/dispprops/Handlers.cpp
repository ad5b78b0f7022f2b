#include "tools/dispprops/Handlers.h"
#include "tools/dispprops/ShellLoader.h"

#include "tools/common/Log.h"

#include <ole2.h>
#include <shlobj.h>

#include <cstdio>

namespace dispprops {

using tools::Log;

namespace {

const char HandlersKeyFormat[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Controls Folder\\%s\\Shellex\\"
    "PropertySheetHandlers";

typedef HRESULT(STDAPICALLTYPE* ServerEntry)();

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

struct PageCollection {
    std::vector<HPROPSHEETPAGE>* pages;
    bool refuse;
};

BOOL CALLBACK AddPageCallback(HPROPSHEETPAGE page, LPARAM lParam)
{
    PageCollection* collection = reinterpret_cast<PageCollection*>(lParam);
    if (collection->refuse) {
        Log("add-page callback: refused a page");
        return FALSE;
    }
    collection->pages->push_back(page);
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

}  // namespace

std::vector<Handler> ReadHandlers(const std::string& panel)
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

void CollectPages(const Handler& handler, bool refuse, std::vector<HPROPSHEETPAGE>* pages)
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
        PageCollection collection = {pages, refuse};
        added = extension->AddPages(AddPageCallback, reinterpret_cast<LPARAM>(&collection));
        extension->Release();
    }
    Log("handler %s %s: Initialize %s, AddPages %s, %u page(s)", handler.name.c_str(),
        handler.classId.c_str(), HresultText(initialized).c_str(), HresultText(added).c_str(),
        static_cast<unsigned>(pages->size() - before));
}

void CollectPagesThroughShell(const std::string& panel, bool refuse,
                              std::vector<HPROPSHEETPAGE>* pages)
{
    PageCollection collection = {pages, refuse};
    std::string problem;
    unsigned added = AddPagesThroughShell(panel, AddPageCallback,
                                          reinterpret_cast<LPARAM>(&collection), &problem);
    Log("shell32 loader: %u page(s)%s%s", added, problem.empty() ? "" : ", ", problem.c_str());
}

void CanUnloadNow(const std::vector<Handler>& handlers)
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

void FreeUnusedLibraries(const std::vector<Handler>& handlers)
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

}  // namespace dispprops
