// AddPages: one sheet page titled with string 1, the developer messages, and the module hold
// that keeps the library loaded under every page it hands out.
#include "page/server/PageHandout.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using namespace tarv;

namespace {

// Records every platform call as one line.
class RecordingHost : public SheetPageHost {
public:
    void LoadText(unsigned id, char* buffer, unsigned size) override
    {
        log.push_back("load string " + std::to_string(id) + " into " + std::to_string(size));
        std::strncpy(buffer, "Tarvello", size);
    }
    SheetPage CreateSheetPage(const char* title) override
    {
        log.push_back(std::string("create titled ") + title);
        keptTitle = title;
        return createFails ? nullptr : &page;
    }
    bool AddToSheet(SheetPage handed) override
    {
        log.push_back(handed == &page ? "add" : "add an unknown page");
        return sheetTakesPage;
    }
    void DestroySheetPage(SheetPage handed) override
    {
        log.push_back(handed == &page ? "destroy" : "destroy an unknown page");
    }
    void ShowDeveloperMessage(const char* text, const char* caption) override
    {
        log.push_back(std::string("message \"") + text + "\" caption \"" + caption + "\"");
    }
    void HoldModuleForPage() override { log.push_back("hold module"); }

    bool createFails = false;
    bool sheetTakesPage = true;
    int page = 0;
    const char* keptTitle = nullptr;  // as a comctl32 that does not copy the text keeps it
    std::vector<std::string> log;
};

typedef std::vector<std::string> Calls;

}  // namespace

TEST(PageHandout, TheSheetTakesThePageTitledWithString1AndTheModuleIsHeld)
{
    RecordingHost host;
    TabTitle title;
    EXPECT_EQ(AddPagesOk, HandOutSettingsPage(host, title));
    EXPECT_EQ(Calls({"load string 1 into 64", "create titled Tarvello", "hold module", "add"}),
              host.log);

    // A second call hands out a second page the same way.
    host.log.clear();
    EXPECT_EQ(AddPagesOk, HandOutSettingsPage(host, title));
    EXPECT_EQ(4u, host.log.size());
}

// The sheet draws the tab long after AddPages has returned.
TEST(PageHandout, TheTitlePointerHandedToTheSheetStaysValidAfterAddPages)
{
    RecordingHost host;
    TabTitle title;
    EXPECT_EQ(AddPagesOk, HandOutSettingsPage(host, title));
    EXPECT_EQ(title.text, host.keptTitle);
    EXPECT_STREQ("Tarvello", host.keptTitle);
}

TEST(PageHandout, APageThatCannotBeCreatedIsReportedAsOutOfMemory)
{
    RecordingHost host;
    TabTitle title;
    host.createFails = true;
    EXPECT_EQ(static_cast<long>(0x8007000E), HandOutSettingsPage(host, title));
    EXPECT_EQ(Calls({"load string 1 into 64", "create titled Tarvello",
                     "message \"CreatePropertySheetPage() FAILED: hPSP is NULL\" caption "
                     "\"XShellPropSheetExt::AddPages\""}),
              host.log);
}

// The page's release callback, which the destroy sends, lets go of the hold again.
TEST(PageHandout, ARefusedPageIsReportedThenDestroyedAndTheShellStillGetsSuccess)
{
    RecordingHost host;
    TabTitle title;
    host.sheetTakesPage = false;
    EXPECT_EQ(AddPagesOk, HandOutSettingsPage(host, title));
    EXPECT_EQ(Calls({"load string 1 into 64", "create titled Tarvello", "hold module", "add",
                     "message \"lpfnAddPage() FAILED\" caption \"XShellPropSheetExt::AddPages\"",
                     "destroy"}),
              host.log);
}
