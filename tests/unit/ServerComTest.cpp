// The COM face of the real TARVPAGE.DLL under Wine: class object, factory, interface map,
// shared reference count, the shell interfaces and what keeps the library loaded.
#include <windows.h>
#include <ole2.h>
#include <prsht.h>
#include <shlobj.h>

#include "CallSite.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const CLSID ClassId = {
    0x7D2E41C6, 0x3A5F, 0x4B10, {0x9C, 0x84, 0x2F, 0x61, 0xA0, 0xD9, 0xE3, 0x75}};
// The class's own automation interface.
const IID OwnAutomationId = {
    0x0C8E5B1A, 0x94D2, 0x4E37, {0xB6, 0xF0, 0x3A, 0x71, 0xC2, 0xD8, 0xE9, 0x54}};
void* const Marker = reinterpret_cast<void*>(0x5A5A5A5A);

typedef HRESULT(STDAPICALLTYPE* GetClassObjectEntry)(REFCLSID, REFIID, void**);
typedef HRESULT(STDAPICALLTYPE* PlainEntry)();

class ServerCom : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The build's path as Wine sees it through drive Z:.
        std::string path = std::string("Z:") + TARVPAGE_PATH;
        for (char& c : path)
            if (c == '/') c = '\\';
        library = LoadLibraryA(path.c_str());
        ASSERT_NE(nullptr, library) << path;
        getClassObject = reinterpret_cast<GetClassObjectEntry>(
            GetProcAddress(library, "DllGetClassObject"));
        canUnloadNow = reinterpret_cast<PlainEntry>(GetProcAddress(library, "DllCanUnloadNow"));
        ASSERT_TRUE(getClassObject && canUnloadNow);
        ASSERT_EQ(S_OK, canUnloadNow()) << "nothing holds a freshly loaded library";
    }
    void TearDown() override
    {
        if (library) FreeLibrary(library);
    }

    IClassFactory* Factory(tarv::CallSite site = tarv::CallSite())
    {
        tarv::CallerTrace trace(site);
        void* factory = Marker;
        EXPECT_EQ(S_OK, getClassObject(ClassId, IID_IClassFactory, &factory));
        return static_cast<IClassFactory*>(factory);
    }
    template <class T>
    T* Create(REFIID riid, tarv::CallSite site = tarv::CallSite())
    {
        tarv::CallerTrace trace(site);
        IClassFactory* factory = Factory(site);
        void* object = Marker;
        EXPECT_EQ(S_OK, factory->CreateInstance(nullptr, riid, &object));
        factory->Release();
        return static_cast<T*>(object);
    }

    HMODULE library = nullptr;
    GetClassObjectEntry getClassObject = nullptr;
    PlainEntry canUnloadNow = nullptr;
};

BOOL CALLBACK KeepPage(HPROPSHEETPAGE page, LPARAM pages)
{
    reinterpret_cast<std::vector<HPROPSHEETPAGE>*>(pages)->push_back(page);
    return TRUE;
}

}  // namespace

TEST_F(ServerCom, OnlyItsOwnClassIsAvailable)
{
    void* object = Marker;
    EXPECT_EQ(CLASS_E_CLASSNOTAVAILABLE, getClassObject(IID_IShellExtInit, IID_IClassFactory, &object));
    EXPECT_EQ(nullptr, object);

    object = Marker;
    EXPECT_EQ(E_NOINTERFACE, getClassObject(ClassId, IID_IShellExtInit, &object));
    EXPECT_EQ(nullptr, object);

    object = Marker;
    ASSERT_EQ(S_OK, getClassObject(ClassId, IID_IUnknown, &object));
    EXPECT_EQ(S_FALSE, canUnloadNow()) << "a client holds the factory";
    static_cast<IUnknown*>(object)->Release();
    EXPECT_EQ(S_OK, canUnloadNow());
}

TEST_F(ServerCom, TheFactoryRefusesAggregationAndNullResults)
{
    IClassFactory* factory = Factory();
    // Never called: the factory refuses before touching it.
    IUnknown* outer = reinterpret_cast<IUnknown*>(Marker);
    void* object = Marker;
    EXPECT_EQ(CLASS_E_NOAGGREGATION, factory->CreateInstance(outer, IID_IUnknown, &object));
    EXPECT_EQ(nullptr, object);
    EXPECT_EQ(E_POINTER, factory->CreateInstance(nullptr, IID_IUnknown, nullptr));

    // An interface the class lacks: no object is left behind.
    object = Marker;
    EXPECT_EQ(E_NOINTERFACE, factory->CreateInstance(nullptr, IID_IClassFactory, &object));
    EXPECT_EQ(nullptr, object);
    factory->Release();
    EXPECT_EQ(S_OK, canUnloadNow());
}

