// What only the in-memory registry has: .reg text in and out, handle counting and failure
// injection.
#include "registry/memory/MemoryRegistry.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <dirent.h>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace tarv {
namespace {

const char* const Display = "System\\CurrentControlSet\\Services\\Class\\Display";

std::vector<unsigned char> Bytes(const std::string& s) {
    return std::vector<unsigned char>(s.begin(), s.end());
}

// A failure names the calling case's line (the trailing arguments default to it).
std::vector<unsigned char> Value(const MemoryRegistry& reg, RegHive hive, const std::string& path,
                                 const char* name, unsigned long* type = nullptr,
                                 const char* file = __builtin_FILE(), int line = __builtin_LINE()) {
    ::testing::ScopedTrace caller(file, line, "Value() called here");
    std::vector<unsigned char> data;
    unsigned long ignored = 0;
    EXPECT_TRUE(reg.GetValue(hive, path.c_str(), name, type ? type : &ignored, &data))
        << path << " " << (name ? name : "@");
    return data;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

const char* const AllKinds =
    "REGEDIT4\n"
    "\n"
    "[HKEY_LOCAL_MACHINE\\Software\\Tarvello]\n"
    "@=\"default\"\n"
    "\"Quoted\"=\"say \\\"hi\\\" C:\\\\WINDOWS\"\n"
    "\"Clock\"=dword:000000af\n"
    "\"Blob\"=hex:00,ff,10\n"
    "\"Path\"=hex(2):25,77,69,6e,64,69,72,25,00\n"
    "\"List\"=hex(7):61,00,62,63,00,00\n"
    "\"Raw\"=hex(0):\n"
    "\"Short\"=hex(1):31,37,35\n"
    "\n"
    "[HKEY_CLASSES_ROOT\\CLSID\\{1}]\n"
    "@=\"Tarvello\"\n";

TEST(MemoryRegistryText, LoadsEveryKindOfValue) {
    MemoryRegistry reg;
    std::string error;
    ASSERT_TRUE(reg.LoadRegText(AllKinds, &error)) << error;
    const std::string key = "SOFTWARE\\tarvello";
    unsigned long type = 0;
    EXPECT_EQ(Bytes(std::string("default", 8)), Value(reg, HiveLocalMachine, key, "", &type));
    EXPECT_EQ(RegSz, type);
    EXPECT_EQ(Bytes(std::string("say \"hi\" C:\\WINDOWS", 20)), Value(reg, HiveLocalMachine, key, "quoted"));
    EXPECT_EQ(Bytes(std::string("\xaf\0\0\0", 4)), Value(reg, HiveLocalMachine, key, "Clock", &type));
    EXPECT_EQ(RegDword, type);
    EXPECT_EQ(Bytes(std::string("\0\xff\x10", 3)), Value(reg, HiveLocalMachine, key, "Blob", &type));
    EXPECT_EQ(RegBinary, type);
    EXPECT_EQ(Bytes(std::string("%windir%", 9)), Value(reg, HiveLocalMachine, key, "Path", &type));
    EXPECT_EQ(RegExpandSz, type);
    EXPECT_EQ(Bytes(std::string("a\0bc\0\0", 6)), Value(reg, HiveLocalMachine, key, "List", &type));
    EXPECT_EQ(RegMultiSz, type);
    EXPECT_EQ(Bytes(""), Value(reg, HiveLocalMachine, key, "Raw", &type));
    EXPECT_EQ(RegNone, type);
    EXPECT_EQ(Bytes("175"), Value(reg, HiveLocalMachine, key, "Short", &type));
    EXPECT_EQ(RegSz, type);
    EXPECT_EQ(Bytes(std::string("Tarvello", 9)), Value(reg, HiveClassesRoot, "clsid\\{1}", nullptr));
    EXPECT_EQ(0, reg.OpenHandleCount());
}

TEST(MemoryRegistryText, SavesSortedStableTextThatLoadsBackTheSame) {
    MemoryRegistry reg;
    std::string error;
    ASSERT_TRUE(reg.LoadRegText(AllKinds, &error)) << error;
    const std::string saved = reg.SaveRegText();
    EXPECT_EQ("REGEDIT4\n"
              "\n"
              "[HKEY_LOCAL_MACHINE\\Software]\n"
              "\n"
              "[HKEY_LOCAL_MACHINE\\Software\\Tarvello]\n"
              "@=\"default\"\n"
              "\"Blob\"=hex:00,ff,10\n"
              "\"Clock\"=dword:000000af\n"
              "\"List\"=hex(7):61,00,62,63,00,00\n"
              "\"Path\"=hex(2):25,77,69,6e,64,69,72,25,00\n"
              "\"Quoted\"=\"say \\\"hi\\\" C:\\\\WINDOWS\"\n"
              "\"Raw\"=hex(0):\n"
              "\"Short\"=hex(1):31,37,35\n"
              "\n"
              "[HKEY_CLASSES_ROOT\\CLSID]\n"
              "\n"
              "[HKEY_CLASSES_ROOT\\CLSID\\{1}]\n"
              "@=\"Tarvello\"\n"
              "\n",
              saved);
    MemoryRegistry copy;
    ASSERT_TRUE(copy.LoadRegText(saved, &error)) << error;
    EXPECT_EQ(saved, copy.SaveRegText());
}

TEST(MemoryRegistryText, SaveKeepsTheFirstWrittenCaseAndSortsWithoutCase) {
    MemoryRegistry reg;
    RegKey key = 0;
    ASSERT_EQ(RegSuccess, reg.CreateKey(HiveLocalMachine, "Software\\Zeta", nullptr, KeySetValue, &key));
    ASSERT_EQ(RegSuccess, reg.SetValue(key, "beta", RegSz, reinterpret_cast<const unsigned char*>("1"), 2));
    ASSERT_EQ(RegSuccess, reg.SetValue(key, "Alpha", RegSz, reinterpret_cast<const unsigned char*>("2"), 2));
    ASSERT_EQ(RegSuccess, reg.SetValue(key, "BETA", RegSz, reinterpret_cast<const unsigned char*>("3"), 2));
    ASSERT_EQ(RegSuccess, reg.CloseKey(key));
    ASSERT_EQ(RegSuccess, reg.CreateKey(HiveLocalMachine, "SOFTWARE\\alpha", nullptr, KeyRead, &key));
    ASSERT_EQ(RegSuccess, reg.CloseKey(key));
    EXPECT_EQ("REGEDIT4\n\n"
              "[HKEY_LOCAL_MACHINE\\Software]\n\n"
              "[HKEY_LOCAL_MACHINE\\Software\\alpha]\n\n"
              "[HKEY_LOCAL_MACHINE\\Software\\Zeta]\n"
              "\"Alpha\"=\"2\"\n"
              "\"beta\"=\"3\"\n\n",
              reg.SaveRegText());
}

TEST(MemoryRegistryText, LongHexDataIsWrappedAndReadBack) {
    MemoryRegistry reg;
    RegKey key = 0;
    ASSERT_EQ(RegSuccess, reg.CreateKey(HiveLocalMachine, "Software\\Wrap", nullptr, KeySetValue, &key));
    std::vector<unsigned char> blob;
    for (int i = 0; i < 100; ++i) blob.push_back(static_cast<unsigned char>(i * 7));
    ASSERT_EQ(RegSuccess, reg.SetValue(key, "Blob", RegBinary, blob.data(), 100));
    // Text that cannot travel as "text" (line breaks, no terminator) goes as hex(1).
    ASSERT_EQ(RegSuccess, reg.SetValue(key, "Lines", RegSz, reinterpret_cast<const unsigned char*>("a\r\nb"), 5));
    ASSERT_EQ(RegSuccess, reg.CloseKey(key));
    std::string saved = reg.SaveRegText();
    std::istringstream lines(saved);
    std::string line;
    while (std::getline(lines, line)) EXPECT_LE(line.size(), 80u) << line;
    EXPECT_NE(std::string::npos, saved.find(",\\\n  ")) << saved;
    EXPECT_NE(std::string::npos, saved.find("\"Lines\"=hex(1):61,0d,0a,62,00\n")) << saved;

    MemoryRegistry copy;
    std::string error;
    ASSERT_TRUE(copy.LoadRegText(saved, &error)) << error;
    EXPECT_EQ(blob, Value(copy, HiveLocalMachine, "Software\\Wrap", "Blob"));
    EXPECT_EQ(Bytes(std::string("a\r\nb", 5)), Value(copy, HiveLocalMachine, "Software\\Wrap", "Lines"));
}

TEST(MemoryRegistryText, DeletionsCommentsAndContinuations) {
    MemoryRegistry reg;
    std::string error;
    ASSERT_TRUE(reg.LoadRegText("REGEDIT4\n"
                                "[HKEY_LOCAL_MACHINE\\A\\B\\C]\n"
                                "\"Keep\"=\"1\"\n"
                                "\"Drop\"=\"2\"\n"
                                "[HKEY_LOCAL_MACHINE\\X\\Y]\n"
                                "\"V\"=\"1\"\n",
                                &error))
        << error;
    RegKey open = 0;
    ASSERT_EQ(RegSuccess, reg.OpenKey(HiveLocalMachine, "A\\B\\C", KeyRead, &open));

    ASSERT_TRUE(reg.LoadRegText("REGEDIT4\r\n"
                                "; a comment\r\n"
                                "\r\n"
                                "  [HKEY_LOCAL_MACHINE\\A\\B\\C]  \r\n"
                                "\"Drop\"=-\r\n"
                                "\"Never\"=-\r\n"
                                "\"Hex\" = hex:01,02,\\\r\n"
                                "   03,04   ; trailing comment\r\n"
                                "[-HKEY_LOCAL_MACHINE\\X]\r\n"
                                "\"Ignored\"=\"under a deleted key\"\r\n"
                                "[-HKEY_LOCAL_MACHINE\\Not\\There]\r\n",
                                &error))
        << error;
    EXPECT_EQ(Bytes(std::string("1", 2)), Value(reg, HiveLocalMachine, "A\\B\\C", "Keep"));
    EXPECT_FALSE(reg.GetValue(HiveLocalMachine, "A\\B\\C", "Drop", nullptr, nullptr));
    EXPECT_EQ(Bytes("\x01\x02\x03\x04"), Value(reg, HiveLocalMachine, "A\\B\\C", "Hex"));
    EXPECT_FALSE(reg.KeyExists(HiveLocalMachine, "X"));
    EXPECT_FALSE(reg.KeyExists(HiveLocalMachine, "X\\Y"));

    // A [-key] tree deletion leaves open handles safely dead.
    ASSERT_TRUE(reg.LoadRegText("REGEDIT4\n[-HKEY_LOCAL_MACHINE\\A]\n", &error)) << error;
    EXPECT_FALSE(reg.KeyExists(HiveLocalMachine, "A\\B"));
    unsigned long size = 0;
    EXPECT_EQ(RegKeyDeleted, reg.QueryValue(open, "Keep", nullptr, nullptr, &size));
    EXPECT_EQ(RegSuccess, reg.CloseKey(open));
}

TEST(MemoryRegistryText, MalformedTextNamesTheLineAndChangesNothing) {
    struct Case {
        const char* text;
        const char* error;
    } cases[] = {
        {"", "line 1: missing REGEDIT4 header"},
        {"REGEDIT5\n[HKEY_LOCAL_MACHINE\\A]\n", "line 1: missing REGEDIT4 header"},
        {"REGEDIT4\n\"Early\"=\"1\"\n", "line 2: value outside a [key] section"},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\A\n", "line 2: key name without closing ]"},
        {"REGEDIT4\n[HKEY_CURRENT_USER\\A]\n", "line 2: unsupported hive \"HKEY_CURRENT_USER\""},
        {"REGEDIT4\n[HKLM\\A]\n", "line 2: unsupported hive \"HKLM\""},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\\\A]\n", "line 2: malformed key path"},
        {"REGEDIT4\n[-HKEY_CLASSES_ROOT]\n", "line 2: a hive cannot be deleted"},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n\n\"V\"=\"open\n", "line 4: missing closing quote"},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n\"V\"=\"a\\q\"\n", "line 3: unknown escape \\q in a quoted string"},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n\"V\"=\"a\" junk\n", "line 3: unexpected text after the string"},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n\"V\"=dword:123456789\n", "line 3: dword: needs 1 to 8 hex digits"},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n\"V\"=dword:\n", "line 3: dword: needs 1 to 8 hex digits"},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n\"V\"=hex:1g\n", "line 3: bad hex byte list"},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n\"V\"=hex:01 02\n", "line 3: bad hex byte list"},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n\"V\"=hex(z):01\n", "line 3: malformed hex(type)"},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n\"V\"=hex:01,\\\n", "line 3: hex list continues past the end"},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n\"V\"=word:1\n", "line 3: unrecognised value data"},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n\"V\" \"1\"\n", "line 3: expected = after the value name"},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\nV=\"1\"\n", "line 3: expected [key], \"name\"=, @= or a ; comment"},
    };
    for (const Case& c : cases) {
        MemoryRegistry reg;
        std::string error;
        ASSERT_TRUE(reg.LoadRegText("REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n\"V\"=\"before\"\n", &error));
        const std::string before = reg.SaveRegText();
        // Valid lines ahead of the fault are not applied either.
        std::string text = c.text;
        EXPECT_FALSE(reg.LoadRegText(text, &error)) << text;
        EXPECT_EQ(c.error, error) << text;
        EXPECT_EQ(before, reg.SaveRegText()) << text;
    }
    MemoryRegistry reg;
    std::string error;
    EXPECT_FALSE(reg.LoadRegText("REGEDIT4\n[HKEY_LOCAL_MACHINE\\New]\n\"V\"=\"1\"\n[-HKEY_LOCAL_MACHINE\\New]\n@=bad\n",
                                 &error));
    EXPECT_EQ("line 5: unrecognised value data", error);
    EXPECT_FALSE(reg.KeyExists(HiveLocalMachine, "New"));
}

