#include "tools/dispprops/DialogPhases.h"

#include "page/CVDPropPage.h"
#include "page/CachedModuleVersion.h"
#include "page/refresh/CRefreshRatesDialog.h"
#include "page/win32/Win32ModuleVersion.h"
#include "platform/win32/Win32Platform.h"
#include "resources/page/PageResources.h"
#include "resources/page/RefreshResources.h"
#include "tools/common/Log.h"
#include "tools/dispprops/BareTemplates.h"
#include "tools/dispprops/Sheet.h"
#include "tools/dispprops/SheetSteps.h"
#include "tools/dispprops/TimedCalls.h"
#include "ui/win32/PropertyPage.h"
#include "ui/win32/TopLevelOwnerRunner.h"
#include "ui/win32/Win32ModalRunner.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace dispprops {

using bare::Now;
using tools::Log;

namespace {

// The dialog's logic, with the times its window was initialised.
class TimedLogic : public tarv::DialogLogic {
public:
    TimedLogic(tarv::DialogLogic& inner, bare::ModalTimes* times) : in_(inner), times_(times) {}

    bool OnInitDialog() override
    {
        times_->init = Now();
        const bool result = in_.OnInitDialog();
        times_->initDone = Now();
        return result;
    }
    bool OnCommand(int id) override { return in_.OnCommand(id); }
    bool OnRButtonDown(unsigned keyFlags) override { return in_.OnRButtonDown(keyFlags); }

private:
    tarv::DialogLogic& in_;
    bare::ModalTimes* times_;
};

// The page's logic, with the times its window was initialised and its calls counted afresh.
class TimedPageLogic : public tarv::PropertyPageLogic {
public:
    TimedPageLogic(tarv::PropertyPageLogic& inner, double* spent, bare::ModalTimes* times)
        : in_(inner), spent_(spent), times_(times)
    {
    }

    bool OnInitDialog() override
    {
        for (int phase = 0; phase < CallPhases; ++phase) spent_[phase] = 0;
        times_->init = Now();
        const bool result = in_.OnInitDialog();
        times_->initDone = Now();
        return result;
    }
    bool OnCommand(int id) override { return in_.OnCommand(id); }
    bool OnHScroll(int id) override { return in_.OnHScroll(id); }
    bool OnRButtonDown(unsigned keyFlags) override { return in_.OnRButtonDown(keyFlags); }
    bool OnApply() override { return in_.OnApply(); }
    void OnReset() override { in_.OnReset(); }

private:
    tarv::PropertyPageLogic& in_;
    double* spent_;
    bare::ModalTimes* times_;
};

// The library's settings page as the library builds it, from its own template, strings and
// version, but with every call timed; a page of the sheet titled "Timed".
struct TimedPage {
    explicit TimedPage(HINSTANCE library)
        : dialog(window, spent),
          registry(spent),
          strings(library, spent),
          platform(library),
          version(library),
          cachedVersion(version),
          sheet(window),
          runner(library, window),
          logic(dialog, sheet, registry, platform, cachedVersion, runner, strings),
          timed(logic, spent, &times),
          page(library, IDD_SETTINGS_PAGE, timed, window)
    {
    }

