// The class factory of CPropertyInterface. The module owns the one factory from load to
// unload; it keeps no count of its own: every reference a client holds counts in the module
// count, which is all DllCanUnloadNow looks at.
#pragma once

#include "page/server/win32/ComHeaders.h"

namespace tarv {

class CPropertyInterfaceFactory final : public IClassFactory {
public:
    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IClassFactory
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID riid, void** ppv) override;
    STDMETHODIMP LockServer(BOOL lock) override;
};

}  // namespace tarv
