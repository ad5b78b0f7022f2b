// The entry points the library exports (undecorated, see TarvPage.def).
#include "page/server/ModuleCount.h"
#include "page/server/ServerRegistration.h"
#include "page/server/win32/ClassFactory.h"
#include "page/server/win32/PropertyApp.h"
#include "platform/win32/Win32Platform.h"
#include "registry/ComRegistration.h"
#include "registry/win32/Win32Registry.h"

#include <olectl.h>

namespace {

using tarv::ClassId;

// Filled in by the compiler from the class identifier's text.
constexpr CLSID CLSID_PropertyInterface = {
    ClassId.data1,
    ClassId.data2,
    ClassId.data3,
    {ClassId.data4[0], ClassId.data4[1], ClassId.data4[2], ClassId.data4[3], ClassId.data4[4],
     ClassId.data4[5], ClassId.data4[6], ClassId.data4[7]}};

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

// Objects, server locks, client holds on the factory and sheet pages all count in the one
// module count.
STDAPI DllCanUnloadNow() { return tarv::ModuleCount() != 0 ? S_FALSE : S_OK; }

STDAPI DllRegisterServer()
{
    tarv::Win32Registry registry;
    tarv::Win32Platform platform(tarv::TheApp().instance);
    char path[MAX_PATH];
    bool havePath = platform.GetOwnModulePath(path, sizeof path);
    tarv::UpdateServerRegistration(registry, havePath ? path : 0);
    return S_OK;
}

// What regsvr32 /u calls: takes away what DllRegisterServer wrote.
STDAPI DllUnregisterServer()
{
    tarv::Win32Registry registry;
    return tarv::RemoveServerRegistration(registry) ? S_OK : SELFREG_E_CLASS;
}
