// regcount: how many registry calls the page and the Refresh Rates dialog make, by kind, on a
// simulated PC. It loads REGEDIT4 files into a counting in-memory registry and runs, on
// headless windows, the page's initialisation and apply, then the dialog's initialisation and
// Save, and the page's initialisation again with the copy of those saves to compare, printing
// one Markdown table row per operation.
//   regcount MACHINE-NAME TARVPAGE.RC FILE.reg...
#include "page/AboutGroup.h"
#include "page/CVDPropPage.h"
#include "page/refresh/CRefreshRatesDialog.h"
#include "platform/fake/FakePlatform.h"
#include "platform/fake/RcStringTable.h"
#include "resources/page/RefreshResources.h"
#include "tools/regcount/CountingRegistry.h"
#include "ui/headless/HeadlessDialog.h"
#include "ui/headless/HeadlessModalRunner.h"
#include "ui/headless/HeadlessPageSheet.h"

#include <cstdio>
#include <string>

using namespace tarv;

const char* const CountingRegistry::KindNames[CountingRegistry::KindCount] = {
    "open", "create", "query", "set", "delete value", "delete key", "close", "enum"};

namespace {

struct NoVersion : ModuleVersionSource {
    bool GetModulePath(char*, unsigned) override { return false; }
    bool ReadFileVersion(const char*, unsigned long*, unsigned long*) override { return false; }
};

void PrintRow(const char* machine, const char* operation, const CountingRegistry& registry)
{
    std::printf("| %s | %s |", operation, machine);
    for (int kind = 0; kind < CountingRegistry::KindCount; ++kind)
        std::printf(" %d |", registry.counts[kind]);
    std::printf(" %d |\n", registry.Total());
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: regcount MACHINE-NAME TARVPAGE.RC FILE.reg...\n");
        return 2;
    }
    const char* machine = argv[1];
    // The counts depend only on the dialog's special item texts being distinct.
    FakeStringTable strings;
    const std::string problem = ReadRcStringTable(argv[2], &strings);
    if (!problem.empty() || strings.strings.empty()) {
        std::fprintf(stderr, "regcount: no string table in %s %s\n", argv[2], problem.c_str());
        return 1;
    }
    CountingRegistry registry;
    for (int i = 3; i < argc; ++i) {
        std::string error;
        if (!registry.LoadRegFile(argv[i], &error)) {
            std::fprintf(stderr, "regcount: %s: %s\n", argv[i], error.c_str());
            return 1;
        }
    }
    FakePlatform platform;
    platform.PoseAsWindows98();
    NoVersion version;
    HeadlessDialog pageWindow;
    HeadlessPageSheet sheet;
    HeadlessModalRunner runner;
    CVDPropPage page(pageWindow, sheet, registry, platform, version, runner, strings);

    registry.ResetCounts();
    page.OnInitDialog();
    PrintRow(machine, "page initialisation", registry);
    registry.ResetCounts();
    page.OnApply();
    PrintRow(machine, "apply", registry);

    HeadlessDialog dialogWindow;
    CRefreshRatesDialog dialog(dialogWindow, registry, platform, strings);
    registry.ResetCounts();
    dialog.OnInitDialog();
    PrintRow(machine, "dialog initialisation", registry);
    registry.ResetCounts();
    dialog.OnCommand(IDC_SAVE);
    PrintRow(machine, "dialog save", registry);
    // Now with the copy of both saves to compare with the board.
    pageWindow.Reset();
    registry.ResetCounts();
    page.OnInitDialog();
    PrintRow(machine, "page initialisation, saves remembered", registry);

    if (registry.OpenHandleCount() != 0) {
        std::fprintf(stderr, "regcount: %d key(s) left open\n", registry.OpenHandleCount());
        return 1;
    }
    return 0;
}