TEST(MemoryRegistryText, ReadsRegeditUnicodeExports) {
    // Exported by "wine regedit /e" (UTF-16LE, "Windows Registry Editor Version 5.00").
    MemoryRegistry reg;
    std::string error;
    ASSERT_TRUE(reg.LoadRegFile(TARV_FIXTURE_DIR "/wine-export-sample.reg", &error)) << error;
    const std::string key = "Software\\TarvContract\\WineExport";
    unsigned long type = 0;
    EXPECT_EQ(Bytes(std::string("default text", 13)), Value(reg, HiveLocalMachine, key, nullptr));
    EXPECT_EQ(Bytes(std::string("a \"quoted\" back\\slash", 22)), Value(reg, HiveLocalMachine, key, "Str"));
    EXPECT_EQ(Bytes(std::string("caf\xe9", 5)), Value(reg, HiveLocalMachine, key, "Hi"));
    EXPECT_EQ(Bytes(std::string("\x0a\0\0\0", 4)), Value(reg, HiveLocalMachine, key, "Dw", &type));
    EXPECT_EQ(RegDword, type);
    EXPECT_EQ(Bytes("\x01\x02\xff"), Value(reg, HiveLocalMachine, key, "Bin", &type));
    EXPECT_EQ(RegBinary, type);
    // String data in hex form comes back as the ANSI bytes an "A" query returns.
    EXPECT_EQ(Bytes(std::string("%SYSTEMROOT%", 13)), Value(reg, HiveLocalMachine, key, "Exp", &type));
    EXPECT_EQ(RegExpandSz, type);
    EXPECT_EQ(Bytes(std::string("a\0bc\0\0", 6)), Value(reg, HiveLocalMachine, key, "Multi", &type));
    EXPECT_EQ(RegMultiSz, type);
    EXPECT_EQ(Bytes(""), Value(reg, HiveLocalMachine, key, "None", &type));
    EXPECT_EQ(RegNone, type);
    EXPECT_EQ(Bytes(std::string("", 1)), Value(reg, HiveLocalMachine, key, "Empty"));
    EXPECT_TRUE(reg.KeyExists(HiveLocalMachine, (key + "\\Sub Key").c_str()));
}

