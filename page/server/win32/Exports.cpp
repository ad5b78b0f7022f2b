// The three entry points the library exports (undecorated, see TarvPage.def).
#include "page/server/ModuleCount.h"
#include "page/server/ServerRegistration.h"
#include "page/server/win32/ClassFactory.h"
#include "page/server/win32/PropertyApp.h"
#include "platform/win32/Win32Platform.h"
#include "registry/win32/Win32Registry.h"

namespace {

// {7D2E41C6-3A5F-4B10-9C84-2F61A0D9E375}
const CLSID CLSID_PropertyInterface = {
    0x7D2E41C6, 0x3A5F, 0x4B10, {0x9C, 0x84, 0x2F, 0x61, 0xA0, 0xD9, 0xE3, 0x75}};

}  // namespace

STDAPI DllGetClassObject(REFCLSID rclsid, REFIID riid, LPVOID* ppv)
{
    if (!ppv) return E_POINTER;
    *ppv = 0;
    tarv::CPropertyInterfaceFactory* factory = tarv::TheApp().factory;
    if (!factory || !IsEqualCLSID(rclsid, CLSID_PropertyInterface))
        return CLASS_E_CLASSNOTAVAILABLE;
    return factory->QueryInterface(riid, ppv);
}

STDAPI DllCanUnloadNow()
{
    tarv::CPropertyInterfaceFactory* factory = tarv::TheApp().factory;
    if (tarv::ModuleCount() != 0 || (factory && factory->IsHeldByClient())) return S_FALSE;
    return S_OK;
}

STDAPI DllRegisterServer()
{
    tarv::Win32Registry registry;
    tarv::Win32Platform platform(tarv::TheApp().instance);
    char path[MAX_PATH];
    bool havePath = platform.GetOwnModulePath(path, sizeof path);
    tarv::UpdateServerRegistration(registry, havePath ? path : 0);
    return S_OK;
}
