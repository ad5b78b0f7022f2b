// The refresh-rate store: choices read back and written, the offered-rate items, and the
// per-mode and adapter-wide values under the display-class keys of the in-memory registry.
#include "page/refresh/ModeTable.h"
#include "page/refresh/OfferedRates.h"
#include "page/refresh/RefreshStore.h"

#include "tests/unit/ModelTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tarv;

namespace {

const char Mode640[] = "0003\\MODES\\16\\640,480";

std::string Section(const std::string& path, const std::string& values = "")
{
    return "[HKEY_LOCAL_MACHINE\\" + path + "]\n" + values + "\n";
}

std::vector<std::string> Items(const char* list, unsigned size = 8)
{
    std::vector<std::string> items;
    OfferedRateItems split = SplitOfferedRates(list);
    char item[8] = "unset";
    while (split.Next(item, size)) items.push_back(item);
    return items;
}

class RefreshStoreTest : public RegistryModelFixture {
protected:
    ModeEntry Read(int instance, int depth, int row = 0)
    {
        ModeEntry entries[ModeCount];
        ResetModeEntries(entries);
        ReadMode(registry, instance, depth, &entries[row]);
        ExpectAllClosed();
        return entries[row];
    }
    void Write(RefreshChoice choice, const char* name = "640,480")
    {
        WriteMode(registry, 3, 16, name, choice);
        ExpectAllClosed();
    }
};

TEST(ModeTableTest, KeyPathsBuildOnTheInstanceKey)
{
    char path[RefreshKeyPathSize];
    BuildModeKeyPath(3, 32, ModeTable[14].name, path, sizeof path);
    EXPECT_EQ(Instance("0003\\MODES\\32\\2048,1536"), path);
    BuildAdapterDefaultKeyPath(12, path, sizeof path);
    EXPECT_EQ(Instance("0012\\DEFAULT"), path);
    EXPECT_EQ(1011, ModeTable[7].comboId);  // 1600,1024
    EXPECT_EQ(1042, ModeTable[7].labelId);
}

TEST(RefreshChoiceTest, StoredTextsReadBackAsChoices)
{
    struct Case {
        const char* stored;
        RefreshChoice::Kind kind;
    } cases[] = {{"", RefreshChoice::Adapter}, {"0", RefreshChoice::Default},
                 {"abc", RefreshChoice::Default}, {"-1", RefreshChoice::Optimal},
                 {" -1Hz", RefreshChoice::Optimal}, {"-2", RefreshChoice::Rate},
                 {"75", RefreshChoice::Rate}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        EXPECT_EQ(c.kind, ChoiceFromStoredRate(c.stored).kind);
    }
    EXPECT_EQ(-2, ChoiceFromStoredRate("-2").rate);
}

TEST(OfferedRatesTest, ItemsKeepOrderAndCharactersAndAreCutToTheirBuffer)
{
    typedef std::vector<std::string> List;
    EXPECT_EQ((List{"60", "72", " 75", "60"}), Items("60,72, 75,60"));
    EXPECT_EQ((List{""}), Items(""));
    EXPECT_EQ((List{""}), Items(nullptr));
    EXPECT_EQ((List{"60", ""}), Items("60,"));
    EXPECT_EQ((List{"", "", "85"}), Items(",,85"));
    EXPECT_EQ((List{"1234567", "9"}), Items("123456789,9"));
    EXPECT_EQ((List{"12", "9"}), Items("123456789,9", 3));
}

TEST_F(RefreshStoreTest, WrittenTextsFollowTheRangeRule)
{
    Seed(Section(Instance(Mode640), "\"RefreshRate\"=\"75\""));
    struct Case {
        RefreshChoice choice;
        const char* written;
    } cases[] = {{MakeChoice(RefreshChoice::Rate, 40), "sz:60"},
                 {MakeChoice(RefreshChoice::Rate, 41), "sz:41"},
                 {MakeChoice(RefreshChoice::Rate, 179), "sz:179"},
                 {MakeChoice(RefreshChoice::Rate, 180), "sz:60"},
                 {ChoiceFromStoredRate(""), "<missing>"},  // an empty combo item: Adapter
                 {MakeChoice(RefreshChoice::Rate, 0), "sz:60"},  // no digits
                 {MakeChoice(RefreshChoice::Rate, -2), "sz:60"},
                 {MakeChoice(RefreshChoice::Default), "sz:0"},
                 {MakeChoice(RefreshChoice::Optimal), "sz:-1"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.written);
        Write(c.choice);
        EXPECT_EQ(c.written, Value(Instance(Mode640), "RefreshRate"));
    }
}

TEST_F(RefreshStoreTest, AdapterDeletesOnlyRefreshRateAndMissingKeysStayMissing)
{
    Seed(Section(Instance(Mode640), "@=\"60,75\"\n\"RefreshRate\"=\"75\"\n\"Other\"=\"1\""));
    std::string before = registry.SaveRegText();
    Write(MakeChoice(RefreshChoice::Rate, 85), "800,600");
    WriteMode(registry, 3, 24, "640,480", MakeChoice(RefreshChoice::Optimal));
    EXPECT_EQ(before, registry.SaveRegText());

    Write(MakeChoice(RefreshChoice::Adapter));
    EXPECT_EQ("<missing>", Value(Instance(Mode640), "RefreshRate"));
    EXPECT_EQ("sz:60,75", Value(Instance(Mode640), ""));
    EXPECT_EQ("sz:1", Value(Instance(Mode640), "Other"));
}

TEST_F(RefreshStoreTest, ModesReadPresenceListAndStoredTextCutToTheirFields)
{
    std::string longList(200, '7');
    Seed(Section(Instance("0003\\MODES\\8\\640,480"),
                 "@=\"60,72\"\n\"RefreshRate\"=\"72\"") +
         Section(Instance("0003\\MODES\\16\\640,480")) +
         Section(Instance("0003\\MODES\\24\\640,480"),
                 "@=\"" + longList + "\"\n\"RefreshRate\"=\"" + std::string(20, '8') + "\"") +
         Section(Instance("0003\\MODES\\32\\640,480"), "@=\"" + std::string(256, '9') + "\""));

    ModeEntry full = Read(3, 8);
    EXPECT_TRUE(full.present);
    EXPECT_STREQ("60,72", full.offeredRates);
    EXPECT_STREQ("72", full.storedRate);

    ModeEntry empty = Read(3, 16);  // present, but without values
    EXPECT_TRUE(empty.present);
    EXPECT_EQ(std::vector<std::string>{""}, Items(empty.offeredRates));
    EXPECT_EQ(RefreshChoice::Adapter, ChoiceFromStoredRate(empty.storedRate).kind);

    ModeEntry cut = Read(3, 24);
    EXPECT_EQ(longList.substr(0, OfferedRatesSize - 1), cut.offeredRates);
    EXPECT_EQ(std::string(StoredRateSize - 1, '8'), cut.storedRate);
    EXPECT_STREQ("640,480", cut.name);

    EXPECT_STREQ("", Read(3, 32).offeredRates);  // does not fit 256 bytes with its terminator
    EXPECT_FALSE(Read(3, 8, 1).present);
    EXPECT_FALSE(Read(-1, 8).present);
}

TEST_F(RefreshStoreTest, AdapterDefaultIsOptimalOnlyForExactlyMinusOne)
{
    struct Case {
        const char* values;
        AdapterSetting setting;
    } cases[] = {{"", DefaultRefreshRate}, {"\"RefreshRate\"=\"0\"", DefaultRefreshRate},
                 {"\"RefreshRate\"=\" -1\"", DefaultRefreshRate},
                 {"\"RefreshRate\"=\"-1x\"", DefaultRefreshRate},
                 {"\"RefreshRate\"=\"-1\"", OptimalRefreshRate}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.values);
        Seed("[-HKEY_LOCAL_MACHINE\\" + Instance("0003\\DEFAULT") + "]\n\n" +
             Section(Instance("0003\\DEFAULT"), c.values));
        EXPECT_EQ(c.setting, Closed(ReadAdapterDefault(registry, 3)));
    }
    EXPECT_EQ(DefaultRefreshRate, Closed(ReadAdapterDefault(registry, 4)));  // no key
}

TEST_F(RefreshStoreTest, AdapterDefaultGoesToEveryListedAdapterWithAKey)
{
    Seed(Section(Instance("0000\\DEFAULT")) + Section(Instance("0005\\DEFAULT")) +
         Section(Instance("0007\\DEFAULT")));
    AdapterList list = {{0, 3, 5, -1, 7}, 3, 2};
    for (int slot = 5; slot < MaxAdapters; ++slot) list.adapters[slot] = -1;

    WriteAdapterDefault(registry, list, OptimalRefreshRate);
    ExpectAllClosed();
    EXPECT_EQ("sz:-1", Value(Instance("0000\\DEFAULT"), "RefreshRate"));
    EXPECT_EQ("sz:-1", Value(Instance("0005\\DEFAULT"), "RefreshRate"));
    EXPECT_FALSE(KeyExists(Instance("0003\\DEFAULT")));
    EXPECT_EQ("<missing>", Value(Instance("0007\\DEFAULT"), "RefreshRate"));  // after the end

    WriteAdapterDefault(registry, list, DefaultRefreshRate);
    EXPECT_EQ("sz:0", Value(Instance("0005\\DEFAULT"), "RefreshRate"));
}

}  // namespace