TEST(MemoryRegistryText, DisplayFixturesLoad) {
    MemoryRegistry one;
    std::string error;
    ASSERT_TRUE(one.LoadRegFile(TARV_FIXTURE_DIR "/win98-voodoo5-5500.reg", &error)) << error;
    const std::string instance = std::string(Display) + "\\0000";
    EXPECT_EQ(Bytes(std::string("3dfx Voodoo5 5500 AGP", 22)), Value(one, HiveLocalMachine, instance, "DriverDesc"));
    EXPECT_TRUE(one.KeyExists(HiveLocalMachine, (instance + "\\DEFAULT").c_str()));
    EXPECT_EQ(Bytes(std::string("60,72,75,85,100,120", 20)),
              Value(one, HiveLocalMachine, instance + "\\MODES\\8\\640,480", ""));
    EXPECT_FALSE(one.KeyExists(HiveLocalMachine, (std::string(Display) + "\\0001").c_str()));

    MemoryRegistry two;
    ASSERT_TRUE(two.LoadRegFile(TARV_FIXTURE_DIR "/win98-two-voodoo5.reg", &error)) << error;
    for (const char* voodoo : {"\\0001", "\\0003"}) {
        std::vector<unsigned char> desc = Value(two, HiveLocalMachine, std::string(Display) + voodoo, "DriverDesc");
        EXPECT_NE(std::string::npos, std::string(desc.begin(), desc.end()).find("Voodoo5")) << voodoo;
        EXPECT_TRUE(two.KeyExists(HiveLocalMachine, (std::string(Display) + voodoo + "\\MODES\\32\\1024,768").c_str()));
    }
    std::vector<unsigned char> other = Value(two, HiveLocalMachine, std::string(Display) + "\\0000", "DriverDesc");
    EXPECT_EQ(std::string::npos, std::string(other.begin(), other.end()).find("Voodoo5"));
    EXPECT_FALSE(two.KeyExists(HiveLocalMachine, (std::string(Display) + "\\0002").c_str()));
}

