#include "page/server/win32/ClassFactory.h"

#include "page/server/ModuleCount.h"
#include "page/server/win32/PropertyInterface.h"

namespace tarv {

STDMETHODIMP CPropertyInterfaceFactory::QueryInterface(REFIID riid, void** ppv)
{
    if (!ppv) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IClassFactory)) {
        *ppv = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = 0;
    return E_NOINTERFACE;
}

// A client's hold on the factory is a hold on the module, as a server lock is. The answers
// are for diagnostics only; COM never relies on them.
STDMETHODIMP_(ULONG) CPropertyInterfaceFactory::AddRef()
{
    LockModule();
    return static_cast<ULONG>(ModuleCount());
}

// Never deletes: the module destroys the factory when it unloads.
STDMETHODIMP_(ULONG) CPropertyInterfaceFactory::Release()
{
    UnlockModule();
    return static_cast<ULONG>(ModuleCount());
}

STDMETHODIMP CPropertyInterfaceFactory::CreateInstance(IUnknown* outer, REFIID riid, void** ppv)
{
    if (!ppv) return E_POINTER;
    *ppv = 0;
    if (outer) return CLASS_E_NOAGGREGATION;
    return CPropertyInterface::CreateInstance(riid, ppv);
}

STDMETHODIMP CPropertyInterfaceFactory::LockServer(BOOL lock)
{
    if (lock)
        LockModule();
    else
        UnlockModule();
    return S_OK;
}

}  // namespace tarv
