// The refresh-rate store: choices read back and written, the offered-rate items, and the
// per-mode and adapter-wide values under the display-class keys of the in-memory registry.
#include "page/refresh/OfferedRates.h"
#include "page/refresh/RefreshStore.h"

#include "tests/unit/ModelTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tarv;

namespace {

typedef std::vector<std::string> List;
typedef RefreshChoice C;

std::string Section(const std::string& path, const std::string& values = "")
{
    return "[HKEY_LOCAL_MACHINE\\" + path + "]\n" + values + "\n";
}

List Items(const char* list, unsigned size = 8)
{
    List items;
    OfferedRateItems split = SplitOfferedRates(list);
    char item[8];
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
    const std::string mode = Instance("0003\\MODES\\16\\640,480");
};

TEST(RefreshChoiceTest, StoredTextsReadBackAsChoices)
{
    struct Case {
        const char* stored;
        C::Kind kind;
    } cases[] = {{"", C::Adapter}, {"0", C::Default},   {"abc", C::Default}, {"-1", C::Optimal},
                 {" -1Hz", C::Optimal}, {"-2", C::Rate}, {"75", C::Rate}};
    for (const Case& c : cases) EXPECT_EQ(c.kind, ChoiceFromStoredRate(c.stored).kind) << c.stored;
    EXPECT_EQ(-2, ChoiceFromStoredRate("-2").rate);
}

TEST(OfferedRatesTest, ItemsKeepOrderAndCharactersAndAreCutToTheirBuffer)
{
    EXPECT_EQ((List{"60", "72", " 75", "60"}), Items("60,72, 75,60"));
    EXPECT_EQ((List{""}), Items(""));
    EXPECT_EQ((List{"60", ""}), Items("60,"));
    EXPECT_EQ((List{"", "", "85"}), Items(",,85"));
    EXPECT_EQ((List{"1234567", "9"}), Items("123456789,9"));
    EXPECT_EQ((List{"12", "9"}), Items("123456789,9", 3));
}

TEST_F(RefreshStoreTest, ModeKeyPathOfInstanceDepthAndName)
{
    char path[RefreshKeyPathSize];
    BuildModeKeyPath(3, 32, ModeTable[ModeCount - 1].name, path, sizeof path);
    EXPECT_EQ(Instance("0003\\MODES\\32\\2048,1536"), path);
}

TEST_F(RefreshStoreTest, WrittenTextsFollowTheRangeRule)
{
    Seed(Section(mode, "\"RefreshRate\"=\"75\""));
    struct Case {
        RefreshChoice choice;
        const char* written;
    } cases[] = {{MakeChoice(C::Rate, 40), "sz:60"},   {MakeChoice(C::Rate, 41), "sz:41"},
                 {MakeChoice(C::Rate, 179), "sz:179"}, {MakeChoice(C::Rate, 180), "sz:60"},
                 {MakeChoice(C::Rate, 0), "sz:60"},    {MakeChoice(C::Rate, -2), "sz:60"},
                 {MakeChoice(C::Default), "sz:0"},     {MakeChoice(C::Optimal), "sz:-1"}};
    for (const Case& c : cases) {
        WriteMode(registry, 3, 16, "640,480", c.choice);
        ExpectAllClosed();
        EXPECT_EQ(c.written, Value(mode, "RefreshRate")) << c.choice.rate;
    }
}

TEST_F(RefreshStoreTest, AdapterDeletesOnlyRefreshRateAndMissingKeysStayMissing)
{
    Seed(Section(mode, "@=\"60,75\"\n\"RefreshRate\"=\"75\"\n\"Other\"=\"1\""));
    std::string before = registry.SaveRegText();
    WriteMode(registry, 3, 16, "800,600", MakeChoice(C::Rate, 85));
    WriteMode(registry, 3, 24, "640,480", MakeChoice(C::Optimal));
    EXPECT_EQ(before, registry.SaveRegText());

    WriteMode(registry, 3, 16, "640,480", MakeChoice(C::Adapter));
    ExpectAllClosed();
    EXPECT_EQ("<missing>", Value(mode, "RefreshRate"));
    EXPECT_EQ("sz:60,75", Value(mode, ""));
    EXPECT_EQ("sz:1", Value(mode, "Other"));
}

TEST_F(RefreshStoreTest, ModesReadPresenceAndTextsCutToTheirFields)
{
    std::string longList(200, '7');
    Seed(Section(Instance("0003\\MODES\\8\\640,480"), "@=\"60,72\"\n\"RefreshRate\"=\"72\"") +
         Section(mode) +
         Section(Instance("0003\\MODES\\24\\640,480"),
                 "@=\"" + longList + "\"\n\"RefreshRate\"=\"" + std::string(20, '8') + "\"") +
         Section(Instance("0003\\MODES\\32\\640,480"), "@=\"" + std::string(256, '9') + "\""));

    ModeEntry full = Read(3, 8);
    EXPECT_TRUE(full.present);
    EXPECT_STREQ("60,72", full.offeredRates);
    EXPECT_STREQ("72", full.storedRate);

    ModeEntry empty = Read(3, 16);  // the key exists but holds no values
    EXPECT_TRUE(empty.present);
    EXPECT_EQ(List{""}, Items(empty.offeredRates));
    EXPECT_EQ(C::Adapter, ChoiceFromStoredRate(empty.storedRate).kind);

    ModeEntry cut = Read(3, 24);
    EXPECT_EQ(longList.substr(0, OfferedRatesSize - 1), cut.offeredRates);
    EXPECT_EQ(std::string(StoredRateSize - 1, '8'), cut.storedRate);

    EXPECT_STREQ("", Read(3, 32).offeredRates);  // no room for the terminator in 256 bytes
    EXPECT_FALSE(Read(3, 8, 1).present);
    EXPECT_FALSE(Read(-1, 8).present);  // no adapter
}

TEST_F(RefreshStoreTest, AdapterDefaultIsOptimalOnlyForExactlyMinusOne)
{
    const std::string key = Instance("0003\\DEFAULT");
    const char* defaults[] = {"", "\"RefreshRate\"=\"0\"", "\"RefreshRate\"=\" -1\"",
                              "\"RefreshRate\"=\"-1x\""};
    for (const char* values : defaults) {
        Seed("[-HKEY_LOCAL_MACHINE\\" + key + "]\n\n" + Section(key, values));
        EXPECT_EQ(DefaultRefreshRate, Closed(ReadAdapterDefault(registry, 3))) << values;
    }
    Seed(Section(key, "\"RefreshRate\"=\"-1\""));
    EXPECT_EQ(OptimalRefreshRate, Closed(ReadAdapterDefault(registry, 3)));
    EXPECT_EQ(DefaultRefreshRate, Closed(ReadAdapterDefault(registry, 4)));  // no key
}

TEST_F(RefreshStoreTest, AdapterDefaultGoesToListedAdaptersWithAKeyUpToTheFirstGap)
{
    Seed(Section(Instance("0000\\DEFAULT")) + Section(Instance("0005\\DEFAULT")) +
         Section(Instance("0007\\DEFAULT")));
    AdapterList list = {{0, 3, 5, -1, 7, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1}, 3, 2};
    WriteAdapterDefault(registry, list, OptimalRefreshRate);
    ExpectAllClosed();
    EXPECT_EQ("sz:-1", Value(Instance("0000\\DEFAULT"), "RefreshRate"));
    EXPECT_EQ("sz:-1", Value(Instance("0005\\DEFAULT"), "RefreshRate"));
    EXPECT_FALSE(KeyExists(Instance("0003\\DEFAULT")));
    EXPECT_EQ("<missing>", Value(Instance("0007\\DEFAULT"), "RefreshRate"));

    WriteAdapterDefault(registry, list, DefaultRefreshRate);
    EXPECT_EQ("sz:0", Value(Instance("0005\\DEFAULT"), "RefreshRate"));
}

}  // namespace