class MemoryRegistryFiles : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/tarv-memreg-XXXXXX";
        ASSERT_NE(nullptr, mkdtemp(pattern));
        dir_ = pattern;
    }
    void TearDown() override { std::system(("rm -rf '" + dir_ + "'").c_str()); }

    std::vector<std::string> Entries(const std::string& dir) const {
        std::vector<std::string> names;
        if (DIR* d = opendir(dir.c_str())) {
            while (dirent* e = readdir(d)) {
                std::string name = e->d_name;
                if (name != "." && name != "..") names.push_back(name);
            }
            closedir(d);
        }
        return names;
    }

    std::string dir_;
};

TEST_F(MemoryRegistryFiles, SaveReplacesTheFileAndLeavesNoTemporary) {
    MemoryRegistry reg;
    std::string error;
    ASSERT_TRUE(reg.LoadRegText(AllKinds, &error)) << error;
    const std::string path = dir_ + "/machine.reg";
    std::ofstream(path) << "old contents";
    ASSERT_TRUE(reg.SaveRegFile(path, &error)) << error;
    EXPECT_EQ(reg.SaveRegText(), ReadFile(path));
    EXPECT_EQ(std::vector<std::string>{"machine.reg"}, Entries(dir_));

    MemoryRegistry loaded;
    ASSERT_TRUE(loaded.LoadRegFile(path, &error)) << error;
    EXPECT_EQ(reg.SaveRegText(), loaded.SaveRegText());
}

