#include "tools/dispprops/DialogPhases.h"

#include "page/CVDPropPage.h"
#include "page/CachedModuleVersion.h"
#include "page/refresh/CRefreshRatesDialog.h"
#include "page/win32/Win32ModuleVersion.h"
#include "platform/win32/Win32Platform.h"
#include "platform/win32/Win32StringTable.h"
#include "registry/win32/Win32Registry.h"
#include "resources/page/PageResources.h"
#include "resources/page/RefreshResources.h"
#include "tools/common/Log.h"
#include "tools/dispprops/BareTemplates.h"
#include "tools/dispprops/Sheet.h"
#include "tools/dispprops/SheetSteps.h"
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

// What a window's calls are spent on while it opens; the few calls of no phase of their own
// (the cursor, the window's own place) count with the trackbar.
enum Phase { Reading, Filling, Layout, Texts, Selections, Enabling, Trackbar, CallPhases };

// Adds the time of its own lifetime to one phase.
class Span {
public:
    Span(double* spent, Phase phase) : spent_(spent + phase), start_(Now()) {}
    ~Span() { *spent_ += Now() - start_; }

private:
    double* spent_;
    double start_;
};

class TimedDialog : public tarv::Dialog {
public:
    TimedDialog(tarv::Dialog& inner, double* spent) : in_(inner), spent_(spent) {}

    unsigned GetCheck(int id) override { Span s(spent_, Enabling); return in_.GetCheck(id); }
    void SetCheck(int id, unsigned state) override { Span s(spent_, Enabling); in_.SetCheck(id, state); }
    void SetText(int id, const char* text) override { Span s(spent_, Texts); in_.SetText(id, text); }
    void GetText(int id, char* buffer, unsigned size) override
    {
        Span s(spent_, Texts);
        in_.GetText(id, buffer, size);
    }
    void SetUnsigned(int id, unsigned value) override { Span s(spent_, Texts); in_.SetUnsigned(id, value); }
    void SetCaption(const char* text) override { Span s(spent_, Texts); in_.SetCaption(text); }
    void Enable(int id, bool enabled) override { Span s(spent_, Enabling); in_.Enable(id, enabled); }
    bool IsEnabled(int id) override { Span s(spent_, Enabling); return in_.IsEnabled(id); }
    void TrackbarClearTics(int id, bool redraw) override
    {
        Span s(spent_, Trackbar);
        in_.TrackbarClearTics(id, redraw);
    }
    void TrackbarSetTicFreq(int id, int frequency) override
    {
        Span s(spent_, Trackbar);
        in_.TrackbarSetTicFreq(id, frequency);
    }
    void TrackbarSetRangeMin(int id, bool redraw, int minimum) override
    {
        Span s(spent_, Trackbar);
        in_.TrackbarSetRangeMin(id, redraw, minimum);
    }
    void TrackbarSetRangeMax(int id, bool redraw, int maximum) override
    {
        Span s(spent_, Trackbar);
        in_.TrackbarSetRangeMax(id, redraw, maximum);
    }
    void TrackbarSetPos(int id, bool redraw, int position) override
    {
        Span s(spent_, Trackbar);
        in_.TrackbarSetPos(id, redraw, position);
    }
    int TrackbarGetPos(int id) override { Span s(spent_, Trackbar); return in_.TrackbarGetPos(id); }
    void MoveControl(int id, const tarv::DialogRect& rect) override
    {
        Span s(spent_, Layout);
        in_.MoveControl(id, rect);
    }
    bool CursorInControl(int id) override { Span s(spent_, Trackbar); return in_.CursorInControl(id); }
    void ComboResetContent(int id) override { Span s(spent_, Filling); in_.ComboResetContent(id); }
    int ComboAddString(int id, const char* text) override
    {
        Span s(spent_, Filling);
        return in_.ComboAddString(id, text);
    }
    int ComboGetCurSel(int id) override { Span s(spent_, Selections); return in_.ComboGetCurSel(id); }
    int ComboSelectString(int id, int start, const char* text) override
    {
        Span s(spent_, Selections);
        return in_.ComboSelectString(id, start, text);
    }
    int ComboGetLBText(int id, int index, char* buffer, unsigned size) override
    {
        Span s(spent_, Selections);
        return in_.ComboGetLBText(id, index, buffer, size);
    }
    int ComboFindStringExact(int id, int start, const char* text) override
    {
        Span s(spent_, Selections);
        return in_.ComboFindStringExact(id, start, text);
    }
    void ComboSetCurSel(int id, int index) override { Span s(spent_, Selections); in_.ComboSetCurSel(id, index); }
    void CheckRadioButton(int first, int last, int check) override
    {
        Span s(spent_, Enabling);
        in_.CheckRadioButton(first, last, check);
    }
    void GetWindowRect(tarv::DialogRect* screen) override { Span s(spent_, Trackbar); in_.GetWindowRect(screen); }
    void MoveWindow(int left, int top, int width, int height) override
    {
        Span s(spent_, Trackbar);
        in_.MoveWindow(left, top, width, height);
    }
    int ScreenWidth() override { return in_.ScreenWidth(); }
    int ScreenHeight() override { return in_.ScreenHeight(); }
    void EndDialog(int result) override { in_.EndDialog(result); }
    void ShowMessage(const char* text, const char* caption, unsigned style) override
    {
        in_.ShowMessage(text, caption, style);
    }

private:
    tarv::Dialog& in_;
    double* spent_;
};

