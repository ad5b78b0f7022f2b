#include "page/CVDPropPage.h"

#include "page/HiddenGesture.h"
#include "page/RestoreOffer.h"
#include "page/localisation/Language.h"
#include "page/localisation/Layout.h"
#include "page/localisation/LocalisedTexts.h"
#include "page/localisation/NotSavedMessage.h"
#include "page/refresh/CRefreshRatesDialog.h"
#include "registry/OsFlavor.h"
#include "resources/page/PageResources.h"
#include "resources/page/RefreshResources.h"
#include "text/Text.h"

namespace tarv {

namespace {

// Texts in the order they are written, with the clock, the model and the version line between.
const LocalisedText GroupAndSwitchTexts[] = {
    {2, IDC_SETTINGS_GROUP}, {3, IDC_VSYNC_GROUP}, {4, IDC_OPENGL_SWAP},
    {5, IDC_D3D_SWAP},       {6, IDC_CLOCK_GROUP}, {7, IDC_ENABLE_CLOCK},
};
const LocalisedText ClockTexts[] = {
    {9, IDC_CLOCK_UNIT}, {11, IDC_RESTART_NOTE}, {13, IDC_INSTALLED_FOR},
};
const LocalisedText ButtonAndAboutTexts[] = {
    {15, IDC_FACTORY_DEFAULTS}, {16, IDC_REFRESH_RATES}, {17, IDC_ABOUT_GROUP},
    {18, IDC_PRODUCT_LINE},     {19, IDC_AUTHOR_LINE},
};

template <int N>
int Count(const LocalisedText (&)[N])
{
    return N;
}

}  // namespace

CVDPropPage::CVDPropPage(Dialog& dialog, PageSheet& sheet, Registry& registry,
                         PlatformQueries& platform, ModuleVersionSource& version,
                         ModalDialogRunner& runner, StringTable& strings)
    : modifiedSignalled(false),
      languageCycleRequest(false),
      cycledLanguage(LanguageEnglish),
      stringBase(0),
      settings(registry, dialog),
      restoreOffered(false),
      forgetRemembered(false),
      dialog_(dialog),
      sheet_(sheet),
      registry_(registry),
      platform_(platform),
      version_(version),
      runner_(runner),
      strings_(strings)
{
    textBuffer[0] = 0;
    suffixBuffer[0] = 0;
    FillBytes(&remembered, 0, sizeof remembered);
}

bool CVDPropPage::OnInitDialog()
{
    // Every page window starts afresh: flavour, switches and adapters, then the stored
    // settings (which may show a limit message before the page is first displayed).
    settings.BeginLoad(platform_);
    modifiedSignalled = false;
    languageCycleRequest = false;
    cycledLanguage = LanguageEnglish;
    stringBase = 0;
    forgetRemembered = false;
    LoadSettings();

    ApplyLanguage();
    ShowSettings();
    // A repair the registry refused is told now that the page's language is known, once per
    // opening (a later restore reloads the page without saying it again).
    if (settings.clockRepairRefused)
        ShowClockNotResetMessage(strings_, dialog_, stringBase, settings.unrepairedClock,
                                 settings.repairLimit, textBuffer, sizeof textBuffer);
    return true;
}

void CVDPropPage::LoadSettings()
{
    settings.LoadSettings();
    // Without a copy the comparison costs one open of a key that is not there.
    restoreOffered = ReachesDriverValues(settings) &&
                     ReadRememberedSettings(registry_, &remembered) &&
                     DiffersFromRemembered(registry_, settings, remembered);
}

void CVDPropPage::ShowSettings()
{
    InitClockControls();
    dialog_.SetCheck(IDC_OPENGL_SWAP, settings.openGlSwapOff ? Checked : Unchecked);
    dialog_.SetCheck(IDC_D3D_SWAP, settings.d3dSwapOff ? Checked : Unchecked);

    // Windows NT has no Direct3D switch and no refresh-rate table for the driver.
    const bool win9x = settings.osFlavor == Win9x;
    dialog_.Enable(IDC_D3D_SWAP, win9x);
    dialog_.Enable(IDC_REFRESH_RATES, win9x);
    dialog_.Show(IDC_RESTORE_NOTE, restoreOffered);
    dialog_.Show(IDC_RESTORE, restoreOffered);
}

void CVDPropPage::SetRestoreTexts()
{
    dialog_.SetText(IDC_RESTORE_NOTE, LoadLanguageString(strings_, stringBase, IDS_RESTORE_NOTE,
                                                         textBuffer, sizeof textBuffer));
    dialog_.SetText(IDC_RESTORE, LoadLanguageString(strings_, stringBase, IDS_RESTORE, textBuffer,
                                                    sizeof textBuffer));
}

bool CVDPropPage::ApplyLanguage()
{
    const int language = ChooseLanguage(platform_, &languageCycleRequest, &cycledLanguage);
    SelectStringBase(language);
    ApplyLayout(dialog_, language == LanguageEnglish ? PageLayoutEnglish : PageLayoutWide);

    SetLocalisedTexts(strings_, dialog_, stringBase, GroupAndSwitchTexts,
                      Count(GroupAndSwitchTexts), textBuffer, sizeof textBuffer);
    FormatDecimal(textBuffer, sizeof textBuffer, settings.currentClock);
    dialog_.SetText(IDC_CLOCK_VALUE, textBuffer);
    SetLocalisedTexts(strings_, dialog_, stringBase, ClockTexts, Count(ClockTexts), textBuffer,
                      sizeof textBuffer);
    dialog_.SetText(IDC_MODEL, settings.modelName);
    SetLocalisedTexts(strings_, dialog_, stringBase, ButtonAndAboutTexts,
                      Count(ButtonAndAboutTexts), textBuffer, sizeof textBuffer);

    LoadSetString(strings_, stringBase, IDS_VERSION_PREFIX, textBuffer, sizeof textBuffer);
    LoadSetString(strings_, stringBase, IDS_VERSION_SUFFIX, suffixBuffer, sizeof suffixBuffer);
    SetVersionText(version_, dialog_, IDC_VERSION_LINE, textBuffer, suffixBuffer);
    // A hidden line keeps its template's texts: only one that shows is worth the writing.
    if (restoreOffered) SetRestoreTexts();
    return true;
}

int CVDPropPage::SelectStringBase(int language)
{
    stringBase = StringBaseFor(language);
    return stringBase;
}

void CVDPropPage::InitClockControls()
{
    // A tick at every second MHz from the lower limit; line and page sizes stay the
    // control's own, so an arrow key moves the clock by 1 MHz.
    dialog_.TrackbarClearTics(IDC_CLOCK_TRACKBAR, true);
    dialog_.TrackbarSetTicFreq(IDC_CLOCK_TRACKBAR, 2);
    dialog_.TrackbarSetRangeMin(IDC_CLOCK_TRACKBAR, true, settings.lowerLimit);
    dialog_.TrackbarSetRangeMax(IDC_CLOCK_TRACKBAR, true, settings.upperLimit);
    dialog_.TrackbarSetPos(IDC_CLOCK_TRACKBAR, true, settings.currentClock);

    dialog_.SetUnsigned(IDC_CLOCK_VALUE, (unsigned)settings.currentClock);
    char number[16];
    FormatDecimal(number, sizeof number, settings.lowerLimit);
    dialog_.SetText(IDC_LOWER_LIMIT, number);
    FormatDecimal(number, sizeof number, settings.upperLimit);
    dialog_.SetText(IDC_UPPER_LIMIT, number);

    // "EnableClock" may hold any number; the box shows on or off.
    const bool enabled = settings.clockEnabled != 0;
    dialog_.SetCheck(IDC_ENABLE_CLOCK, enabled ? Checked : Unchecked);
    dialog_.Enable(IDC_CLOCK_TRACKBAR, enabled);
    EnableClockLabels(enabled);
}

void CVDPropPage::EnableClockLabels(bool enabled)
{
    dialog_.Enable(IDC_CLOCK_VALUE, enabled);
    dialog_.Enable(IDC_CLOCK_UNIT, enabled);
    dialog_.Enable(IDC_LOWER_LIMIT, enabled);
    dialog_.Enable(IDC_UPPER_LIMIT, enabled);
    dialog_.Enable(IDC_RESTART_NOTE, enabled);
}

void CVDPropPage::MarkModified()
{
    if (modifiedSignalled) return;
    sheet_.SetModified(true);
    modifiedSignalled = true;
}

void CVDPropPage::ClearModified()
{
    sheet_.SetModified(false);
    modifiedSignalled = false;
}

bool CVDPropPage::OnCommand(int id)
{
    switch (id) {
    case IDC_OPENGL_SWAP:
        OnOpenGlSwapClicked();
        return true;
    case IDC_D3D_SWAP:
        OnD3dSwapClicked();
        return true;
    case IDC_ENABLE_CLOCK:
        OnEnableClockClicked();
        return true;
    case IDC_REFRESH_RATES:
        OnRefreshRatesClicked();
        return true;
    case IDC_FACTORY_DEFAULTS:
        OnFactoryDefaults();
        return true;
    case IDC_RESTORE:
        OnRestoreClicked();
        return true;
    }
    return false;
}

int CVDPropPage::ToggleCheckBox(int id)
{
    if (dialog_.GetCheck(id) == Unchecked) {
        dialog_.SetCheck(id, Checked);
        return 1;
    }
    dialog_.SetCheck(id, Unchecked);
    return 0;
}

void CVDPropPage::OnOpenGlSwapClicked()
{
    settings.openGlSwapOff = ToggleCheckBox(IDC_OPENGL_SWAP);
    MarkModified();
}

void CVDPropPage::OnD3dSwapClicked()
{
    settings.d3dSwapOff = ToggleCheckBox(IDC_D3D_SWAP);
    MarkModified();
}

void CVDPropPage::OnEnableClockClicked()
{
    // Switching off returns the clock to its default; switching on keeps it.
    settings.SetClockEnabled(ToggleCheckBox(IDC_ENABLE_CLOCK) != 0);
    const bool enabled = settings.clockEnabled != 0;
    dialog_.Enable(IDC_CLOCK_TRACKBAR, enabled);
    dialog_.TrackbarSetPos(IDC_CLOCK_TRACKBAR, true, settings.currentClock);
    dialog_.SetUnsigned(IDC_CLOCK_VALUE, (unsigned)settings.currentClock);
    EnableClockLabels(enabled);
    MarkModified();
}

void CVDPropPage::OnRefreshRatesClicked()
{
    // The dialog writes its own values when the user saves; the page's state and its
    // modified mark stay as they are, whatever the dialog ends with.
    CRefreshRatesDialog refreshRates(runner_.Window(), registry_, platform_, strings_);
    runner_.Run(IDD_REFRESH_RATES, refreshRates);
}

void CVDPropPage::OnFactoryDefaults()
{
    settings.RestoreFactoryDefaults();
    InitClockControls();
    dialog_.SetCheck(IDC_OPENGL_SWAP, Unchecked);
    dialog_.SetCheck(IDC_D3D_SWAP, Unchecked);
    forgetRemembered = true;
    // Marked even when everything already stood at its default.
    MarkModified();
}

void CVDPropPage::OnRestoreClicked()
{
    // Read again: the Refresh Rates dialog may have saved since the page opened. Written at
    // once, like the dialog's Save; then the page shows what the boards now hold, and any
    // change the user had not applied is gone with the old view.
    bool refused = false;
    bool readWhole = true;
    if (ReadRememberedSettings(registry_, &remembered)) {
        readWhole = !remembered.unreadable;
        refused = !RestoreRemembered(registry_, settings, remembered);
    }
    settings.BeginLoad(platform_);
    forgetRemembered = false;
    LoadSettings();
    if (restoreOffered) SetRestoreTexts();
    ShowSettings();
    if (modifiedSignalled) ClearModified();
    // A copy read only in part is judged by what the boards now hold: a line that still shows
    // means something was not put back.
    if (refused || (!readWhole && restoreOffered))
        ShowNotSavedMessage(strings_, dialog_, stringBase, textBuffer, sizeof textBuffer);
}

bool CVDPropPage::OnHScroll(int controlId)
{
    // Every trackbar notification counts, also the one that ends a drag without a move.
    if (controlId == IDC_CLOCK_TRACKBAR) {
        settings.currentClock = dialog_.TrackbarGetPos(IDC_CLOCK_TRACKBAR);
        MarkModified();
    }
    dialog_.SetUnsigned(IDC_CLOCK_VALUE, (unsigned)settings.currentClock);
    return false;
}

bool CVDPropPage::OnRButtonDown(unsigned keyFlags)
{
    if (!IsHiddenGesture(keyFlags)) return false;
    if (dialog_.CursorInControl(IDC_PRODUCT_LINE)) ShowCreditMessage(dialog_);
    // The cursor is asked again: it may have moved while the credit box was open.
    if (dialog_.CursorInControl(IDC_VERSION_LINE)) {
        languageCycleRequest = true;
        ApplyLanguage();
    }
    return false;
}

bool CVDPropPage::OnApply()
{
    // Every apply writes the page's whole state, whether or not anything changed. A refused
    // value (a user without administrator rights on Windows NT) is said out loud, and the
    // sheet stays open with the page still modified; Cancel closes it as usual.
    bool saved = settings.ApplySettings(true);
    if (!RememberApply()) saved = false;
    if (!saved) {
        ShowNotSavedMessage(strings_, dialog_, stringBase, textBuffer, sizeof textBuffer);
        return false;
    }
    forgetRemembered = false;
    ClearModified();
    OnOK();
    return true;
}

bool CVDPropPage::RememberApply()
{
    // After Factory Defaults nothing is the user's own any more; without a board nothing but
    // "EnableClock" was written.
    if (forgetRemembered) return ForgetRememberedSettings(registry_);
    if (!ReachesDriverValues(settings)) return true;
    return RememberSwitches(registry_, settings.clockEnabled, settings.currentClock,
                            settings.openGlSwapOff, settings.d3dSwapOff);
}

void CVDPropPage::OnOK() {}

void CVDPropPage::OnCancel()
{
    // Nothing was written while the user worked, so there is nothing to restore.
    ClearModified();
}

}  // namespace tarv