TEST_F(MemoryRegistryFiles, FailedSaveLeavesTheOldFileAndNoTemporary) {
    MemoryRegistry reg;
    std::string error;
    ASSERT_TRUE(reg.LoadRegText(AllKinds, &error)) << error;

    // The target is a directory, so the final rename fails after the data was written.
    const std::string blocked = dir_ + "/blocked.reg";
    ASSERT_EQ(0, mkdir(blocked.c_str(), 0755));
    std::ofstream(blocked + "/inside") << "old contents";
    EXPECT_FALSE(reg.SaveRegFile(blocked, &error));
    EXPECT_NE(std::string::npos, error.find("blocked.reg")) << error;
    EXPECT_EQ(std::vector<std::string>{"blocked.reg"}, Entries(dir_));
    EXPECT_EQ("old contents", ReadFile(blocked + "/inside"));

    EXPECT_FALSE(reg.SaveRegFile(dir_ + "/missing/dir/machine.reg", &error));
    EXPECT_FALSE(error.empty());

    if (geteuid() != 0) {  // root writes into read-only directories anyway
        const std::string sealed = dir_ + "/sealed";
        ASSERT_EQ(0, mkdir(sealed.c_str(), 0755));
        std::ofstream(sealed + "/machine.reg") << "old contents";
        ASSERT_EQ(0, chmod(sealed.c_str(), 0555));
        EXPECT_FALSE(reg.SaveRegFile(sealed + "/machine.reg", &error));
        EXPECT_EQ("old contents", ReadFile(sealed + "/machine.reg"));
        EXPECT_EQ(std::vector<std::string>{"machine.reg"}, Entries(sealed));
        chmod(sealed.c_str(), 0755);
    }
}

