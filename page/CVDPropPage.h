// The "Tarvello" tab of the display properties: vsync switches, the graphics clock on a
// trackbar with its enable box, factory defaults and the About group. The page writes nothing
// while the user works; every change only marks it modified, and the registry is written when
// the sheet applies. Each apply is also remembered, and when a driver installation has since
// changed the boards' values a line with a Restore button offers to put them back. One object
// serves every page window the library hands out.
#pragma once

#include "page/AboutGroup.h"
#include "page/RememberedSettings.h"
#include "page/SettingsModel.h"
#include "platform/PlatformQueries.h"
#include "platform/StringTable.h"
#include "registry/Registry.h"
#include "ui/Dialog.h"
#include "ui/ModalDialogRunner.h"
#include "ui/PropertyPageLogic.h"

namespace tarv {

const unsigned PageTextSize = 512;

class CVDPropPage : public PropertyPageLogic {
public:
    // dialog is the page window the handlers work on and sheet the sheet that holds it; runner
    // runs the Refresh Rates dialog and strings is the library's string table; the other three
    // stand for the system.
    CVDPropPage(Dialog& dialog, PageSheet& sheet, Registry& registry, PlatformQueries& platform,
                ModuleVersionSource& version, ModalDialogRunner& runner, StringTable& strings);

    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    bool OnApply() override;
    bool OnCommand(int id) override;
    // Both leave the message to the default handling as well.
    bool OnHScroll(int controlId) override;
    bool OnRButtonDown(unsigned keyFlags) override;

    // Trackbar, its labels and the enable box from the settings.
    void InitClockControls();
    // Tells the sheet once that the page changed.
    void MarkModified();
    // Tells the sheet that the page is unchanged.
    void ClearModified();
    // Chooses the language (the system's, or the next of the cycle when the gesture asked for
    // it), lays the page out for it and writes every text; true.
    bool ApplyLanguage();
    // The offset of the language's string set, kept in stringBase.
    int SelectStringBase(int language);

    bool modifiedSignalled;
    bool languageCycleRequest;
    unsigned short cycledLanguage;
    int stringBase;
    char textBuffer[PageTextSize];
    char suffixBuffer[PageTextSize];
    // osFlavor, the switches, the adapter list, the clock values and modelName.
    SettingsModel settings;
    // The copy of the last saves as read at the last load, and whether it differs from the
    // boards, which shows the restore line.
    RememberedSettings remembered;
    bool restoreOffered;
    // Factory Defaults was pressed: the next apply forgets the copy instead of adding to it.
    bool forgetRemembered;

private:
    // The model from the registry, and whether the restore line shows.
    void LoadSettings();
    // The controls from the model (not the texts of the language).
    void ShowSettings();
    void SetRestoreTexts();
    // The copy follows the apply that just wrote the driver values; false when refused.
    bool RememberApply();
    void OnRestoreClicked();
    void OnOpenGlSwapClicked();
    void OnD3dSwapClicked();
    void OnEnableClockClicked();
    void OnRefreshRatesClicked();
    void OnFactoryDefaults();
    // Toggles a check box the system does not toggle itself; returns the new state as 0 or 1.
    int ToggleCheckBox(int id);
    void EnableClockLabels(bool enabled);

    Dialog& dialog_;
    PageSheet& sheet_;
    Registry& registry_;
    PlatformQueries& platform_;
    ModuleVersionSource& version_;
    ModalDialogRunner& runner_;
    StringTable& strings_;
};

}  // namespace tarv
