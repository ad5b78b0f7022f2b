// Every value the system reads, stored in every hostile form: wrong types, no data, exactly
// the read buffer without a terminator, one byte more, an embedded zero, 64 KiB and bytes
// above 127. The product's own readers run on it, natively against the in-memory registry
// (under ASan) and in the Windows build against advapi32 under Wine; each gives its default
// or the text it can take, and never reads or writes past a buffer.
#include "page/SettingsModel.h"
#include "page/refresh/ModeTable.h"
#include "page/refresh/RefreshStore.h"
#include "registry/AdapterDiscovery.h"
#include "registry/ProductSettings.h"
#include "tests/contract/ContractBackend.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace tarv {
namespace {

const char Product[] = "Software\\Tarvello";
const char Instance[] = "System\\CurrentControlSet\\Services\\Class\\Display\\0000";
const char Default[] = "System\\CurrentControlSet\\Services\\Class\\Display\\0000\\DEFAULT";
const char Glide[] = "System\\CurrentControlSet\\Services\\Class\\Display\\0000\\Glide";
const char Mode[] = "System\\CurrentControlSet\\Services\\Class\\Display\\0000\\MODES\\8\\640,480";
const char Nt4[] = "SYSTEM\\CurrentControlSet\\Services\\Voodoo5\\Device0";
// Deepest first, for removal.
const char* const Keys[] = {Mode, "System\\CurrentControlSet\\Services\\Class\\Display\\0000\\MODES\\8",
                            "System\\CurrentControlSet\\Services\\Class\\Display\\0000\\MODES",
                            Default, Glide, Instance, Nt4, Product};

struct NoMessages : MessageBoxSink {
    void ShowMessage(const char*, const char*, unsigned) override {}
};

// The page's load as the Windows 95 family (with the adapter at 0000, or none) or NT 4.
SettingsModel Load(Registry& registry, int flavour, bool adapter, NoMessages& messages)
{
    SettingsModel model(registry, messages);
    model.osFlavor = flavour;
    if (adapter) model.adapters[0] = 0, model.adapterCount = 1, model.currentAdapter = 0;
    model.LoadSettings();
    return model;
}
std::string Page(Registry& registry, const char* field)
{
    NoMessages messages;
    SettingsModel m = Load(registry, Win9x, std::string(field) != "product", messages);
    std::string f = field;
    if (f == "product")
        return std::to_string(m.lowerLimit) + " " + std::to_string(m.upperLimit) + " " +
               std::to_string(m.defaultClock) + " " + std::to_string(m.clockEnabled) + " " +
               m.modelName;
    if (f == "clock") return std::to_string(m.currentClock);
    return std::to_string(m.openGlSwapOff);
}

struct Reader {
    const char* key;
    const char* name;     // null: the default value
    unsigned bufferSize;  // the reader's buffer
    std::string (*read)(Registry&);
};
const Reader Readers[] = {
    {Product, "LowerLimit", PageLoadReadSize, [](Registry& r) { return Page(r, "product"); }},
    {Product, "Model", PageLoadReadSize, [](Registry& r) { return Page(r, "product"); }},
    {Product, "EnableClock", PageLoadReadSize, [](Registry& r) { return Page(r, "product"); }},
    {Default, "Grxclock", PageLoadReadSize, [](Registry& r) { return Page(r, "clock"); }},
    {Glide, "FX_GLIDE_SWAPINTERVAL", PageLoadReadSize, [](Registry& r) { return Page(r, "swap"); }},
    {Nt4, "GraphicsClocking", PageLoadReadSize,
     [](Registry& r) {
         NoMessages messages;
         return std::to_string(Load(r, WinNT4, false, messages).currentClock);
     }},
    {Instance, "DriverDesc", 128,
     [](Registry& r) {
         return std::to_string(ProbeDisplayInstance(r, 0, AdapterMarker)) + " " +
                std::to_string(ProbeDisplayInstance(r, 0, AdapterMarker, InstallerProbe));
     }},
    {Mode, nullptr, 256,
     [](Registry& r) {
         ModeEntry entry = ModeTable[0];
         ReadMode(r, 0, 8, &entry);
         return std::string(entry.offeredRates).substr(0, 12) + "|" + entry.storedRate;
     }},
    {Mode, "RefreshRate", 256,
     [](Registry& r) {
         ModeEntry entry = ModeTable[0];
         ReadMode(r, 0, 8, &entry);
         return std::string(entry.offeredRates) + "|" + entry.storedRate;
     }},
    {Default, "RefreshRate", 256,
     [](Registry& r) { return std::to_string(ReadAdapterDefault(r, 0)); }},
    {Product, "ColorDepth", DialogReadSize,
     [](Registry& r) { return std::to_string(ReadProductSetting(r, ColorDepthValue, DialogReadSize, 8)); }},
    {Product, "LinkAllColorDepths", DialogReadSize,
     [](Registry& r) {
         return std::to_string(ReadProductSetting(r, LinkAllColorDepthsValue, DialogReadSize, 0));
     }},
};

struct Form {
    const char* name;
    unsigned long type;
    std::vector<unsigned char> (*data)(unsigned bufferSize);
};
std::vector<unsigned char> Bytes(const std::string& text) { return {text.begin(), text.end()}; }
const Form Forms[] = {
    {"Dword", RegDword, [](unsigned) { return Bytes(std::string("\xAF\0\0\0", 4)); }},
    {"Binary", RegBinary, [](unsigned) { return Bytes("175"); }},
    {"MultiSz", RegMultiSz, [](unsigned) { return Bytes(std::string("175\0x\0\0", 7)); }},
    {"NoData", RegSz, [](unsigned) { return std::vector<unsigned char>(); }},
    {"BufferFullNoTerminator", RegSz, [](unsigned size) { return std::vector<unsigned char>(size, '1'); }},
    {"OneByteTooMany", RegSz, [](unsigned size) { return std::vector<unsigned char>(size + 1, '1'); }},
    {"EmbeddedZero", RegSz, [](unsigned) { return Bytes(std::string("17\0" "5Voodoo5\0", 11)); }},
    {"SixtyFourKiB", RegSz, [](unsigned) { return std::vector<unsigned char>(65536, '5'); }},
    {"HighBytes", RegSz, [](unsigned) { return Bytes("\xE9\xFF\x80Voodoo5\xA0"); }},
};

// What each reader gives for each form: the specified default where the value cannot be
// read (missing, longer than the buffer), otherwise the bytes as text up to the first zero and
// numbers parsed from them (a DWORD's first byte is no digit; "1" repeated saturates).
// Product: lower limit, upper limit, default clock, "EnableClock", model. Grxclock and
// GraphicsClocking: the clock after the limit check (120..220, default 166). Swap: 1 only for
// a value that reads "0", which none of these does. DriverDesc: the page's probe, then the
// installer's (1 match, 2 no match, 3 no description). Mode: offered list (12 characters) |
// stored text. Adapter default: 1.
const std::map<std::string, std::string> Expected = {
    {"LowerLimit/Dword", "100 220 166 1 Voodoo5 5500"},
    {"LowerLimit/Binary", "140 220 166 1 Voodoo5 5500"},
    {"LowerLimit/MultiSz", "140 220 166 1 Voodoo5 5500"},
    {"LowerLimit/NoData", "100 220 166 1 Voodoo5 5500"},
    {"LowerLimit/BufferFullNoTerminator", "140 220 166 1 Voodoo5 5500"},
    {"LowerLimit/OneByteTooMany", "120 220 166 1 Voodoo5 5500"},
    {"LowerLimit/EmbeddedZero", "100 220 166 1 Voodoo5 5500"},
    {"LowerLimit/SixtyFourKiB", "120 220 166 1 Voodoo5 5500"},
    {"LowerLimit/HighBytes", "100 220 166 1 Voodoo5 5500"},
    {"Model/Dword", "120 220 166 1 \xAF"""},
    {"Model/Binary", "120 220 166 1 175"},
    {"Model/MultiSz", "120 220 166 1 175"},
    {"Model/NoData", "120 220 166 1 "},
    {"Model/BufferFullNoTerminator", "120 220 166 1 Unknown"},
    {"Model/OneByteTooMany", "120 220 166 1 Unknown"},
    {"Model/EmbeddedZero", "120 220 166 1 17"},
    {"Model/SixtyFourKiB", "120 220 166 1 Unknown"},
    {"Model/HighBytes", "120 220 166 1 \xE9""\xFF""\x80""Voodoo5\xA0"""},
    {"EnableClock/Dword", "120 220 166 0 Voodoo5 5500"},
    {"EnableClock/Binary", "120 220 166 175 Voodoo5 5500"},
    {"EnableClock/MultiSz", "120 220 166 175 Voodoo5 5500"},
    {"EnableClock/NoData", "120 220 166 0 Voodoo5 5500"},
    {"EnableClock/BufferFullNoTerminator", "120 220 166 2147483647 Voodoo5 5500"},
    {"EnableClock/OneByteTooMany", "120 220 166 0 Voodoo5 5500"},
    {"EnableClock/EmbeddedZero", "120 220 166 17 Voodoo5 5500"},
    {"EnableClock/SixtyFourKiB", "120 220 166 0 Voodoo5 5500"},
    {"EnableClock/HighBytes", "120 220 166 0 Voodoo5 5500"},
    {"Grxclock/Dword", "120"},
    {"Grxclock/Binary", "175"},
    {"Grxclock/MultiSz", "175"},
    {"Grxclock/NoData", "120"},
    {"Grxclock/BufferFullNoTerminator", "220"},
    {"Grxclock/OneByteTooMany", "166"},
    {"Grxclock/EmbeddedZero", "120"},
    {"Grxclock/SixtyFourKiB", "166"},
    {"Grxclock/HighBytes", "120"},
    {"FX_GLIDE_SWAPINTERVAL/Dword", "0"},
    {"FX_GLIDE_SWAPINTERVAL/Binary", "0"},
    {"FX_GLIDE_SWAPINTERVAL/MultiSz", "0"},
    {"FX_GLIDE_SWAPINTERVAL/NoData", "0"},
    {"FX_GLIDE_SWAPINTERVAL/BufferFullNoTerminator", "0"},
    {"FX_GLIDE_SWAPINTERVAL/OneByteTooMany", "0"},
    {"FX_GLIDE_SWAPINTERVAL/EmbeddedZero", "0"},
    {"FX_GLIDE_SWAPINTERVAL/SixtyFourKiB", "0"},
    {"FX_GLIDE_SWAPINTERVAL/HighBytes", "0"},
    {"GraphicsClocking/Dword", "175"},
    {"GraphicsClocking/Binary", "166"},
    {"GraphicsClocking/MultiSz", "166"},
    {"GraphicsClocking/NoData", "166"},
    {"GraphicsClocking/BufferFullNoTerminator", "166"},
    {"GraphicsClocking/OneByteTooMany", "166"},
    {"GraphicsClocking/EmbeddedZero", "166"},
    {"GraphicsClocking/SixtyFourKiB", "166"},
    {"GraphicsClocking/HighBytes", "166"},
    {"DriverDesc/Dword", "2 2"},
    {"DriverDesc/Binary", "2 2"},
    {"DriverDesc/MultiSz", "2 2"},
    {"DriverDesc/NoData", "2 2"},
    {"DriverDesc/BufferFullNoTerminator", "3 2"},
    {"DriverDesc/OneByteTooMany", "3 2"},
    {"DriverDesc/EmbeddedZero", "2 2"},
    {"DriverDesc/SixtyFourKiB", "3 3"},
    {"DriverDesc/HighBytes", "1 1"},
    {"@/Dword", "\xAF""|"},
    {"@/Binary", "175|"},
    {"@/MultiSz", "175|"},
    {"@/NoData", "|"},
    {"@/BufferFullNoTerminator", "|"},
    {"@/OneByteTooMany", "|"},
    {"@/EmbeddedZero", "17|"},
    {"@/SixtyFourKiB", "|"},
    {"@/HighBytes", "\xE9""\xFF""\x80""Voodoo5\xA0""|"},
    {"RefreshRate/Dword", "60,72|\xAF"""},
    {"RefreshRate/Binary", "60,72|175"},
    {"RefreshRate/MultiSz", "60,72|175"},
    {"RefreshRate/NoData", "60,72|"},
    {"RefreshRate/BufferFullNoTerminator", "60,72|"},
    {"RefreshRate/OneByteTooMany", "60,72|"},
    {"RefreshRate/EmbeddedZero", "60,72|17"},
    {"RefreshRate/SixtyFourKiB", "60,72|"},
    {"RefreshRate/HighBytes", "60,72|\xE9""\xFF""\x80""Voodoo5\xA0"""},
    {"DEFAULT RefreshRate/Dword", "1"},
    {"DEFAULT RefreshRate/Binary", "1"},
    {"DEFAULT RefreshRate/MultiSz", "1"},
    {"DEFAULT RefreshRate/NoData", "1"},
    {"DEFAULT RefreshRate/BufferFullNoTerminator", "1"},
    {"DEFAULT RefreshRate/OneByteTooMany", "1"},
    {"DEFAULT RefreshRate/EmbeddedZero", "1"},
    {"DEFAULT RefreshRate/SixtyFourKiB", "1"},
    {"DEFAULT RefreshRate/HighBytes", "1"},
    {"ColorDepth/Dword", "0"},
    {"ColorDepth/Binary", "175"},
    {"ColorDepth/MultiSz", "175"},
    {"ColorDepth/NoData", "0"},
    {"ColorDepth/BufferFullNoTerminator", "2147483647"},
    {"ColorDepth/OneByteTooMany", "8"},
    {"ColorDepth/EmbeddedZero", "17"},
    {"ColorDepth/SixtyFourKiB", "8"},
    {"ColorDepth/HighBytes", "0"},
    {"LinkAllColorDepths/Dword", "0"},
    {"LinkAllColorDepths/Binary", "175"},
    {"LinkAllColorDepths/MultiSz", "175"},
    {"LinkAllColorDepths/NoData", "0"},
    {"LinkAllColorDepths/BufferFullNoTerminator", "2147483647"},
    {"LinkAllColorDepths/OneByteTooMany", "0"},
    {"LinkAllColorDepths/EmbeddedZero", "17"},
    {"LinkAllColorDepths/SixtyFourKiB", "0"},
    {"LinkAllColorDepths/HighBytes", "0"},
};

class HostileData : public ::testing::TestWithParam<std::tuple<Reader, Form>> {
protected:
    void TearDown() override
    {
        for (const char* key : Keys) reg().DeleteKey(HiveLocalMachine, key);
        EXPECT_EQ(0, backend_->OpenHandleCount());
    }
    Registry& reg() { return backend_->registry(); }
    void Set(const char* path, const char* name, unsigned long type,
             const std::vector<unsigned char>& data)
    {
        RegKey key = 0;
        ASSERT_EQ(RegSuccess, reg().CreateKey(HiveLocalMachine, path, nullptr,
                                              KeyRead | KeyWriteAccess, &key));
        EXPECT_EQ(RegSuccess, reg().SetValue(key, name, type, data.data(),
                                             (unsigned long)data.size()));
        reg().CloseKey(key);
    }
    void SetText(const char* path, const char* name, const std::string& text)
    {
        std::vector<unsigned char> data(text.begin(), text.end());
        data.push_back(0);
        Set(path, name, RegSz, data);
    }