TEST_F(MemoryRegistryFiles, MissingFileIsAnError) {
    MemoryRegistry reg;
    std::string error;
    EXPECT_FALSE(reg.LoadRegFile(dir_ + "/absent.reg", &error));
    EXPECT_NE(std::string::npos, error.find("absent.reg")) << error;
}

TEST(MemoryRegistryHandles, CountsOpenHandlesAndSurvivesLeftOpenOnes) {
    auto reg = std::make_unique<MemoryRegistry>();
    RegKey a = 0, b = 0, c = 0;
    EXPECT_EQ(0, reg->OpenHandleCount());
    ASSERT_EQ(RegSuccess, reg->CreateKey(HiveLocalMachine, "Software\\A", "Class", KeyRead, &a));
    ASSERT_EQ(RegSuccess, reg->OpenKey(HiveLocalMachine, "software\\a", KeyRead, &b));
    EXPECT_NE(a, b);
    EXPECT_EQ(2, reg->OpenHandleCount());
    EXPECT_EQ(RegFileNotFound, reg->OpenKey(HiveLocalMachine, "Software\\B", KeyRead, &c));
    EXPECT_EQ(0u, c);
    EXPECT_EQ(2, reg->OpenHandleCount());
    EXPECT_EQ(RegSuccess, reg->CloseKey(a));
    EXPECT_EQ(RegInvalidHandle, reg->CloseKey(a));
    EXPECT_EQ(RegInvalidHandle, reg->CloseKey(0));
    EXPECT_EQ(1, reg->OpenHandleCount());
    // The hive root opens with an empty path and cannot be deleted.
    ASSERT_EQ(RegSuccess, reg->OpenKey(HiveClassesRoot, "", KeyRead, &c));
    EXPECT_EQ(RegAccessDenied, reg->DeleteKey(HiveClassesRoot, ""));
    EXPECT_EQ(2, reg->OpenHandleCount());
    reg.reset();  // handles still open: nothing leaks or dangles
}

TEST(MemoryRegistryHandles, RefusesBadArguments) {
    MemoryRegistry reg;
    RegKey key = 0;
    EXPECT_EQ(RegInvalidParameter, reg.OpenKey(HiveLocalMachine, "A", KeyRead, nullptr));
    EXPECT_EQ(RegInvalidHandle, reg.OpenKey(static_cast<RegHive>(7), "A", KeyRead, &key));
    EXPECT_EQ(0, reg.OpenHandleCount());
}

