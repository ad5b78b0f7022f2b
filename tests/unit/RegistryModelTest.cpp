// Adapter discovery, flavour detection, the product settings key and the bounded value reads,
// against the in-memory registry.
#include "registry/AdapterDiscovery.h"
#include "registry/OsFlavor.h"
#include "registry/PciBinding.h"
#include "registry/ProductSettings.h"
#include "registry/RegistryValues.h"

#include "platform/fake/FakePlatform.h"
#include "tests/unit/ModelTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using namespace tarv;

namespace {

std::string Adapter(const char* number, const std::string& description)
{
    return "[HKEY_LOCAL_MACHINE\\" + Instance(number) + "]\n\"DriverDesc\"=\"" + description +
           "\"\n\n";
}

// A description of exactly length characters that contains the marker.
std::string DescriptionOfLength(unsigned length)
{
    std::string text = "3dfx Voodoo5 5500 AGP";
    text.resize(length, 'x');
    return text;
}

using AdapterDiscoveryTest = RegistryModelFixture;
using FlavourTest = RegistryModelFixture;
using ProductSettingsTest = RegistryModelFixture;
using ValueReadTest = RegistryModelFixture;

TEST_F(AdapterDiscoveryTest, ProbeResultsAndMarkerComparedWithCase)
{
    Seed(Adapter("0000", "3dfx Voodoo5 5500 AGP") + Adapter("0001", "3dfx voodoo5 5500 AGP") +
         Adapter("0002", "Matrox Millennium") + "[HKEY_LOCAL_MACHINE\\" + Instance("0003") + "]\n");
    EXPECT_EQ(ProbeMatch, Closed(ProbeDisplayInstance(registry, 0, "Voodoo5")));
    EXPECT_EQ(ProbeNoMatch, Closed(ProbeDisplayInstance(registry, 1, "Voodoo5")));
    EXPECT_EQ(ProbeNoMatch, Closed(ProbeDisplayInstance(registry, 2, "Voodoo5")));
    EXPECT_EQ(ProbeNoDescription, Closed(ProbeDisplayInstance(registry, 3, "Voodoo5")));
    EXPECT_EQ(ProbeNoKey, Closed(ProbeDisplayInstance(registry, 4, "Voodoo5")));
}

TEST_F(AdapterDiscoveryTest, PageReadsDescriptionsUpTo127CharactersInstallerUpTo255)
{
    Seed(Adapter("0000", DescriptionOfLength(127)) + Adapter("0001", DescriptionOfLength(128)) +
         Adapter("0002", DescriptionOfLength(255)) + Adapter("0003", DescriptionOfLength(256)));
    EXPECT_EQ(ProbeMatch, Closed(ProbeDisplayInstance(registry, 0, "Voodoo5", PageProbe)));
    EXPECT_EQ(ProbeNoDescription, Closed(ProbeDisplayInstance(registry, 1, "Voodoo5", PageProbe)));
    EXPECT_EQ(ProbeMatch, Closed(ProbeDisplayInstance(registry, 1, "Voodoo5", InstallerProbe)));
    EXPECT_EQ(ProbeMatch, Closed(ProbeDisplayInstance(registry, 2, "Voodoo5", InstallerProbe)));
    EXPECT_EQ(ProbeNoDescription,
              Closed(ProbeDisplayInstance(registry, 3, "Voodoo5", InstallerProbe)));
}

TEST_F(AdapterDiscoveryTest, ScansAllSixteenDecimalInstances)
{
    // 0003 follows a gap; 0010 and 0015 are decimal names, 000A and a name too long for the
    // listing's buffer are not instances. A class that cannot be listed is probed number by
    // number, with the same result.
    Seed(Adapter("0000", "3dfx Voodoo5 5500 AGP") + Adapter("0002", "Matrox") +
         Adapter("0003", "Voodoo5 6000") + Adapter("000A", "Voodoo5 5000") +
         Adapter(std::string(300, '1').c_str(), "Voodoo5 5000") + Adapter("0010", "Voodoo5 5000") +
         Adapter("0015", "Voodoo5 5500") + Adapter("0016", "Voodoo5 5500"));
    const char displayClass[] = "System\\CurrentControlSet\\Services\\Class\\Display";
    for (unsigned deny : {0u, (unsigned)MemoryRegistry::DenyOpen, (unsigned)MemoryRegistry::DenyRead}) {
        SCOPED_TRACE(deny);
        registry.DenyOnKey(HiveLocalMachine, displayClass, deny);
        AdapterList list;
        std::memset(&list, 0x55, sizeof list);
        EXPECT_EQ(4, Closed(FindAdapterInstances(registry, "Voodoo5", &list)));
        const int expected[MaxAdapters] = {0, 3, 10, 15, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
        for (int slot = 0; slot < MaxAdapters; ++slot) EXPECT_EQ(expected[slot], list.adapters[slot]);
        EXPECT_EQ(4, list.adapterCount);
        EXPECT_EQ(3, list.currentAdapter);
    }
}

TEST_F(AdapterDiscoveryTest, TwoAdaptersAndNone)
{
    Seed(Adapter("0000", "3dfx Voodoo5 5500 AGP") + Adapter("0003", "3dfx Voodoo5 5500 AGP"));
    AdapterList list;
    EXPECT_EQ(2, Closed(FindAdapterInstances(registry, "Voodoo5", &list)));
    EXPECT_EQ(0, list.adapters[0]);
    EXPECT_EQ(3, list.adapters[1]);
    for (int slot = 2; slot < MaxAdapters; ++slot) EXPECT_EQ(-1, list.adapters[slot]);
    EXPECT_EQ(2, list.adapterCount);
    EXPECT_EQ(1, list.currentAdapter);

    EXPECT_EQ(0, Closed(FindAdapterInstances(registry, "Voodoo4", &list)));
    for (int slot = 0; slot < MaxAdapters; ++slot) EXPECT_EQ(-1, list.adapters[slot]);
    EXPECT_EQ(0, list.adapterCount);
    EXPECT_EQ(-1, list.currentAdapter);
}

// A binding in the hardware tree: device key name, bus address, "Driver" value.
std::string Bound(const std::string& device, const std::string& driver,
                  const char* address = "BUS_01&DEV_00&FUNC_00")
{
    return "[HKEY_LOCAL_MACHINE\\Enum\\PCI\\" + device + "\\" + address +
           "]\n\"Class\"=\"DISPLAY\"\n\"Driver\"=\"" + driver + "\"\n\n";
}

const char Vsa100[] = "VEN_121A&DEV_0009&SUBSYS_0002121A&REV_01";

std::string Fixture(const char* name)
{
    return std::string(TARV_FIXTURE_DIR) + "/" + name;
}

TEST_F(AdapterDiscoveryTest, DescriptionOrVsa100BindingFindsTheBoards)
{
    struct Case {
        const char* what;
        std::vector<const char*> fixtures;
        std::string sections;
        std::vector<int> found;
    } cases[] = {
        {"description rule alone, no Enum\\PCI", {"win98-two-voodoo5.reg"}, "", {1, 3}},
        {"3dfx 1.07.00: binding alone", {"win98-voodoo-series-1.07.reg"}, "", {1}},
        {"community driver; the Voodoo3 and the stale VGA key are not boards",
         {"win98-community-driver.reg"}, "", {3}},
        {"both PCs laid over each other", {"win98-voodoo-series-1.07.reg",
                                           "win98-community-driver.reg"}, "", {1, 3}},
        {"description and binding of one board count once", {},
         Adapter("0002", "3dfx Voodoo5 5500 AGP") + Bound(Vsa100, "DISPLAY\\\\0002"), {2}},
        {"Voodoo3 and Banshee bound under the family driver", {},
         Adapter("0001", "3dfx Voodoo Series") + Adapter("0002", "3dfx Voodoo Series") +
             Bound("VEN_121A&DEV_0005&SUBSYS_0036121A&REV_01", "DISPLAY\\\\0001") +
             Bound("VEN_121A&DEV_0003&SUBSYS_0030121A&REV_01", "DISPLAY\\\\0002") +
             Bound("VEN_121A&DEV_00091", "DISPLAY\\\\0002"),
         {}},
        {"case of the device name and of \"Driver\" ignored", {},
         Adapter("0004", "Voodoo 5") + Adapter("0009", "Voodoo 5") + Adapter("0012", "x") +
             Bound("ven_121a&dev_0009", "display\\\\0004") +
             Bound(Vsa100, "Display\\\\0009", "BUS_02&DEV_00&FUNC_00") +
             Bound(Vsa100, "DISPLAY\\\\0012", "BUS_03&DEV_00&FUNC_00"),
         {4, 9, 12}},
        {"boards gone whose instances others took: the description rule alone", {},
         Adapter("0001", "3dfx Voodoo Series") + Adapter("0002", "3dfx Voodoo5 5500 AGP") +
             Bound(Vsa100, "DISPLAY\\\\0001") + Bound(Vsa100, "DISPLAY\\\\0002", "B2") +
             Bound("VEN_121A&DEV_0005&SUBSYS_0036121A&REV_01", "DISPLAY\\\\0001") +
             Bound("VEN_102B&DEV_0525&SUBSYS_0641102B&REV_85", "DISPLAY\\\\0002"),
         {2}},
        {"bindings above 15, malformed, or to an instance without a key", {},
         Adapter("0001", "x") + Adapter("0002", "x") + Adapter("0003", "x") +
             Bound(Vsa100, "DISPLAY\\\\0016") + Bound(Vsa100, "DISPLAY\\\\001", "B2") +
             Bound(Vsa100, "DISPLAY\\\\00020", "B3") + Bound(Vsa100, "MEDIA\\\\0003", "B4") +
             Bound(Vsa100, "DISPLAY\\\\0005", "B5"),
         {}},
    };
    for (const Case& c : cases) {
        for (const ProbeStyle* style : {&PageProbe, &InstallerProbe}) {
            SCOPED_TRACE(std::string(c.what) + (style == &PageProbe ? " (page)" : " (installer)"));
            MemoryRegistry pc;
            std::string error;
            for (const char* name : c.fixtures)
                ASSERT_TRUE(pc.LoadRegFile(Fixture(name), &error)) << error;
            ASSERT_TRUE(pc.LoadRegText("REGEDIT4\n\n" + c.sections, &error)) << error;
            const std::string before = pc.SaveRegText();
            AdapterList list;
            EXPECT_EQ((int)c.found.size(), FindAdapterInstances(pc, AdapterMarker, &list, *style));
            std::vector<int> expected = c.found;
            expected.resize(MaxAdapters, -1);
            EXPECT_EQ(expected, std::vector<int>(list.adapters, list.adapters + MaxAdapters));
            EXPECT_EQ((int)c.found.size() - 1, list.currentAdapter);
            EXPECT_EQ(0, pc.OpenHandleCount());
            EXPECT_EQ(before, pc.SaveRegText()) << "discovery changed the registry";
        }
    }
}

TEST_F(AdapterDiscoveryTest, UnreadableHardwareTreeAddsNothing)
{
    Seed(Adapter("0000", "3dfx Voodoo5 5500 AGP") + Adapter("0001", "3dfx Voodoo Series") +
         Bound(Vsa100, "DISPLAY\\\\0001"));
    AdapterList list;
    const std::string keys[] = {"Enum\\PCI", std::string("Enum\\PCI\\") + Vsa100};
    for (const std::string& key : keys) {
        for (unsigned deny : {(unsigned)MemoryRegistry::DenyOpen, (unsigned)MemoryRegistry::DenyRead}) {
            SCOPED_TRACE(key);
            registry.DenyOnKey(HiveLocalMachine, key.c_str(), deny);
            EXPECT_EQ(1, Closed(FindAdapterInstances(registry, AdapterMarker, &list)));
            EXPECT_EQ(0, list.adapters[0]);
            registry.DenyOnKey(HiveLocalMachine, key.c_str(), 0);
        }
    }
    EXPECT_EQ(2, Closed(FindAdapterInstances(registry, AdapterMarker, &list)));
}

TEST_F(AdapterDiscoveryTest, DriverValueNamesAnInstanceInFourDecimalDigits)
{
    const struct {
        const char* driver;
        int instance;
    } cases[] = {{"DISPLAY\\0001", 1}, {"Display\\0015", 15}, {"display\\0016", 16},
                 {"DISPLAY\\9999", 9999}, {"DISPLAY\\001", -1}, {"DISPLAY\\00010", -1},
                 {"DISPLAY\\000A", -1}, {"DISPLAY0001", -1}, {"MEDIA\\0001", -1}, {"", -1}};
    for (const auto& c : cases) EXPECT_EQ(c.instance, DisplayInstanceOfDriver(c.driver)) << c.driver;
}

TEST_F(FlavourTest, ForceValuesOverrideTheVersionAndNt5WinsOverNt4)
{
    FakePlatform platform;
    platform.PoseAsWindows98();
    EXPECT_EQ(Win9x, Closed(DetectOsFlavor(platform, registry)));  // no product key at all

    Seed("[HKEY_LOCAL_MACHINE\\Software\\Tarvello]\n\"ForceNT4\"=\"1\"\n");
    EXPECT_EQ(WinNT4, Closed(DetectOsFlavor(platform, registry)));
    Seed("[HKEY_LOCAL_MACHINE\\Software\\Tarvello]\n\"ForceNT5\"=\"1\"\n");
    EXPECT_EQ(WinNT5, Closed(DetectOsFlavor(platform, registry)));

    Seed("[HKEY_LOCAL_MACHINE\\Software\\Tarvello]\n\"ForceNT4\"=\"0\"\n\"ForceNT5\"=\"abc\"\n");
    EXPECT_EQ(Win9x, Closed(DetectOsFlavor(platform, registry)));
    platform.PoseAsNt4();
    EXPECT_EQ(WinNT4, Closed(DetectOsFlavor(platform, registry)));
    platform.versionKnown = false;
    EXPECT_EQ(Win9x, Closed(DetectOsFlavor(platform, registry)));

    // 127 characters and the terminator fill the 128-byte buffer exactly and are still read;
    // a force value that does not fit counts as missing.
    Seed("[HKEY_LOCAL_MACHINE\\Software\\Tarvello]\n\"ForceNT4\"=\"1" + std::string(126, ' ') +
         "\"\n");
    EXPECT_EQ(WinNT4, Closed(DetectOsFlavor(platform, registry)));
    Seed("[HKEY_LOCAL_MACHINE\\Software\\Tarvello]\n\"ForceNT4\"=\"1" + std::string(130, ' ') +
         "\"\n");
    EXPECT_EQ(Win9x, Closed(DetectOsFlavor(platform, registry)));
}

TEST_F(ProductSettingsTest, WritesGoOnlyToAnExistingKey)
{
    EXPECT_FALSE(Closed(WriteLowerLimit(registry, 100)));
    EXPECT_FALSE(KeyExists("Software\\Tarvello"));

    Seed("[HKEY_LOCAL_MACHINE\\Software\\Tarvello]\n");
    EXPECT_TRUE(Closed(WriteLowerLimit(registry, 100)));
    EXPECT_TRUE(Closed(WriteUpperLimit(registry, -240)));
    EXPECT_EQ("sz:100", Value("Software\\Tarvello", "LowerLimit"));
    EXPECT_EQ("sz:-240", Value("Software\\Tarvello", "UpperLimit"));
}

TEST_F(ProductSettingsTest, LimitsAreClampedAndOnlyRepairedValuesWrittenBack)
{
    struct Case {
        const char* stored;  // null: value missing
        int lower;
        const char* written;
    } cases[] = {{nullptr, 120, "<missing>"}, {"90", 100, "sz:100"}, {"145", 140, "sz:140"},
                 {"130MHz", 130, "sz:130MHz"}, {"abc", 100, "sz:100"}, {"100", 100, "sz:100"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored ? c.stored : "missing");
        Seed("[-HKEY_LOCAL_MACHINE\\Software\\Tarvello]\n\n[HKEY_LOCAL_MACHINE\\Software\\Tarvello]\n" +
             (c.stored ? "\"LowerLimit\"=\"" + std::string(c.stored) + "\"\n" : std::string()));
        RegKey key;
        ASSERT_TRUE(OpenProductSettingsForReading(registry, &key));
        EXPECT_EQ(c.lower, LoadLowerLimit(registry, key));
        registry.CloseKey(key);
        ExpectAllClosed();
        EXPECT_EQ(c.written, Value("Software\\Tarvello", "LowerLimit"));
    }
}

// Fills the whole buffer with digits before each query, so a parse that looks past the bytes
// returned reads a different number.
class LitteringRegistry : public MemoryRegistry {
public:
    RegResult QueryValue(RegKey key, const char* name, unsigned long* type, unsigned char* data,
                         unsigned long* size) override
    {
        if (data) std::memset(data, '7', *size);
        return MemoryRegistry::QueryValue(key, name, type, data, size);
    }
};

TEST_F(ValueReadTest, NumbersParseOnlyTheBytesReturned)
{
    LitteringRegistry littered;
    std::string error;
    ASSERT_TRUE(littered.LoadRegText("REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Tarvello]\n"
                                     "\"LowerLimit\"=hex:31,32\n\"UpperLimit\"=hex:\n",
                                     &error)) << error;
    EXPECT_EQ(12, ReadProductSetting(littered, "LowerLimit", PageLoadReadSize, 120));
    EXPECT_EQ(0, ReadProductSetting(littered, "UpperLimit", PageLoadReadSize, 220));
    EXPECT_EQ(0, littered.OpenHandleCount());
}

TEST_F(ValueReadTest, TextMustFitWithItsTerminator)
{
    Seed("[HKEY_LOCAL_MACHINE\\Software\\Tarvello]\n\"Full\"=\"abcdefg\"\n"
         "\"Raw\"=hex:61,62,63,64,65,66,67,68\n\"Short\"=hex:61,62\n");
    RegKey key;
    ASSERT_TRUE(OpenProductSettingsForReading(registry, &key));
    char text[8];
    EXPECT_TRUE(ReadTextValue(registry, key, "Full", text, sizeof text));
    EXPECT_STREQ("abcdefg", text);
    EXPECT_FALSE(ReadTextValue(registry, key, "Raw", text, sizeof text));  // no room for the 0
    EXPECT_STREQ("", text);
    EXPECT_TRUE(ReadTextValue(registry, key, "Short", text, sizeof text));
    EXPECT_STREQ("ab", text);
    registry.CloseKey(key);
}

// The Windows 95 family may answer the delete of a missing value with another code: what
// counts is whether the value is still there.
TEST_F(ValueReadTest, ADeleteIsDoneWhenTheValueIsGoneWhateverTheCode)
{
    Seed("[HKEY_LOCAL_MACHINE\\Software\\Tarvello]\n\"Kept\"=\"1\"\n");
    for (const char* name : {"Kept", "Missing"}) {
        registry.FailNthCall(2, 1010);  // the delete after the key's opening, ERROR_BADKEY
        EXPECT_EQ(name[0] == 'M', OpenKeyAndDeleteValue(registry, HiveLocalMachine,
                                                        "Software\\Tarvello", name)) << name;
    }
    EXPECT_EQ(0, registry.OpenHandleCount());
}

}  // namespace