    std::unique_ptr<ContractBackend> backend_ = MakeContractBackend();
};

TEST_P(HostileData, ReaderTakesItsDefaultOrWhatFits)
{
    const Reader& reader = std::get<0>(GetParam());
    const Form& form = std::get<1>(GetParam());
    // A sound PC, then the one value under test in its hostile form.
    for (const char* name : {"LowerLimit", "UpperLimit", "DefaultClock", "EnableClock"})
        SetText(Product, name, name[0] == 'L' ? "120" : name[0] == 'U' ? "220" : name[0] == 'D' ? "166" : "1");
    SetText(Product, "Model", "Voodoo5 5500");
    SetText(Instance, "DriverDesc", "3dfx Voodoo5 5500 AGP");
    SetText(Default, "Grxclock", "175");
    SetText(Mode, nullptr, "60,72");
    Set(reader.key, reader.name, form.type, form.data(reader.bufferSize));

    std::string result = reader.read(reg());
    std::string row = std::string(reader.name ? reader.name : "@") + "/" + form.name;
    if (reader.key == Default && reader.name && std::string(reader.name) == "RefreshRate")
        row = "DEFAULT " + row;
    auto expected = Expected.find(row);
    ASSERT_NE(Expected.end(), expected) << row;
    EXPECT_EQ(expected->second, result) << row;
    EXPECT_EQ(0, backend_->OpenHandleCount());
}

void PrintTo(const Reader& reader, std::ostream* out) { *out << (reader.name ? reader.name : "@"); }
void PrintTo(const Form& form, std::ostream* out) { *out << form.name; }

INSTANTIATE_TEST_SUITE_P(
    Registry, HostileData, ::testing::Combine(::testing::ValuesIn(Readers), ::testing::ValuesIn(Forms)),
    [](const ::testing::TestParamInfo<std::tuple<Reader, Form>>& info) {
        std::string name = std::get<0>(info.param).name ? std::get<0>(info.param).name : "Default";
        for (char& c : name)
            if (!isalnum((unsigned char)c)) c = '_';
        return name + "_" + std::to_string(info.index / (sizeof Forms / sizeof Forms[0])) + "_" +
               std::get<1>(info.param).name;
    });

}  // namespace
}  // namespace tarv