TEST(MemoryRegistryDeny, RefusesExactlyTheInjectedOperations) {
    MemoryRegistry reg;
    std::string error;
    ASSERT_TRUE(reg.LoadRegText("REGEDIT4\n[HKEY_LOCAL_MACHINE\\S\\K]\n\"V\"=\"1\"\n", &error));
    const unsigned char text[] = "2";
    RegKey key = 0;

    reg.DenyOnKey(HiveLocalMachine, "s\\k", MemoryRegistry::DenyWrite);
    ASSERT_EQ(RegSuccess, reg.OpenKey(HiveLocalMachine, "S\\K", KeyRead | KeyWriteAccess, &key));
    EXPECT_EQ(RegAccessDenied, reg.SetValue(key, "V", RegSz, text, 2));
    EXPECT_EQ(RegAccessDenied, reg.DeleteValue(key, "V"));
    unsigned long size = 0;
    EXPECT_EQ(RegSuccess, reg.QueryValue(key, "V", nullptr, nullptr, &size));
    EXPECT_EQ(RegSuccess, reg.CloseKey(key));

    reg.DenyOnKey(HiveLocalMachine, "S\\K", MemoryRegistry::DenyRead);
    ASSERT_EQ(RegSuccess, reg.OpenKey(HiveLocalMachine, "S\\K", KeyRead | KeyWriteAccess, &key));
    EXPECT_EQ(RegAccessDenied, reg.QueryValue(key, "V", nullptr, nullptr, &size));
    EXPECT_EQ(RegSuccess, reg.SetValue(key, "V", RegSz, text, 2));
    EXPECT_EQ(RegSuccess, reg.CloseKey(key));

    reg.DenyOnKey(HiveLocalMachine, "S\\K", MemoryRegistry::DenyOpen);
    EXPECT_EQ(RegAccessDenied, reg.OpenKey(HiveLocalMachine, "S\\K", KeyRead, &key));
    EXPECT_EQ(RegAccessDenied, reg.CreateKey(HiveLocalMachine, "S\\K", nullptr, KeyRead, &key));
    ASSERT_EQ(RegSuccess, reg.CreateKey(HiveLocalMachine, "S\\K\\Child", nullptr, KeyRead, &key));
    EXPECT_EQ(RegSuccess, reg.CloseKey(key));

    reg.DenyOnKey(HiveLocalMachine, "S\\K\\Child", MemoryRegistry::DenyDelete);
    EXPECT_EQ(RegAccessDenied, reg.DeleteKey(HiveLocalMachine, "S\\K\\Child"));
    EXPECT_TRUE(reg.KeyExists(HiveLocalMachine, "S\\K\\Child"));

    // A refusal set before the key exists holds once it is created, and blocks its subkeys too.
    reg.DenyOnKey(HiveLocalMachine, "S\\New", MemoryRegistry::DenyCreate);
    EXPECT_EQ(RegAccessDenied, reg.CreateKey(HiveLocalMachine, "S\\New\\Deeper", nullptr, KeyRead, &key));
    EXPECT_FALSE(reg.KeyExists(HiveLocalMachine, "S\\New"));
    EXPECT_EQ(0u, key);

    // Lifting the refusals restores normal behaviour.
    reg.DenyOnKey(HiveLocalMachine, "S\\K", 0);
    reg.DenyOnKey(HiveLocalMachine, "S\\K\\Child", 0);
    reg.DenyOnKey(HiveLocalMachine, "S\\New", 0);
    EXPECT_EQ(RegSuccess, reg.DeleteKey(HiveLocalMachine, "S\\K\\Child"));
    ASSERT_EQ(RegSuccess, reg.CreateKey(HiveLocalMachine, "S\\New", nullptr, KeyRead, &key));
    EXPECT_EQ(RegSuccess, reg.CloseKey(key));
    EXPECT_EQ(0, reg.OpenHandleCount());
}

}  // namespace
}  // namespace tarv
