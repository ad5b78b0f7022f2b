#include "page/refresh/CRefreshRatesDialog.h"

#include "page/HiddenGesture.h"
#include "page/RememberedSettings.h"
#include "page/localisation/Language.h"
#include "page/localisation/Layout.h"
#include "page/localisation/LocalisedTexts.h"
#include "page/localisation/NotSavedMessage.h"
#include "page/refresh/OfferedRates.h"
#include "page/refresh/RateField.h"
#include "page/refresh/RefreshStore.h"
#include "registry/ProductSettings.h"
#include "registry/RegistryValues.h"
#include "resources/page/RefreshResources.h"
#include "text/Text.h"

namespace tarv {

// Strings of the three special items, in item order.
static const unsigned SpecialItemStrings[SpecialItemCount] = {IDS_ITEM_ADAPTER, IDS_ITEM_DEFAULT,
                                                              IDS_ITEM_OPTIMAL};

static const int DepthRadios[ColorDepthCount] = {IDC_DEPTH_8, IDC_DEPTH_16, IDC_DEPTH_24,
                                                 IDC_DEPTH_32};

static const int CaptionString = 22;
static const LocalisedText GroupText = {23, IDC_RATES_GROUP};
static const LocalisedText ControlTexts[] = {
    {27, IDC_LINK_ALL_DEPTHS}, {28, IDC_DEPTH_GROUP},  {29, IDC_DEPTH_8},
    {30, IDC_DEPTH_16},        {31, IDC_DEPTH_24},     {32, IDC_DEPTH_32},
    {33, IDC_ADAPTER_GROUP},   {34, IDC_ADAPTER_DEFAULT_RATE}, {35, IDC_ADAPTER_OPTIMAL_RATE},
    {36, IDC_SAVE},            {37, IDC_DEFAULTS},     {38, IdOk},
    {39, IdCancel},
};
static const int ControlTextCount = sizeof ControlTexts / sizeof ControlTexts[0];

CRefreshRatesDialog::CRefreshRatesDialog(Dialog& dialog, Registry& registry,
                                         PlatformQueries& platform, StringTable& strings)
    : linkAllDepths(0),
      languageCycleRequest(false),
      cycledLanguage(LanguageEnglish),
      stringBase(0),
      colorDepth(DefaultColorDepth),
      adapterList(EmptyAdapterList),
      adapterSetting(DefaultRefreshRate),
      dialog_(dialog),
      registry_(registry),
      platform_(platform),
      strings_(strings)
{
    for (int i = 0; i < SpecialItemCount; ++i) itemTexts[i][0] = 0;
    ForgetFilledLists();
    textBuffer[0] = 0;
    ResetModeEntries(modes);
}

bool CRefreshRatesDialog::OnInitDialog()
{
    // Every run starts afresh; only the registry carries anything from one to the next.
    linkAllDepths = 0;
    languageCycleRequest = false;
    cycledLanguage = LanguageEnglish;
    stringBase = 0;
    colorDepth = DefaultColorDepth;
    adapterSetting = DefaultRefreshRate;
    ResetModeEntries(modes);
    ForgetFilledLists();  // a new window's lists are empty
    FindAdapterInstances(registry_, AdapterMarker, &adapterList);
    ReadProductSettings();

    // The language's texts, the lists and the stored rates; nothing can change the registry
    // before the window shows, so what ApplyLanguage read stands.
    ApplyLanguage();
    adapterSetting = ReadAdapterDefault(registry_, CurrentInstance());
    dialog_.SetCheck(IDC_LINK_ALL_DEPTHS, linkAllDepths ? Checked : Unchecked);
    UpdateDepthRadios(colorDepth);
    UpdateAdapterRadios(adapterSetting);
    return true;
}

void CRefreshRatesDialog::ReadProductSettings()
{
    RegKey key;
    if (!OpenProductSettingsForReading(registry_, &key)) {
        colorDepth = DefaultColorDepth;
        linkAllDepths = 0;
        return;
    }
    // Any number is taken as it is: an unknown depth simply shows no radio and no modes.
    colorDepth = (int)ReadProductNumber(registry_, key, ColorDepthValue, DialogReadSize,
                                        DefaultColorDepth);
    linkAllDepths = (int)ReadProductNumber(registry_, key, LinkAllColorDepthsValue,
                                           DialogReadSize, 0);
    registry_.CloseKey(key);
}

bool CRefreshRatesDialog::ApplyLanguage()
{
    const int language = ChooseLanguage(platform_, &languageCycleRequest, &cycledLanguage);
    SelectStringBase(language);
    ApplyLayout(dialog_, language == LanguageEnglish ? RatesLayoutEnglish : RatesLayoutWide);

    dialog_.SetCaption(LoadSetString(strings_, stringBase, CaptionString, textBuffer,
                                     sizeof textBuffer));
    SetLocalisedTexts(strings_, dialog_, stringBase, &GroupText, 1, textBuffer, sizeof textBuffer);
    for (int i = 0; i < SpecialItemCount; ++i)
        LoadSetString(strings_, stringBase, SpecialItemStrings[i], itemTexts[i],
                      sizeof itemTexts[i]);
    SetLocalisedTexts(strings_, dialog_, stringBase, ControlTexts, ControlTextCount, textBuffer,
                      sizeof textBuffer);

    // The lists are filled anew in the new words and show what the registry holds.
    ShowStoredRates();
    return true;
}

int CRefreshRatesDialog::SelectStringBase(int language)
{
    stringBase = StringBaseFor(language);
    return stringBase;
}

bool CRefreshRatesDialog::OnRButtonDown(unsigned keyFlags)
{
    if (IsHiddenGesture(keyFlags) && dialog_.CursorInControl(IDC_LABEL_640X480)) {
        languageCycleRequest = true;
        ApplyLanguage();
    }
    return false;
}

int CRefreshRatesDialog::CurrentInstance() const
{
    return adapterList.currentAdapter < 0 ? -1 : adapterList.adapters[adapterList.currentAdapter];
}

void CRefreshRatesDialog::ForgetFilledLists()
{
    for (int i = 0; i < ModeCount; ++i) {
        filledStringBase[i] = -1;
        filledRates[i][0] = 0;
    }
}

void CRefreshRatesDialog::ShowStoredRates()
{
    if (colorDepth != 8) LoadDepth(8, false);
    LoadDepth(colorDepth, true);
}

void CRefreshRatesDialog::LoadDepth(int depth, bool select)
{
    const int instance = CurrentInstance();
    for (int i = 0; i < ModeCount; ++i) {
        ModeEntry& entry = modes[i];
        ReadMode(registry_, instance, depth, &entry);
        if (depth == 8) FillRateCombo(i);
        if (select) SelectStoredRate(entry);
        const bool enable = linkAllDepths != 0 || entry.present != 0;
        dialog_.Enable(entry.labelId, enable);
        dialog_.Enable(entry.comboId, enable);
    }
}

void CRefreshRatesDialog::FillRateCombo(int i)
{
    const ModeEntry& entry = modes[i];
    if (filledStringBase[i] == stringBase && TextEquals(filledRates[i], entry.offeredRates)) {
        dialog_.ComboSetCurSel(entry.comboId, ComboError);
        return;
    }
    // A list not filled since its window was created is still the template's empty one.
    if (filledStringBase[i] >= 0) dialog_.ComboResetContent(entry.comboId);
    filledStringBase[i] = stringBase;
    CopyText(filledRates[i], sizeof filledRates[i], entry.offeredRates);
    // The special items in the words ApplyLanguage has just loaded.
    for (int k = 0; k < SpecialItemCount; ++k) dialog_.ComboAddString(entry.comboId, itemTexts[k]);
    OfferedRateItems items = SplitOfferedRates(entry.offeredRates);
    char item[OfferedRatesSize];
    while (items.Next(item, sizeof item)) dialog_.ComboAddString(entry.comboId, item);
}

void CRefreshRatesDialog::SelectStoredRate(const ModeEntry& entry)
{
    // A rate is looked for by its stored text, so a stored 7 finds the first item that
    // begins with 7. With no match the field shows the stored text itself and no item, never
    // what it showed for another depth.
    const char* text = entry.storedRate;
    switch (ChoiceFromStoredRate(entry.storedRate).kind) {
    case RefreshChoice::Adapter:
        text = itemTexts[0];
        break;
    case RefreshChoice::Default:
        text = itemTexts[1];
        break;
    case RefreshChoice::Optimal:
        text = itemTexts[2];
        break;
    default:
        break;
    }
    if (dialog_.ComboSelectString(entry.comboId, -1, text) != ComboError) return;
    dialog_.ComboSetCurSel(entry.comboId, ComboError);
    dialog_.SetText(entry.comboId, text);
}

void CRefreshRatesDialog::UpdateDepthRadios(int depth)
{
    const bool linked = linkAllDepths != 0;
    for (int i = 0; i < ColorDepthCount; ++i) {
        dialog_.SetCheck(DepthRadios[i], !linked && ColorDepths[i] == depth ? Checked : Unchecked);
        dialog_.Enable(DepthRadios[i], !linked);
    }
}

void CRefreshRatesDialog::UpdateAdapterRadios(int setting)
{
    dialog_.SetCheck(IDC_ADAPTER_DEFAULT_RATE, setting == DefaultRefreshRate ? Checked : Unchecked);
    dialog_.SetCheck(IDC_ADAPTER_OPTIMAL_RATE, setting == OptimalRefreshRate ? Checked : Unchecked);
}

void CRefreshRatesDialog::EnableAllModes(bool enable)
{
    for (int i = 0; i < ModeCount; ++i) {
        dialog_.Enable(modes[i].labelId, enable);
        dialog_.Enable(modes[i].comboId, enable);
    }
}

bool CRefreshRatesDialog::OnCommand(int id)
{
    for (int i = 0; i < ColorDepthCount; ++i) {
        if (id == DepthRadios[i]) {
            OnColorDepthClicked(ColorDepths[i]);
            return true;
        }
    }
    switch (id) {
    case IDC_LINK_ALL_DEPTHS:
        OnLinkToggled();
        return true;
    case IDC_SAVE:
        SaveAndReport();
        return true;
    case IDC_DEFAULTS:
        OnDefaultClicked();
        return true;
    case IDC_ADAPTER_DEFAULT_RATE:
    case IDC_ADAPTER_OPTIMAL_RATE:
        adapterSetting = id == IDC_ADAPTER_DEFAULT_RATE ? DefaultRefreshRate : OptimalRefreshRate;
        UpdateAdapterRadios(adapterSetting);
        return true;
    case IdOk:
        // A refused change keeps the dialog open, so the user knows it was not saved.
        if (SaveAndReport()) dialog_.EndDialog(IdOk);
        return true;
    case IdCancel:
        dialog_.EndDialog(IdCancel);
        return true;
    }
    return false;
}

void CRefreshRatesDialog::OnColorDepthClicked(int depth)
{
    // The registry is read again: choices not yet saved are lost.
    colorDepth = depth;
    UpdateDepthRadios(depth);
    LoadDepth(depth, true);
}

void CRefreshRatesDialog::OnLinkToggled()
{
    if (dialog_.GetCheck(IDC_LINK_ALL_DEPTHS) != Unchecked) {
        dialog_.SetCheck(IDC_LINK_ALL_DEPTHS, Unchecked);
        linkAllDepths = 0;
        LoadDepth(colorDepth, true);
    } else {
        // The selections shown stay; every resolution can now be chosen.
        dialog_.SetCheck(IDC_LINK_ALL_DEPTHS, Checked);
        linkAllDepths = 1;
        EnableAllModes(true);
    }
    UpdateDepthRadios(colorDepth);
}

void CRefreshRatesDialog::OnDefaultClicked()
{
    // Only the controls change; Save or OK writes.
    for (int i = 0; i < ModeCount; ++i)
        dialog_.ComboSelectString(modes[i].comboId, -1, itemTexts[0]);
    adapterSetting = DefaultRefreshRate;
    UpdateAdapterRadios(adapterSetting);
}

RefreshChoice CRefreshRatesDialog::ChoiceFromText(const char* text) const
{
    if (TextEquals(text, itemTexts[0])) return MakeChoice(RefreshChoice::Adapter);
    if (TextEquals(text, itemTexts[1])) return MakeChoice(RefreshChoice::Default);
    if (TextEquals(text, itemTexts[2])) return MakeChoice(RefreshChoice::Optimal);
    return MakeChoice(RefreshChoice::Rate, ParseLeadingLong(text));
}

bool CRefreshRatesDialog::SaveAll()
{
    bool written = true;
    RegKey key = 0;
    const struct {
        const char* name;
        int value;
    } remembered[] = {{ColorDepthValue, colorDepth}, {LinkAllColorDepthsValue, linkAllDepths}};
    if (registry_.OpenKey(HiveLocalMachine, ProductSettingsKey, KeySetValue | KeyCreateSubKey,
                          &key) == RegSuccess) {
        for (const auto& value : remembered)
            if (SetDecimalValue(registry_, key, value.name, value.value) != RegSuccess &&
                !ProductValueHolds(value.name, value.value))
                written = false;
        registry_.CloseKey(key);
    } else if (KeyRefusedWriting(registry_, ProductSettingsKey)) {
        // A missing key is left uncreated; a refused one counts where it holds other values.
        for (const auto& value : remembered)
            if (!ProductValueHolds(value.name, value.value)) written = false;
    }
    if (!WriteAdapterDefault(registry_, adapterList, (AdapterSetting)adapterSetting))
        written = false;

    // Each field is read once: the same text goes to every depth and every board.
    char texts[ModeCount][StoredRateSize];
    for (int i = 0; i < ModeCount; ++i) SavedRateText(modes[i], texts[i], sizeof texts[i]);
    if (linkAllDepths) {
        for (int i = 0; i < ColorDepthCount; ++i)
            if (!WriteDepth(ColorDepths[i], texts)) written = false;
    } else if (!WriteDepth(colorDepth, texts)) {
        written = false;
    }
    if (!RememberSave(texts)) written = false;
    for (int i = 0; i < ModeCount; ++i) {
        if (!SavesMode(modes[i])) continue;
        CopyText(modes[i].storedRate, sizeof modes[i].storedRate, texts[i]);
        ShowStoredRate(modes[i]);
    }
    return written;
}

bool CRefreshRatesDialog::ProductValueHolds(const char* name, int value)
{
    char text[16];
    FormatDecimal(text, sizeof text, value);
    return TextValueHoldsAt(registry_, HiveLocalMachine, ProductSettingsKey, name, text);
}

bool CRefreshRatesDialog::RememberSave(const char (*texts)[StoredRateSize])
{
    // Without a board nothing but the product key was written.
    if (ListedInstanceCount(adapterList) == 0) return true;
    bool saved[ModeCount];
    for (int i = 0; i < ModeCount; ++i) saved[i] = SavesMode(modes[i]);
    const int shownDepth[1] = {colorDepth};
    return RememberRates(registry_, AdapterSettingText((AdapterSetting)adapterSetting),
                         linkAllDepths ? ColorDepths : shownDepth,
                         linkAllDepths ? ColorDepthCount : 1, texts, saved);
}

bool CRefreshRatesDialog::SaveAndReport()
{
    // Text that is no rate is named before anything is written.
    for (int i = 0; i < ModeCount; ++i) {
        if (!SavesMode(modes[i]) || !HoldsTypedNonRate(modes[i])) continue;
        char resolution[ModeNameSize];
        CopyText(resolution, sizeof resolution, modes[i].name);
        for (char* at = resolution; *at; ++at)
            if (*at == ',') *at = 'x';  // the label's "640x480" for the key's "640,480"
        ShowRateNotValidMessage(strings_, dialog_, stringBase, resolution, textBuffer,
                                sizeof textBuffer);
        return false;
    }
    if (SaveAll()) return true;
    ShowNotSavedMessage(strings_, dialog_, stringBase, textBuffer, sizeof textBuffer);
    return false;
}

bool CRefreshRatesDialog::HoldsTypedNonRate(const ModeEntry& entry) const
{
    // The stored text shown as it was read is no typing of the user's, rate or not.
    const RateField field = ReadRateField(dialog_, entry.comboId);
    return field.kind == RateField::NotARate && !TextEquals(field.text, entry.storedRate);
}

bool CRefreshRatesDialog::SavesMode(const ModeEntry& entry) const
{
    return linkAllDepths != 0 || entry.present != 0;
}

bool CRefreshRatesDialog::WriteDepth(int depth, const char (*texts)[StoredRateSize])
{
    bool written = true;
    const int count = ListedInstanceCount(adapterList);
    for (int slot = 0; slot < count; ++slot) {
        for (int i = 0; i < ModeCount; ++i) {
            if (!SavesMode(modes[i])) continue;
            if (!WriteModeText(registry_, adapterList.adapters[slot], depth, modes[i].name,
                               texts[i]))
                written = false;
        }
    }
    return written;
}

void CRefreshRatesDialog::SavedRateText(const ModeEntry& entry, char* text, unsigned size) const
{
    const RateField field = ReadRateField(dialog_, entry.comboId);
    switch (field.kind) {
    case RateField::Item:
        // A rate the driver lists for this mode is one it supports, whatever the range rule
        // says; the range rule still guards every other item.
        if (field.index >= SpecialItemCount && IsListedRate(field.item))
            CopyText(text, size, field.item);
        else
            FormatChoiceText(ChoiceFromText(field.item), text, size);
        break;
    case RateField::TypedRate:
        FormatChoiceText(MakeChoice(RefreshChoice::Rate, field.rate), text, size);
        break;
    default:
        // No choice, or the stored text left as shown, writes back what was read, never a rate
        // the user did not choose.
        CopyText(text, size, entry.storedRate);
        break;
    }
}

void CRefreshRatesDialog::ShowStoredRate(const ModeEntry& entry)
{
    // The field shows what the registry now holds: its item when the list has one with that
    // very text, otherwise the text itself with no item selected. The special items stand
    // in the list in the order of the choices they mean.
    const RefreshChoice::Kind kind = ChoiceFromStoredRate(entry.storedRate).kind;
    const char* shown = kind == RefreshChoice::Rate ? entry.storedRate : itemTexts[kind];
    const int index = dialog_.ComboFindStringExact(entry.comboId, -1, shown);
    dialog_.ComboSetCurSel(entry.comboId, index);
    if (index == ComboError) dialog_.SetText(entry.comboId, shown);
}

}  // namespace tarv
