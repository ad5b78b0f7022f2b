#include "page/server/win32/PropertyInterface.h"

#include "page/server/ModuleCount.h"
#include "page/server/PageHandout.h"
#include "page/server/win32/PropertyApp.h"

namespace tarv {

// {0C8E5B1A-94D2-4E37-B6F0-3A71C2D8E954}
const IID IID_IPropertyInterface = {
    0x0C8E5B1A, 0x94D2, 0x4E37, {0xB6, 0xF0, 0x3A, 0x71, 0xC2, 0xD8, 0xE9, 0x54}};

HRESULT CPropertyInterface::CreateInstance(REFIID riid, void** ppv)
{
    CPropertyInterface* object = new CPropertyInterface;
    if (!object) return E_OUTOFMEMORY;
    HRESULT result = object->ExternalQueryInterface(riid, ppv);
    object->ExternalRelease();
    return result;
}

CPropertyInterface::CPropertyInterface()
    : refCount(1), dispatch(this), shellExtInit(this), shellPropSheetExt(this)
{
    LockModule();
}

CPropertyInterface::~CPropertyInterface() { UnlockModule(); }

void CPropertyInterface::OnFinalRelease() { delete this; }

// The interface map, searched in order. IUnknown is answered by the first entry, the
// automation part.
IUnknown* CPropertyInterface::FindInterface(REFIID riid)
{
    if (IsEqualIID(riid, IID_IPropertyInterface)) return &dispatch;
    if (IsEqualIID(riid, IID_IShellExtInit)) return &shellExtInit;
    if (IsEqualIID(riid, IID_IShellPropSheetExt)) return &shellPropSheetExt;
    if (IsEqualIID(riid, IID_IDispatch)) return &dispatch;
    if (IsEqualIID(riid, IID_IUnknown)) return &dispatch;
    return 0;
}

HRESULT CPropertyInterface::ExternalQueryInterface(REFIID riid, void** ppv)
{
    if (!ppv) return E_POINTER;
    IUnknown* found = FindInterface(riid);
    *ppv = found;
    if (!found) return E_NOINTERFACE;
    ExternalAddRef();
    return S_OK;
}

// The count is read back from the member: on Windows 95 the interlocked calls return only the
// sign of the result, which is still enough to see zero.
ULONG CPropertyInterface::ExternalAddRef()
{
    InterlockedIncrement(const_cast<LONG*>(&refCount));
    return refCount;
}

ULONG CPropertyInterface::ExternalRelease()
{
    if (InterlockedDecrement(const_cast<LONG*>(&refCount)) == 0) {
        OnFinalRelease();
        return 0;
    }
    return refCount;
}

// The automation part.

STDMETHODIMP CPropertyInterface::XDispatch::QueryInterface(REFIID riid, void** ppv)
{
    return outer->ExternalQueryInterface(riid, ppv);
}

STDMETHODIMP_(ULONG) CPropertyInterface::XDispatch::AddRef() { return outer->ExternalAddRef(); }

STDMETHODIMP_(ULONG) CPropertyInterface::XDispatch::Release() { return outer->ExternalRelease(); }

STDMETHODIMP CPropertyInterface::XDispatch::GetTypeInfoCount(UINT* count)
{
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}

STDMETHODIMP CPropertyInterface::XDispatch::GetTypeInfo(UINT, LCID, ITypeInfo** info)
{
    if (info) *info = 0;
    return E_NOTIMPL;
}

STDMETHODIMP CPropertyInterface::XDispatch::GetIDsOfNames(REFIID, LPOLESTR*, UINT count, LCID,
                                                          DISPID* ids)
{
    if (ids)
        for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
    return DISP_E_UNKNOWNNAME;
}

STDMETHODIMP CPropertyInterface::XDispatch::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*,
                                                   VARIANT*, EXCEPINFO*, UINT*)
{
    return DISP_E_MEMBERNOTFOUND;
}

// IShellExtInit: the tab shows the same settings whatever the shell shows properties of.

STDMETHODIMP CPropertyInterface::XShellExtInit::QueryInterface(REFIID riid, void** ppv)
{
    return outer->ExternalQueryInterface(riid, ppv);
}

STDMETHODIMP_(ULONG) CPropertyInterface::XShellExtInit::AddRef()
{
    return outer->ExternalAddRef();
}

STDMETHODIMP_(ULONG) CPropertyInterface::XShellExtInit::Release()
{
    return outer->ExternalRelease();
}

STDMETHODIMP CPropertyInterface::XShellExtInit::Initialize(LPCITEMIDLIST, IDataObject*, HKEY)
{
    return S_OK;
}

// IShellPropSheetExt

namespace {

// AddPages on the real shell: the settings page's description, comctl32 and the shell's
// add-page callback.
class ShellSheetHost : public SheetPageHost {
public:
    ShellSheetHost(LPFNADDPROPSHEETPAGE addPage, LPARAM lParam)
        : addPage_(addPage), lParam_(lParam)
    {
    }

    void LoadText(unsigned id, char* buffer, unsigned size) override
    {
        if (LoadStringA(TheApp().instance, id, buffer, size) <= 0) buffer[0] = 0;
    }

    SheetPage CreateSheetPage(const char* title) override
    {
        PROPSHEETPAGEA* description = TheApp().SettingsPageDescription();
        if (!description) return 0;
        description->dwFlags |= PSP_USETITLE;
        description->pszTitle = title;
        return CreatePropertySheetPageA(description);
    }

    bool AddToSheet(SheetPage page) override
    {
        return addPage_(static_cast<HPROPSHEETPAGE>(page), lParam_) != FALSE;
    }

    void DestroySheetPage(SheetPage page) override
    {
        DestroyPropertySheetPage(static_cast<HPROPSHEETPAGE>(page));
    }

    void ShowDeveloperMessage(const char* text, const char* caption) override
    {
        MessageBoxA(GetFocus(), text, caption, MB_OK);
    }

    void HoldModuleForPage() override { LockModule(); }

private:
    LPFNADDPROPSHEETPAGE addPage_;
    LPARAM lParam_;
};

}  // namespace

STDMETHODIMP CPropertyInterface::XShellPropSheetExt::QueryInterface(REFIID riid, void** ppv)
{
    return outer->ExternalQueryInterface(riid, ppv);
}

STDMETHODIMP_(ULONG) CPropertyInterface::XShellPropSheetExt::AddRef()
{
    return outer->ExternalAddRef();
}

STDMETHODIMP_(ULONG) CPropertyInterface::XShellPropSheetExt::Release()
{
    return outer->ExternalRelease();
}

STDMETHODIMP CPropertyInterface::XShellPropSheetExt::AddPages(LPFNADDPROPSHEETPAGE addPage,
                                                              LPARAM lParam)
{
    ShellSheetHost host(addPage, lParam);
    return HandOutSettingsPage(host, TheApp().tabTitle);
}

STDMETHODIMP CPropertyInterface::XShellPropSheetExt::ReplacePage(UINT, LPFNADDPROPSHEETPAGE,
                                                                 LPARAM)
{
    return E_NOTIMPL;
}

}  // namespace tarv
