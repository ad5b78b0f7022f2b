// Under Wine: the installer's registration scenarios against advapi32, with the same seeds
// and expected keys as the native run, and the compiled string table read back with
// LoadStringA against its resource script as the native tests read it.
#include "InstallerScenarios.h"

#include "platform/fake/RcStringTable.h"
#include "registry/win32/Win32Registry.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

using namespace tarv;
using namespace tarv::installer_scenarios;

namespace tarv {
namespace installer_scenarios {
void PrintTo(const Scenario& scenario, std::ostream* out) { *out << scenario.name; }
}  // namespace installer_scenarios
}  // namespace tarv

namespace {

HKEY Root(RegHive hive) { return hive == HiveClassesRoot ? HKEY_CLASSES_ROOT : HKEY_LOCAL_MACHINE; }

// Deletes a key with everything below it, children first.
void DeleteTree(HKEY root, const std::string& path)
{
    HKEY key;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return;
    std::vector<std::string> children;
    char name[256];
    for (DWORD index = 0;; ++index) {
        DWORD size = sizeof name;
        if (RegEnumKeyExA(key, index, name, &size, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        children.push_back(name);
    }
    RegCloseKey(key);
    for (const std::string& child : children) DeleteTree(root, path + "\\" + child);
    RegDeleteKeyA(root, path.c_str());
}

// The unit prefix is shared by every Wine test: the keys go before and after each case.
class InstallerOnAdvapi32 : public ::testing::TestWithParam<Scenario> {
protected:
    void SetUp() override { Clean(); }
    void TearDown() override { Clean(); }
    static void Clean()
    {
        for (const ScenarioRoot& root : ScenarioRoots()) DeleteTree(Root(root.hive), root.path);
    }
};

TEST_P(InstallerOnAdvapi32, LeavesTheSameKeysAsTheInMemoryRegistry)
{
    const Scenario& scenario = GetParam();
    Win32Registry registry;
    std::string error;
    ASSERT_TRUE(ApplyRegText(registry, scenario.seed, &error)) << error;
    scenario.run(registry);
    EXPECT_EQ(0, registry.OpenHandleCount()) << "keys left open";
    EXPECT_EQ(FilterWatchedKeys(scenario.expected), SnapshotWatchedKeys(registry));
}

INSTANTIATE_TEST_SUITE_P(Installer, InstallerOnAdvapi32, ::testing::ValuesIn(SharedScenarios()),
                         [](const ::testing::TestParamInfo<Scenario>& info) {
                             return std::string(info.param.name);
                         });

TEST(InstallerStringResource, EveryNumberLoadsAsInTheTable)
{
    // The table is compiled to code page 1252, which LoadStringA gives back on such a system.
    if (GetACP() != 1252) GTEST_SKIP() << "ANSI code page " << GetACP();
    // The script's path as Wine sees it through drive Z:.
    FakeStringTable table;
    ASSERT_EQ("", ReadRcStringTable((std::string("Z:") + TARV_INSTALLER_RC).c_str(), &table));
    HINSTANCE self = GetModuleHandleA(nullptr);
    for (unsigned number = 0; number <= 110; ++number) {
        char buffer[512] = "untouched";
        int length = LoadStringA(self, number, buffer, sizeof buffer);
        auto expected = table.strings.find(number);
        if (expected != table.strings.end()) {
            EXPECT_STREQ(expected->second.c_str(), buffer) << number;
        } else {
            EXPECT_EQ(0, length) << number;
        }
    }
    char buffer[512];
    LoadStringA(self, 39, buffer, sizeof buffer);
    EXPECT_STREQ("Choisissez votre mod\xE8le", buffer);
    LoadStringA(self, 96, buffer, sizeof buffer);
    EXPECT_STREQ("installiert auf Ihrem System. M\xF6" "chten Sie", buffer);
    LoadStringA(self, 18, buffer, sizeof buffer);
    EXPECT_EQ(0, std::string(buffer).find("Install Aborted\n\nTARVPAGE.DLL"));
}

}  // namespace
