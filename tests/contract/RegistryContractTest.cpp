// The registry behaviour the product relies on, checked against every Registry implementation:
// natively against the in-memory registry, under Wine against advapi32. Each case works in its
// own scratch key, because the Wine cases share one prefix.
#include "tests/contract/ContractBackend.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace tarv {
namespace {

const unsigned char Marker = 0xAB;
const unsigned long ReadWrite = KeyRead | KeyWriteAccess;

class RegistryContract : public ::testing::Test {
protected:
    void SetUp() override {
        backend_ = MakeContractBackend();
        std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        base_ = "Software\\TarvContract\\" + test;
        classesBase_ = "TarvContract\\" + test;
    }

    void TearDown() override {
        // Deepest keys first: a key with subkeys cannot be deleted.
        std::stable_sort(made_.begin(), made_.end(), [](const Made& a, const Made& b) {
            return std::count(a.path.begin(), a.path.end(), '\\') >
                   std::count(b.path.begin(), b.path.end(), '\\');
        });
        for (const Made& key : made_) reg().DeleteKey(key.hive, key.path.c_str());
        EXPECT_EQ(0, backend_->OpenHandleCount()) << "a handle was left open";
    }

    Registry& reg() { return backend_->registry(); }

    std::string Path(const std::string& sub = "") const {
        return sub.empty() ? base_ : base_ + "\\" + sub;
    }

    // Remembers a key and its parents up to the scratch key, for removal at the end of the case.
    void Track(RegHive hive, const std::string& path) {
        std::string root = hive == HiveClassesRoot ? classesBase_ : base_;
        made_.push_back({hive, path});
        for (size_t at = root.size(); at < path.size(); at = path.find('\\', at + 1))
            made_.push_back({hive, path.substr(0, at)});
    }

    // Creates (or opens) a key below the scratch key with read and write access. A failure
    // names the calling case's line (the trailing arguments default to it).
    RegKey Create(const std::string& sub, RegHive hive = HiveLocalMachine,
                  const char* file = __builtin_FILE(), int line = __builtin_LINE()) {
        ::testing::ScopedTrace caller(file, line, "Create() called here");
        std::string path = hive == HiveClassesRoot ? classesBase_ : base_;
        if (!sub.empty()) path += "\\" + sub;
        Track(hive, path);
        RegKey key = 0;
        EXPECT_EQ(RegSuccess, reg().CreateKey(hive, path.c_str(), nullptr, ReadWrite, &key))
            << path;
        return key;
    }

    RegResult Open(const std::string& sub, unsigned long access, RegKey* key) {
        return reg().OpenKey(HiveLocalMachine, Path(sub).c_str(), access, key);
    }

    // Windows NT's RegSetValueExA peeks one byte past unterminated string data and counts a
    // NUL found there as the terminator; a guard byte after the data keeps the length as given.
    RegResult SetBytes(RegKey key, const char* name, unsigned long type, const std::string& bytes) {
        std::string guarded = bytes + "\x7f";
        return reg().SetValue(key, name, type, reinterpret_cast<const unsigned char*>(guarded.data()),
                              static_cast<unsigned long>(bytes.size()));
    }

    // Reads a value into a buffer of bufferSize bytes pre-filled with a marker, and returns the
    // whole buffer so callers can see what was written and what was left alone.
    RegResult Query(RegKey key, const char* name, unsigned long bufferSize, unsigned long* type,
                    unsigned long* size, std::vector<unsigned char>* buffer) {
        buffer->assign(bufferSize + 8, Marker);
        *size = bufferSize;
        return reg().QueryValue(key, name, type, buffer->data(), size);
    }