TEST_F(ServerCom, LockServerHoldsTheLibrary)
{
    IClassFactory* factory = Factory();
    EXPECT_EQ(S_OK, factory->LockServer(TRUE));
    factory->Release();
    EXPECT_EQ(S_FALSE, canUnloadNow());
    factory = Factory();
    EXPECT_EQ(S_OK, factory->LockServer(FALSE));
    factory->Release();
    EXPECT_EQ(S_OK, canUnloadNow());
}

TEST_F(ServerCom, TheInterfaceMapAnswersWithOneObjectAndOneCount)
{
    IShellExtInit* init = Create<IShellExtInit>(IID_IShellExtInit);
    ASSERT_NE(nullptr, init);
    EXPECT_EQ(S_FALSE, canUnloadNow()) << "a living object holds the library";

    IUnknown *unknown = nullptr, *dispatch = nullptr, *own = nullptr, *sheet = nullptr;
    ASSERT_EQ(S_OK, init->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)));
    ASSERT_EQ(S_OK, init->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch)));
    ASSERT_EQ(S_OK, init->QueryInterface(OwnAutomationId, reinterpret_cast<void**>(&own)));
    ASSERT_EQ(S_OK, init->QueryInterface(IID_IShellPropSheetExt, reinterpret_cast<void**>(&sheet)));
    // IUnknown, IDispatch and the own interface are all the automation part.
    EXPECT_EQ(unknown, dispatch);
    EXPECT_EQ(unknown, own);
    EXPECT_NE(static_cast<void*>(unknown), static_cast<void*>(init));
    EXPECT_NE(static_cast<void*>(sheet), static_cast<void*>(init));

    void* none = Marker;
    EXPECT_EQ(E_NOINTERFACE, sheet->QueryInterface(IID_IClassFactory, &none));
    EXPECT_EQ(nullptr, none);

    UINT typeInfoCount = 7;
    EXPECT_EQ(S_OK, static_cast<IDispatch*>(dispatch)->GetTypeInfoCount(&typeInfoCount));
    EXPECT_EQ(0u, typeInfoCount);

    // One count: releasing through any of the pointers adds up.
    for (IUnknown* p : {unknown, dispatch, own, sheet}) p->Release();
    EXPECT_EQ(S_FALSE, canUnloadNow());
    init->Release();
    EXPECT_EQ(S_OK, canUnloadNow()) << "the object is gone with the last reference";
}

TEST_F(ServerCom, TheShellInterfacesAnswerAsTheShellExpects)
{
    IShellExtInit* init = Create<IShellExtInit>(IID_IShellExtInit);
    ASSERT_NE(nullptr, init);
    EXPECT_EQ(S_OK, init->Initialize(nullptr, nullptr, nullptr));
    IShellPropSheetExt* extension = nullptr;
    ASSERT_EQ(S_OK, init->QueryInterface(IID_IShellPropSheetExt,
                                         reinterpret_cast<void**>(&extension)));
    init->Release();
    EXPECT_EQ(E_NOTIMPL, extension->ReplacePage(0, KeepPage, 0));
    EXPECT_EQ(E_NOTIMPL, extension->ReplacePage(0x7FFFFFFF, nullptr, 0));

    // Two calls, two sheet pages from the one settings page.
    std::vector<HPROPSHEETPAGE> pages;
    EXPECT_EQ(S_OK, extension->AddPages(KeepPage, reinterpret_cast<LPARAM>(&pages)));
    EXPECT_EQ(S_OK, extension->AddPages(KeepPage, reinterpret_cast<LPARAM>(&pages)));
    extension->Release();
    ASSERT_EQ(2u, pages.size());
    EXPECT_NE(pages[0], pages[1]);

    // The pages hold the library without any COM object.
    EXPECT_EQ(S_FALSE, canUnloadNow());
    EXPECT_TRUE(DestroyPropertySheetPage(pages[0]));
    EXPECT_EQ(S_FALSE, canUnloadNow());
    EXPECT_TRUE(DestroyPropertySheetPage(pages[1]));
    EXPECT_EQ(S_OK, canUnloadNow());
}
