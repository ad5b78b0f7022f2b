// The class factory of CPropertyInterface. The module owns the one factory from load to
// unload; its reference count starts at the module's own reference, so a count above 1 means
// a client holds it.
#pragma once

#include "page/server/win32/ComHeaders.h"

namespace tarv {

class CPropertyInterfaceFactory final : public IClassFactory {
public:
    CPropertyInterfaceFactory() : refCount(1) {}

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IClassFactory
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID riid, void** ppv) override;
    STDMETHODIMP LockServer(BOOL lock) override;

    // True while a client holds a reference besides the module's own.
    bool IsHeldByClient() const { return refCount > 1; }

private:
    LONG volatile refCount;
};

}  // namespace tarv