    double spent[CallPhases] = {};
    bare::ModalTimes times = {};
    tarv::Win32Dialog window;
    TimedDialog dialog;
    TimedRegistry registry;
    TimedStrings strings;
    tarv::Win32Platform platform;
    tarv::Win32ModuleVersion version;
    tarv::CachedModuleVersion cachedVersion;
    tarv::Win32PageSheet sheet;
    tarv::TopLevelOwnerRunner runner;
    tarv::CVDPropPage logic;
    TimedPageLogic timed;
    tarv::CPropertyPage page;
};

TimedPage* timedPage = nullptr;

// One opening's times, by what a phase table row shows.
enum Row {
    Created, RowReading, RowFilling, RowLayout, RowTexts, RowSelections, RowEnabling,
    RowTrackbar, OwnCode, Shown, Total, Closed, Rows
};
const char* const RowNames[Rows] = {
    "windows created", "reading", "filling the lists", "layout", "texts", "selections",
    "enabling and check marks", "trackbar", "its own code", "shown and painted", "total",
    "then cancelled and closed",
};

typedef std::vector<double> Samples[Rows];

void AddRun(const bare::ModalTimes& times, const double* spent, Samples* samples)
{
    double calls = 0;
    for (int phase = 0; phase < CallPhases; ++phase) calls += spent[phase];
    const double rows[Rows] = {
        times.init - times.start, spent[Reading], spent[Filling], spent[Layout], spent[Texts],
        spent[Selections], spent[Enabling], spent[Trackbar], times.initDone - times.init - calls,
        times.shown - times.initDone, times.shown - times.start,
        times.closed ? times.closed - times.shown : 0,
    };
    for (int row = 0; row < Rows; ++row) (*samples)[row].push_back(rows[row]);
}

bool TimeDialog(HWND sheet, Samples* samples)
{
    double spent[CallPhases] = {};
    const HINSTANCE library = bare::Library();
    tarv::Win32ModalRunner runner(library, sheet);
    TimedDialog dialog(runner.Window(), spent);
    TimedRegistry registry(spent);
    TimedStrings strings(library, spent);
    tarv::Win32Platform platform(library);
    tarv::CRefreshRatesDialog logic(dialog, registry, platform, strings);
    bare::ModalTimes times = {};
    TimedLogic timed(logic, &times);
    bare::ArmIdleCancel(sheet);
    times.start = Now();
    runner.Run(IDD_REFRESH_RATES, timed);
    times.closed = Now();
    if (!bare::CancelledAtIdle(&times.shown)) return false;
    AddRun(times, spent, samples);
    return true;
}

bool TimeBare(HWND sheet, Samples* samples)
{
    const double spent[CallPhases] = {};
    bare::ModalTimes times = {};
    if (!bare::TimeBareDialog(sheet, &times)) return false;
    AddRun(times, spent, samples);
    return true;
}

double Median(std::vector<double> values)
{
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::string Medians(const Samples& samples)
{
    std::string line;
    for (int row = 0; row < Rows; ++row) {
        char part[80];
        snprintf(part, sizeof part, "%s%s %.3f", row ? ", " : "", RowNames[row],
                 Median(samples[row]));
        line += part;
    }
    return line;
}

// The tab titled title selected and the sheet painted, timed; false when there is no such tab.
bool TimeTab(const char* title, Samples* samples)
{
    bare::ModalTimes times = {};
    times.start = Now();
    if (!SelectTab(sheet, title)) return false;
    RedrawWindow(sheet, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    times.shown = Now();
    const double none[CallPhases] = {};
    if (timedPage && std::string(title) == TimedPageTitle) {
        times.init = timedPage->times.init;
        times.initDone = timedPage->times.initDone;
        AddRun(times, timedPage->spent, samples);
    } else {
        times.init = times.initDone = bare::LastInitTime();
        AddRun(times, none, samples);
    }
    return true;
}

}  // namespace

const char TimedPageTitle[] = "Timed";

void AddTimedPage(std::vector<HPROPSHEETPAGE>* pages)
{
    if (!bare::Library()) return;
    if (!timedPage) timedPage = new TimedPage(bare::Library());
    PROPSHEETPAGEA* description = timedPage->page.Description();
    description->dwFlags |= PSP_USETITLE;
    description->pszTitle = TimedPageTitle;
    pages->push_back(CreatePropertySheetPageA(description));
}

bool TimePagePhases(const std::string& argument)
{
    const int rounds = std::max(1, atoi(argument.c_str()));
    Samples tab, bareTab;
    for (int round = 0; round < rounds; ++round) {
        if (!RunStep("open") || !sheet) return false;
        // Both orders, each time from the first page of a new sheet.
        const bool ok = round % 2 ? TimeTab(bare::BarePageTitle, &bareTab) && TimeTab(TimedPageTitle, &tab)
                                  : TimeTab(TimedPageTitle, &tab) && TimeTab(bare::BarePageTitle, &bareTab);
        if (!RunStep("cancel") || !ok) {
            Log("tabphases: no \"%s\" or \"%s\" tab in round %d", TimedPageTitle,
                bare::BarePageTitle, round + 1);
            return false;
        }
    }
    Log("phases of the tab (median of %d, ms): %s", rounds, Medians(tab).c_str());
    Log("phases of its bare template 501 (median of %d, ms): %s", rounds, Medians(bareTab).c_str());
    return true;
}

bool TimeDialogPhases(const std::string& argument, HWND sheet)
{
    const int rounds = std::max(1, atoi(argument.c_str()));
    if (!bare::Library() || !sheet) {
        Log("dlgphases: no --bare library or no sheet");
        return false;
    }
    Samples dialog, bareTemplate;
    for (int round = 0; round < rounds; ++round) {
        // Both orders, as the warmer second run of a pair is the faster.
        const bool ok = round % 2 ? TimeBare(sheet, &bareTemplate) && TimeDialog(sheet, &dialog)
                                  : TimeDialog(sheet, &dialog) && TimeBare(sheet, &bareTemplate);
        if (!ok) {
            Log("dlgphases: a dialog did not come up in round %d", round + 1);
            return false;
        }
    }
    Log("phases of the dialog (median of %d, ms): %s", rounds, Medians(dialog).c_str());
    Log("phases of its bare template 502 (median of %d, ms): %s", rounds,
        Medians(bareTemplate).c_str());
    return true;
}

}  // namespace dispprops
