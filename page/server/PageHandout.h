// What AddPages does with the shell's sheet: build one sheet page from the settings page,
// titled with string 1, and hand it to the shell's add-page callback.
#pragma once

namespace tarv {

// HRESULT values AddPages answers with.
const long AddPagesOk = 0;                               // S_OK
const long AddPagesOutOfMemory = (long)0x8007000EUL;     // E_OUTOFMEMORY

const unsigned TabTitleSize = 64;
const unsigned TabTitleStringId = 1;  // the same in every language

// The tab title's text. A comctl32 may keep the title pointer instead of copying the text, so
// the buffer must live as long as the library, not just during AddPages.
struct TabTitle {
    char text[TabTitleSize];
};

// The platform operations of one AddPages call.
class SheetPageHost {
public:
    typedef void* SheetPage;  // HPROPSHEETPAGE

    // LoadStringA from the library's string table, truncated and terminated.
    virtual void LoadText(unsigned id, char* buffer, unsigned size) = 0;
    // Titles the settings page's description (PSP_USETITLE) and calls
    // CreatePropertySheetPageA; null on failure. title outlives the sheet page.
    virtual SheetPage CreateSheetPage(const char* title) = 0;
    // The shell's lpfnAddPage; true when the sheet took the page.
    virtual bool AddToSheet(SheetPage page) = 0;
    virtual void DestroySheetPage(SheetPage page) = 0;
    // MessageBoxA(GetFocus(), text, caption, MB_OK).
    virtual void ShowDeveloperMessage(const char* text, const char* caption) = 0;
    // Keeps the library loaded for one sheet page; the page's release callback lets go.
    virtual void HoldModuleForPage() = 0;

protected:
    ~SheetPageHost() {}
};

// title is reloaded at every call; it belongs to an object that lives as long as the library.
long HandOutSettingsPage(SheetPageHost& host, TabTitle& title);

}  // namespace tarv
