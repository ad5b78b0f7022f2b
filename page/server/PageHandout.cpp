#include "page/server/PageHandout.h"

namespace tarv {

namespace {
const char Caption[] = "XShellPropSheetExt::AddPages";
}

long HandOutSettingsPage(SheetPageHost& host, TabTitle& title)
{
    host.LoadText(TabTitleStringId, title.text, TabTitleSize);

    SheetPageHost::SheetPage page = host.CreateSheetPage(title.text);
    if (!page) {
        host.ShowDeveloperMessage("CreatePropertySheetPage() FAILED: hPSP is NULL", Caption);
        return AddPagesOutOfMemory;
    }
    // Held from here until the page's release callback, which comes also when the page is
    // destroyed below: a host that ignores pcRefParent must not unload us under a live page.
    host.HoldModuleForPage();

    if (!host.AddToSheet(page)) {
        host.ShowDeveloperMessage("lpfnAddPage() FAILED", Caption);
        host.DestroySheetPage(page);
    }
    return AddPagesOk;
}

}  // namespace tarv
