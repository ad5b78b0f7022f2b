// The COM class the shell asks for the extra tab. One reference count serves the whole object;
// each nested implementation forwards IUnknown to it. Every living object holds the module.
#pragma once

#include "page/server/win32/ComHeaders.h"

namespace tarv {

// The class's own automation interface (an empty dispinterface), used by nothing else.
extern const IID IID_IPropertyInterface;

class CPropertyInterface {
public:
    // Creates an object and answers riid of it; the creation reference is dropped once the
    // answer is out, so an unknown interface deletes the object again.
    static HRESULT CreateInstance(REFIID riid, void** ppv);

    HRESULT ExternalQueryInterface(REFIID riid, void** ppv);
    ULONG ExternalAddRef();
    ULONG ExternalRelease();

private:
    CPropertyInterface();
    ~CPropertyInterface();
    CPropertyInterface(const CPropertyInterface&) = delete;
    CPropertyInterface& operator=(const CPropertyInterface&) = delete;

    void OnFinalRelease();
    IUnknown* FindInterface(REFIID riid);

    // The automation part: an IDispatch with no members and no type information.
    class XDispatch : public IDispatch {
    public:
        explicit XDispatch(CPropertyInterface* object) : outer(object) {}
        STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
        STDMETHODIMP_(ULONG) AddRef() override;
        STDMETHODIMP_(ULONG) Release() override;
        STDMETHODIMP GetTypeInfoCount(UINT* count) override;
        STDMETHODIMP GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
        STDMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID locale,
                                   DISPID* ids) override;
        STDMETHODIMP Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                            VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override;

    private:
        CPropertyInterface* outer;
    };

    class XShellExtInit : public IShellExtInit {
    public:
        explicit XShellExtInit(CPropertyInterface* object) : outer(object) {}
        STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
        STDMETHODIMP_(ULONG) AddRef() override;
        STDMETHODIMP_(ULONG) Release() override;
        STDMETHODIMP Initialize(LPCITEMIDLIST folder, IDataObject* dataObject,
                                HKEY progIdKey) override;

    private:
        CPropertyInterface* outer;
    };

    class XShellPropSheetExt : public IShellPropSheetExt {
    public:
        explicit XShellPropSheetExt(CPropertyInterface* object) : outer(object) {}
        STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
        STDMETHODIMP_(ULONG) AddRef() override;
        STDMETHODIMP_(ULONG) Release() override;
        STDMETHODIMP AddPages(LPFNADDPROPSHEETPAGE addPage, LPARAM lParam) override;
        STDMETHODIMP ReplacePage(UINT pageId, LPFNADDPROPSHEETPAGE replaceWith,
                                 LPARAM lParam) override;

    private:
        CPropertyInterface* outer;
    };

    LONG volatile refCount;
    XDispatch dispatch;
    XShellExtInit shellExtInit;
    XShellPropSheetExt shellPropSheetExt;
};

}  // namespace tarv