    std::unique_ptr<ContractBackend> backend_;
    std::string base_;
    std::string classesBase_;

private:
    struct Made {
        RegHive hive;
        std::string path;
    };
    std::vector<Made> made_;
};

std::vector<unsigned char> Bytes(const std::string& s) {
    return std::vector<unsigned char>(s.begin(), s.end());
}

std::vector<unsigned char> Head(const std::vector<unsigned char>& buffer, size_t n) {
    return std::vector<unsigned char>(buffer.begin(), buffer.begin() + n);
}

TEST_F(RegistryContract, OpenOfAMissingKeyFails) {
    RegKey key = Create("");
    ASSERT_EQ(RegSuccess, reg().CloseKey(key));
    RegKey missing = 0;
    EXPECT_EQ(RegFileNotFound, Open("Missing", KeyRead, &missing));
    EXPECT_EQ(RegFileNotFound, Open("Missing\\Deeper", KeyRead, &missing));
}

TEST_F(RegistryContract, CreateMakesEveryMissingParentAndOpensAnExistingKey) {
    Track(HiveLocalMachine, Path("A\\B"));
    RegKey deep = Create("A\\B\\C");
    ASSERT_EQ(RegSuccess, SetBytes(deep, "Kept", RegSz, std::string("yes", 4)));
    ASSERT_EQ(RegSuccess, reg().CloseKey(deep));

    RegKey key = 0;
    ASSERT_EQ(RegSuccess, Open("A", KeyRead, &key));
    EXPECT_EQ(RegSuccess, reg().CloseKey(key));
    ASSERT_EQ(RegSuccess, Open("A\\B", KeyRead, &key));
    EXPECT_EQ(RegSuccess, reg().CloseKey(key));

    // Creating an existing key opens it, values and all.
    RegKey again = Create("A\\B\\C");
    unsigned long type = 0, size = 0;
    std::vector<unsigned char> buffer;
    EXPECT_EQ(RegSuccess, Query(again, "Kept", 16, &type, &size, &buffer));
    EXPECT_EQ(4u, size);
    EXPECT_EQ(RegSuccess, reg().CloseKey(again));
}

TEST_F(RegistryContract, KeyAndValueNamesIgnoreCase) {
    Track(HiveLocalMachine, Path("MixedCase"));
    RegKey key = Create("MixedCase\\Sub");
    ASSERT_EQ(RegSuccess, SetBytes(key, "ValueName", RegSz, std::string("first", 6)));
    // Writing under another case replaces the same value.
    ASSERT_EQ(RegSuccess, SetBytes(key, "VALUENAME", RegSz, std::string("second", 7)));
    ASSERT_EQ(RegSuccess, reg().CloseKey(key));

    std::string upper = Path("MIXEDCASE\\SUB");
    std::transform(upper.begin(), upper.end(), upper.begin(), ::toupper);
    RegKey other = 0;
    ASSERT_EQ(RegSuccess, reg().OpenKey(HiveLocalMachine, upper.c_str(), KeyRead, &other));
    unsigned long type = 0, size = 0;
    std::vector<unsigned char> buffer;
    ASSERT_EQ(RegSuccess, Query(other, "valuename", 16, &type, &size, &buffer));
    EXPECT_EQ(Bytes(std::string("second", 7)), Head(buffer, size));
    EXPECT_EQ(RegSuccess, reg().CloseKey(other));

    // Creating under another case opens the existing key rather than making a second one.
    RegKey created = 0;
    ASSERT_EQ(RegSuccess,
              reg().CreateKey(HiveLocalMachine, Path("mixedcase\\sub").c_str(), nullptr, KeyRead, &created));
    EXPECT_EQ(RegSuccess, Query(created, "ValueName", 16, &type, &size, &buffer));
    EXPECT_EQ(RegSuccess, reg().CloseKey(created));
}

TEST_F(RegistryContract, TooSmallBufferGivesMoreDataAndTheNeededSize) {
    RegKey key = Create("");
    ASSERT_EQ(RegSuccess, SetBytes(key, "Text", RegSz, std::string("hello", 6)));

    unsigned long type = 0, size = 0;
    std::vector<unsigned char> buffer;
    EXPECT_EQ(RegMoreData, Query(key, "Text", 3, &type, &size, &buffer));
    EXPECT_EQ(6u, size);
    EXPECT_EQ(RegSz, type);
    for (size_t i = 3; i < buffer.size(); ++i) EXPECT_EQ(Marker, buffer[i]) << "overrun at " << i;

    // No buffer: the size alone, and success.
    size = 0;
    EXPECT_EQ(RegSuccess, reg().QueryValue(key, "Text", &type, nullptr, &size));
    EXPECT_EQ(6u, size);

    // A buffer of exactly the stored length is enough, and nothing beyond it is touched.
    EXPECT_EQ(RegSuccess, Query(key, "Text", 6, &type, &size, &buffer));
    EXPECT_EQ(6u, size);
    EXPECT_EQ(Bytes(std::string("hello", 6)), Head(buffer, 6));
    for (size_t i = 6; i < buffer.size(); ++i) EXPECT_EQ(Marker, buffer[i]) << "overrun at " << i;

    // Type and size may be left out.
    EXPECT_EQ(RegSuccess, reg().QueryValue(key, "Text", nullptr, nullptr, nullptr));
    EXPECT_EQ(RegSuccess, reg().CloseKey(key));
}

TEST_F(RegistryContract, DataIsKeptExactlyAsWritten) {
    RegKey key = Create("");
    struct Case {
        const char* name;
        unsigned long type;
        std::string bytes;
    } cases[] = {
        {"Terminated", RegSz, std::string("175", 4)},
        {"Unterminated", RegSz, std::string("175", 3)},
        {"EmptyText", RegSz, std::string("", 1)},
        {"Nothing", RegSz, std::string()},
        {"Dword", RegDword, std::string("\x0a\x00\x00\x80", 4)},
        {"Binary", RegBinary, std::string("\x00\xff\x10\x00", 4)},
        {"EmptyBinary", RegBinary, std::string()},
        {"Expand", RegExpandSz, std::string("%WINDIR%\\x", 11)},
        {"Multi", RegMultiSz, std::string("a\0bc\0\0", 6)},
        {"NoneType", RegNone, std::string("\x01\x02", 2)},
    };
    for (const Case& c : cases) ASSERT_EQ(RegSuccess, SetBytes(key, c.name, c.type, c.bytes)) << c.name;
    for (const Case& c : cases) {
        unsigned long type = 0, size = 0;
        std::vector<unsigned char> buffer;
        ASSERT_EQ(RegSuccess, Query(key, c.name, static_cast<unsigned long>(c.bytes.size()), &type,
                                    &size, &buffer))
            << c.name;
        EXPECT_EQ(c.type, type) << c.name;
        EXPECT_EQ(c.bytes.size(), size) << c.name;
        EXPECT_EQ(Bytes(c.bytes), Head(buffer, size)) << c.name;
        EXPECT_EQ(Marker, buffer[size]) << c.name << ": written past the stored length";
    }

    // Rewriting a value replaces type and length.
    ASSERT_EQ(RegSuccess, SetBytes(key, "Terminated", RegDword, std::string("\x01\0\0\0", 4)));
    unsigned long type = 0, size = 0;
    std::vector<unsigned char> buffer;
    ASSERT_EQ(RegSuccess, Query(key, "Terminated", 64, &type, &size, &buffer));
    EXPECT_EQ(RegDword, type);
    EXPECT_EQ(4u, size);
    EXPECT_EQ(RegSuccess, reg().CloseKey(key));
}

TEST_F(RegistryContract, UnterminatedTextGetsATerminatorWhenTheBufferHasRoom) {
    // Windows NT adds the missing terminator after the data but still reports the stored length.
    RegKey key = Create("");
    ASSERT_EQ(RegSuccess, SetBytes(key, "Clock", RegSz, "175"));
    unsigned long type = 0, size = 0;
    std::vector<unsigned char> buffer;
    ASSERT_EQ(RegSuccess, Query(key, "Clock", 8, &type, &size, &buffer));
    EXPECT_EQ(3u, size);
    EXPECT_EQ(Bytes(std::string("175", 4)), Head(buffer, 4));
    EXPECT_EQ(Marker, buffer[4]);
    EXPECT_EQ(RegSuccess, reg().CloseKey(key));
}

TEST_F(RegistryContract, DefaultValueHasTheEmptyName) {
    RegKey key = Create("");
    ASSERT_EQ(RegSuccess, SetBytes(key, "", RegSz, std::string("60,72,75,85", 12)));
    unsigned long type = 0, size = 0;
    std::vector<unsigned char> buffer;
    ASSERT_EQ(RegSuccess, Query(key, nullptr, 64, &type, &size, &buffer));
    EXPECT_EQ(Bytes(std::string("60,72,75,85", 12)), Head(buffer, size));

    ASSERT_EQ(RegSuccess, SetBytes(key, nullptr, RegSz, std::string("60", 3)));
    ASSERT_EQ(RegSuccess, Query(key, "", 64, &type, &size, &buffer));
    EXPECT_EQ(Bytes(std::string("60", 3)), Head(buffer, size));

    ASSERT_EQ(RegSuccess, reg().DeleteValue(key, ""));
    EXPECT_EQ(RegFileNotFound, Query(key, nullptr, 64, &type, &size, &buffer));
    EXPECT_EQ(RegSuccess, reg().CloseKey(key));
}

TEST_F(RegistryContract, MissingValuesAreReportedAndDeletingOneChangesNothing) {
    RegKey key = Create("");
    ASSERT_EQ(RegSuccess, SetBytes(key, "Stays", RegSz, std::string("1", 2)));
    unsigned long type = 0, size = 0;
    std::vector<unsigned char> buffer;
    EXPECT_EQ(RegFileNotFound, Query(key, "Absent", 64, &type, &size, &buffer));
    EXPECT_EQ(RegFileNotFound, reg().DeleteValue(key, "Absent"));
    EXPECT_EQ(RegSuccess, Query(key, "Stays", 64, &type, &size, &buffer));

    EXPECT_EQ(RegSuccess, reg().DeleteValue(key, "STAYS"));
    EXPECT_EQ(RegFileNotFound, Query(key, "Stays", 64, &type, &size, &buffer));
    EXPECT_EQ(RegFileNotFound, reg().DeleteValue(key, "Stays"));
    EXPECT_EQ(RegSuccess, reg().CloseKey(key));
}

TEST_F(RegistryContract, KeyWithSubkeysCannotBeDeletedSoRemovalGoesChildFirst) {
    RegKey child = Create("Parent\\Child");
    ASSERT_EQ(RegSuccess, reg().CloseKey(child));

    EXPECT_EQ(RegAccessDenied, reg().DeleteKey(HiveLocalMachine, Path("Parent").c_str()));
    RegKey key = 0;
    ASSERT_EQ(RegSuccess, Open("Parent\\Child", KeyRead, &key));
    EXPECT_EQ(RegSuccess, reg().CloseKey(key));

    EXPECT_EQ(RegSuccess, reg().DeleteKey(HiveLocalMachine, Path("Parent\\CHILD").c_str()));
    EXPECT_EQ(RegSuccess, reg().DeleteKey(HiveLocalMachine, Path("Parent").c_str()));
    EXPECT_EQ(RegFileNotFound, Open("Parent", KeyRead, &key));
}

TEST_F(RegistryContract, DeletingAMissingKeyFails) {
    RegKey key = Create("");
    ASSERT_EQ(RegSuccess, reg().CloseKey(key));
    EXPECT_EQ(RegFileNotFound, reg().DeleteKey(HiveLocalMachine, Path("Missing").c_str()));
    EXPECT_EQ(RegFileNotFound, reg().DeleteKey(HiveLocalMachine, Path("Missing\\Deeper").c_str()));
}

TEST_F(RegistryContract, DeletedKeyIsGoneAndItsOpenHandleFailsGracefully) {
    RegKey key = Create("Doomed");
    ASSERT_EQ(RegSuccess, SetBytes(key, "Value", RegSz, std::string("x", 2)));
    ASSERT_EQ(RegSuccess, reg().DeleteKey(HiveLocalMachine, Path("Doomed").c_str()));

    RegKey reopened = 0;
    EXPECT_EQ(RegFileNotFound, Open("Doomed", KeyRead, &reopened));
    unsigned long type = 0, size = 0;
    std::vector<unsigned char> buffer;
    EXPECT_EQ(RegKeyDeleted, Query(key, "Value", 64, &type, &size, &buffer));
    EXPECT_EQ(RegKeyDeleted, SetBytes(key, "Value", RegSz, std::string("y", 2)));
    EXPECT_EQ(RegSuccess, reg().CloseKey(key));

    // A new key of the same name starts empty.
    RegKey fresh = Create("Doomed");
    EXPECT_EQ(RegFileNotFound, Query(fresh, "Value", 64, &type, &size, &buffer));
    EXPECT_EQ(RegSuccess, reg().CloseKey(fresh));
}

TEST_F(RegistryContract, ClosedHandleIsRefused) {
    RegKey key = Create("");
    ASSERT_EQ(RegSuccess, reg().CloseKey(key));
    unsigned long type = 0, size = 0;
    std::vector<unsigned char> buffer;
    EXPECT_EQ(RegInvalidHandle, Query(key, "Value", 64, &type, &size, &buffer));
    EXPECT_EQ(RegInvalidHandle, SetBytes(key, "Value", RegSz, std::string("x", 2)));
    EXPECT_EQ(RegInvalidHandle, reg().DeleteValue(key, "Value"));
    EXPECT_EQ(RegInvalidHandle, reg().CloseKey(key));
}

TEST_F(RegistryContract, ClassesRootIsAvailable) {
    RegKey key = Create("Sub", HiveClassesRoot);
    ASSERT_EQ(RegSuccess, SetBytes(key, "", RegSz, std::string("Tarvello", 9)));
    ASSERT_EQ(RegSuccess, reg().CloseKey(key));

    RegKey reopened = 0;
    ASSERT_EQ(RegSuccess, reg().OpenKey(HiveClassesRoot, (classesBase_ + "\\SUB").c_str(),
                                        KeyQueryValue, &reopened));
    unsigned long type = 0, size = 0;
    std::vector<unsigned char> buffer;
    EXPECT_EQ(RegSuccess, Query(reopened, nullptr, 64, &type, &size, &buffer));
    EXPECT_EQ(Bytes(std::string("Tarvello", 9)), Head(buffer, size));
    EXPECT_EQ(RegSuccess, reg().CloseKey(reopened));

    // The two hives are apart.
    RegKey local = 0;
    EXPECT_EQ(RegFileNotFound, reg().OpenKey(HiveLocalMachine, (classesBase_ + "\\Sub").c_str(),
                                             KeyRead, &local));
}

TEST_F(RegistryContract, HandleAccessLimitsWhatItMayDo) {
    RegKey key = Create("");
    ASSERT_EQ(RegSuccess, SetBytes(key, "Value", RegSz, std::string("1", 2)));
    ASSERT_EQ(RegSuccess, reg().CloseKey(key));

    RegKey reader = 0;
    ASSERT_EQ(RegSuccess, Open("", KeyQueryValue, &reader));
    EXPECT_EQ(RegAccessDenied, SetBytes(reader, "Value", RegSz, std::string("2", 2)));
    EXPECT_EQ(RegAccessDenied, reg().DeleteValue(reader, "Value"));
    unsigned long type = 0, size = 0;
    std::vector<unsigned char> buffer;
    EXPECT_EQ(RegSuccess, Query(reader, "Value", 64, &type, &size, &buffer));
    EXPECT_EQ(Bytes(std::string("1", 2)), Head(buffer, size));
    EXPECT_EQ(RegSuccess, reg().CloseKey(reader));

    // Write access alone does not allow reading.
    RegKey writer = 0;
    ASSERT_EQ(RegSuccess, Open("", KeySetValue, &writer));
    EXPECT_EQ(RegAccessDenied, Query(writer, "Value", 64, &type, &size, &buffer));
    EXPECT_EQ(RegSuccess, SetBytes(writer, "Value", RegSz, std::string("3", 2)));
    EXPECT_EQ(RegSuccess, reg().DeleteValue(writer, "Value"));
    EXPECT_EQ(RegSuccess, reg().CloseKey(writer));

    ASSERT_EQ(RegSuccess, Open("", KeyRead, &reader));
    EXPECT_EQ(RegAccessDenied, SetBytes(reader, "Value", RegSz, std::string("4", 2)));
    EXPECT_EQ(RegSuccess, reg().CloseKey(reader));
}

TEST_F(RegistryContract, PathSpellings) {
    RegKey key = Create("Spelled\\Out");
    ASSERT_EQ(RegSuccess, reg().CloseKey(key));
    // Empty components, as from a doubled or trailing backslash, are skipped.
    ASSERT_EQ(RegSuccess, Open("Spelled\\\\Out\\", KeyRead, &key));
    EXPECT_EQ(RegSuccess, reg().CloseKey(key));
    // A leading backslash is refused (Windows NT; Windows 9x would strip it).
    EXPECT_EQ(RegBadPathname, reg().OpenKey(HiveLocalMachine, ("\\" + Path("Spelled")).c_str(), KeyRead, &key));
    EXPECT_EQ(RegBadPathname, reg().CreateKey(HiveLocalMachine, ("\\" + Path("Other")).c_str(), nullptr,
                                              KeyRead, &key));
    EXPECT_EQ(RegFileNotFound, Open("Other", KeyRead, &key));
}

// Subkeys come back one index at a time with their names as created; the order is the
// registry's own (sorted without case on NT and in the in-memory registry; the product never
// depends on it), and the index past the last gives RegNoMoreItems.
TEST_F(RegistryContract, SubkeysAreEnumeratedByIndexUntilNoMoreItems) {
    for (const char* sub : {"Gamma", "alpha", "BUS_01&DEV_00&FUNC_00", "Beta\\Deeper"})
        ASSERT_EQ(RegSuccess, reg().CloseKey(Create(sub)));
    RegKey key = 0;
    ASSERT_EQ(RegSuccess, Open("", KeyEnumerateSubKeys, &key));
    std::vector<std::string> names;
    char name[64];
    RegResult result = RegSuccess;
    for (unsigned long index = 0; index < 10; ++index) {
        std::memset(name, Marker, sizeof name);
        result = reg().EnumKey(key, index, name, sizeof name);
        if (result != RegSuccess) break;
        names.push_back(name);
    }
    EXPECT_EQ(RegNoMoreItems, result);
    EXPECT_EQ((std::vector<std::string>{"alpha", "Beta", "BUS_01&DEV_00&FUNC_00", "Gamma"}), names);
    EXPECT_EQ(RegNoMoreItems, reg().EnumKey(key, 4, name, sizeof name));
    // "Gamma" and its terminator need 6 bytes.
    EXPECT_EQ(RegMoreData, reg().EnumKey(key, 3, name, 5));
    EXPECT_EQ(RegSuccess, reg().EnumKey(key, 3, name, 6));
    EXPECT_STREQ("Gamma", name);
    EXPECT_EQ(RegSuccess, reg().CloseKey(key));

    // A key without subkeys ends at once; a handle without the enumeration right is refused.
    ASSERT_EQ(RegSuccess, Open("Gamma", KeyEnumerateSubKeys, &key));
    EXPECT_EQ(RegNoMoreItems, reg().EnumKey(key, 0, name, sizeof name));
    EXPECT_EQ(RegSuccess, reg().CloseKey(key));
    ASSERT_EQ(RegSuccess, Open("", KeyQueryValue, &key));
    EXPECT_EQ(RegAccessDenied, reg().EnumKey(key, 0, name, sizeof name));
    EXPECT_EQ(RegSuccess, reg().CloseKey(key));
}

}  // namespace
}  // namespace tarv
