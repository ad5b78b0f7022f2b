// The Refresh Rates dialog: for each resolution of the mode table the rate the Voodoo5 driver
// uses, for one colour depth at a time or for all four at once, and the adapter-wide policy.
// Values are read from the current adapter and written to every adapter of the list, and
// only "&Save" and OK write; the dialog remembers its colour depth and link state in the
// product settings key. One object serves one modal run.
#pragma once

#include "page/refresh/ModeTable.h"
#include "page/refresh/RefreshChoice.h"
#include "platform/PlatformQueries.h"
#include "platform/StringTable.h"
#include "registry/AdapterDiscovery.h"
#include "registry/Registry.h"
#include "ui/Dialog.h"
#include "ui/DialogLogic.h"

namespace tarv {

const unsigned RefreshItemTextSize = 64;
const unsigned RefreshTextBufferSize = 512;
const int SpecialItemCount = 3;  // Adapter, Default, Optimal

class CRefreshRatesDialog : public DialogLogic {
public:
    // strings is the library's string table; platform tells the system's language.
    CRefreshRatesDialog(Dialog& dialog, Registry& registry, PlatformQueries& platform,
                        StringTable& strings);

    bool OnInitDialog() override;
    bool OnCommand(int id) override;
    // The hidden language gesture; the message goes on to the default handling.
    bool OnRButtonDown(unsigned keyFlags) override;

    // Chooses the language (the system's, or the next of the cycle when the gesture asked for
    // it), lays the dialog out for it, writes its texts and the special item texts, then reads
    // the modes again (8 bits for the items, then the depth shown with its selection), so
    // choices not yet saved are lost; true.
    bool ApplyLanguage();
    // The offset of the language's string set, kept in stringBase.
    int SelectStringBase(int language);
    // Reads depth from the current adapter; the items always come from the 8-bit keys.
    void LoadDepth(int depth, bool select);
    // The 8-bit modes for the lists, then the depth shown with its selections and enabling.
    void ShowStoredRates();
    // Every list counts as never filled.
    void ForgetFilledLists();
    // Gives mode i's list the special items (itemTexts) and the offered rates, emptying it
    // first unless it is a new window's empty list; a list that already holds exactly those
    // items keeps them and only loses its selection, which is what emptying and filling it
    // again would leave.
    void FillRateCombo(int i);
    void SelectStoredRate(const ModeEntry& entry);
    void UpdateDepthRadios(int depth);
    void UpdateAdapterRadios(int setting);
    void EnableAllModes(bool enable);
    // Writes the product key, the adapter setting and the shown depth (all four when linked),
    // then shows in each field written what it now holds. False when the registry refused a
    // change.
    bool SaveAll();
    // A combo item's text as the choice it stands for.
    RefreshChoice ChoiceFromText(const char* text) const;

    int linkAllDepths;
    bool languageCycleRequest;
    unsigned short cycledLanguage;
    int stringBase;
    int colorDepth;
    AdapterList adapterList;  // adapters, adapterCount, currentAdapter
    int adapterSetting;       // AdapterSetting
    char itemTexts[SpecialItemCount][RefreshItemTextSize];
    char textBuffer[RefreshTextBufferSize];
    ModeEntry modes[ModeCount];
    // What each list was last filled from: the string set (-1: nothing since the window was
    // created) and the mode's offered rates.
    int filledStringBase[ModeCount];
    char filledRates[ModeCount][OfferedRatesSize];

private:
    void ReadProductSettings();
    void OnColorDepthClicked(int depth);
    void OnLinkToggled();
    void OnDefaultClicked();
    // SaveAll, unless a field holds typed text that is no rate: then the message that names
    // the first, and nothing is written. The message when the registry refused a change.
    // False after either message.
    bool SaveAndReport();
    bool HoldsTypedNonRate(const ModeEntry& entry) const;
    // Whether "Software\Tarvello" already holds name as value wants it written.
    bool ProductValueHolds(const char* name, int value);
    bool WriteDepth(int depth, const char (*texts)[StoredRateSize]);
    // The copy of the user's saves takes what this save wrote; false when refused.
    bool RememberSave(const char (*texts)[StoredRateSize]);
    // The "RefreshRate" text Save writes for a resolution, empty for none: the item chosen or
    // typed, a rate typed, or with no choice the text last read, as it was.
    void SavedRateText(const ModeEntry& entry, char* text, unsigned size) const;
    // Whether Save writes the resolution: with link-all off, one the shown board lacks is
    // disabled, and no board gets a value the user could not see.
    bool SavesMode(const ModeEntry& entry) const;
    void ShowStoredRate(const ModeEntry& entry);
    int CurrentInstance() const;

    Dialog& dialog_;
    Registry& registry_;
    PlatformQueries& platform_;
    StringTable& strings_;
};

}  // namespace tarv