class TimedRegistry : public tarv::Registry {
public:
    explicit TimedRegistry(double* spent) : spent_(spent) {}

    tarv::RegResult OpenKey(tarv::RegHive hive, const char* path, unsigned long access,
                            tarv::RegKey* key) override
    {
        Span s(spent_, Reading);
        return in_.OpenKey(hive, path, access, key);
    }
    tarv::RegResult CreateKey(tarv::RegHive hive, const char* path, const char* keyClass,
                              unsigned long access, tarv::RegKey* key) override
    {
        Span s(spent_, Reading);
        return in_.CreateKey(hive, path, keyClass, access, key);
    }
    tarv::RegResult QueryValue(tarv::RegKey key, const char* name, unsigned long* type,
                               unsigned char* data, unsigned long* size) override
    {
        Span s(spent_, Reading);
        return in_.QueryValue(key, name, type, data, size);
    }
    tarv::RegResult SetValue(tarv::RegKey key, const char* name, unsigned long type,
                             const unsigned char* data, unsigned long size) override
    {
        Span s(spent_, Reading);
        return in_.SetValue(key, name, type, data, size);
    }
    tarv::RegResult DeleteValue(tarv::RegKey key, const char* name) override
    {
        Span s(spent_, Reading);
        return in_.DeleteValue(key, name);
    }
    tarv::RegResult DeleteKey(tarv::RegHive hive, const char* path) override
    {
        Span s(spent_, Reading);
        return in_.DeleteKey(hive, path);
    }
    tarv::RegResult CloseKey(tarv::RegKey key) override
    {
        Span s(spent_, Reading);
        return in_.CloseKey(key);
    }
    tarv::RegResult EnumKey(tarv::RegKey key, unsigned long index, char* name,
                            unsigned long size) override
    {
        Span s(spent_, Reading);
        return in_.EnumKey(key, index, name, size);
    }

private:
    tarv::Win32Registry in_;
    double* spent_;
};

class TimedStrings : public tarv::StringTable {
public:
    TimedStrings(HINSTANCE module, double* spent) : in_(module), spent_(spent) {}

    void LoadText(unsigned id, char* buffer, unsigned size) override
    {
        Span s(spent_, Texts);
        in_.LoadText(id, buffer, size);
    }

private:
    tarv::Win32StringTable in_;
    double* spent_;
};

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
