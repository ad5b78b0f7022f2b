// DllRegisterServer's entries under HKEY_CLASSES_ROOT, written through the registry interface.
#include "CallSite.h"
#include "page/server/ServerRegistration.h"
#include "registry/memory/MemoryRegistry.h"

#include <gtest/gtest.h>

#include <string>

using namespace tarv;

namespace {

const char LibraryPath[] = "C:\\WINDOWS\\SYSTEM\\TARVPAGE.DLL";

class ServerRegistration : public ::testing::Test {
protected:
    // Every Windows system has the CLSID key.
    void SetUp() override { Seed("[HKEY_CLASSES_ROOT\\CLSID]\n\n"); }
    void Seed(const std::string& sections, CallSite site = CallSite())
    {
        CallerTrace trace(site);
        std::string error;
        ASSERT_TRUE(registry.LoadRegText("REGEDIT4\n\n" + sections, &error)) << error;
    }
    std::string Register(const char* path = LibraryPath, CallSite site = CallSite())
    {
        CallerTrace trace(site);
        UpdateServerRegistration(registry, path);
        EXPECT_EQ(0, registry.OpenHandleCount()) << "keys left open";
        return registry.SaveRegText();
    }

    MemoryRegistry registry;
};

const char FiveEntries[] =
    "REGEDIT4\n\n"
    "[HKEY_CLASSES_ROOT\\CLSID]\n\n"
    "[HKEY_CLASSES_ROOT\\CLSID\\{7D2E41C6-3A5F-4B10-9C84-2F61A0D9E375}]\n"
    "@=\"PROPERTY.PROPERTYINTERFACE\"\n\n"
    "[HKEY_CLASSES_ROOT\\CLSID\\{7D2E41C6-3A5F-4B10-9C84-2F61A0D9E375}\\InProcServer32]\n"
    "@=\"C:\\\\WINDOWS\\\\SYSTEM\\\\TARVPAGE.DLL\"\n"
    "\"ThreadingModel\"=\"Apartment\"\n\n"
    "[HKEY_CLASSES_ROOT\\CLSID\\{7D2E41C6-3A5F-4B10-9C84-2F61A0D9E375}\\ProgID]\n"
    "@=\"PROPERTY.PROPERTYINTERFACE\"\n\n"
    "[HKEY_CLASSES_ROOT\\PROPERTY.PROPERTYINTERFACE]\n"
    "@=\"PROPERTY.PROPERTYINTERFACE\"\n\n"
    "[HKEY_CLASSES_ROOT\\PROPERTY.PROPERTYINTERFACE\\CLSID]\n"
    "@=\"{7D2E41C6-3A5F-4B10-9C84-2F61A0D9E375}\"\n\n";

}  // namespace

TEST_F(ServerRegistration, FreshSystemGetsExactlyTheFiveEntriesWithTheApartmentModel)
{
    EXPECT_EQ(FiveEntries, Register());
    // Registering again changes nothing.
    EXPECT_EQ(FiveEntries, Register());
}

TEST_F(ServerRegistration, ExistingProgIdAndClassKeysKeepTheirDefaultsTheRestIsRewritten)
{
    Seed("[HKEY_CLASSES_ROOT\\PROPERTY.PROPERTYINTERFACE]\n"
         "@=\"Older name\"\n\n"
         "[HKEY_CLASSES_ROOT\\CLSID\\{7D2E41C6-3A5F-4B10-9C84-2F61A0D9E375}]\n\n"
         "[HKEY_CLASSES_ROOT\\CLSID\\{7D2E41C6-3A5F-4B10-9C84-2F61A0D9E375}\\InProcServer32]\n"
         "@=\"C:\\\\OLD\\\\TARVPAGE.DLL\"\n"
         "\"ThreadingModel\"=\"Apartment\"\n\n"
         "[HKEY_CLASSES_ROOT\\PROPERTY.PROPERTYINTERFACE\\CLSID]\n"
         "@=\"{00000000-0000-0000-0000-000000000000}\"\n\n");
    const std::string text = Register();
    EXPECT_EQ(
        "REGEDIT4\n\n"
        "[HKEY_CLASSES_ROOT\\CLSID]\n\n"
        // an existing class key without a default value stays without one
        "[HKEY_CLASSES_ROOT\\CLSID\\{7D2E41C6-3A5F-4B10-9C84-2F61A0D9E375}]\n\n"
        "[HKEY_CLASSES_ROOT\\CLSID\\{7D2E41C6-3A5F-4B10-9C84-2F61A0D9E375}\\InProcServer32]\n"
        "@=\"C:\\\\WINDOWS\\\\SYSTEM\\\\TARVPAGE.DLL\"\n"
        "\"ThreadingModel\"=\"Apartment\"\n\n"
        "[HKEY_CLASSES_ROOT\\CLSID\\{7D2E41C6-3A5F-4B10-9C84-2F61A0D9E375}\\ProgID]\n"
        "@=\"PROPERTY.PROPERTYINTERFACE\"\n\n"
        "[HKEY_CLASSES_ROOT\\PROPERTY.PROPERTYINTERFACE]\n"
        "@=\"Older name\"\n\n"
        "[HKEY_CLASSES_ROOT\\PROPERTY.PROPERTYINTERFACE\\CLSID]\n"
        "@=\"{7D2E41C6-3A5F-4B10-9C84-2F61A0D9E375}\"\n\n",
        text);
}

TEST_F(ServerRegistration, ValuesAreTerminatedStrings)
{
    Register();
    unsigned long type = 0;
    std::vector<unsigned char> data;
    ASSERT_TRUE(registry.GetValue(HiveClassesRoot,
                                  "CLSID\\{7D2E41C6-3A5F-4B10-9C84-2F61A0D9E375}\\InProcServer32",
                                  "", &type, &data));
    EXPECT_EQ(RegSz, type);
    EXPECT_EQ(std::string(LibraryPath) + '\0', std::string(data.begin(), data.end()));
}

TEST_F(ServerRegistration, AFailingEntryIsSkippedAndTheOthersAreStillWritten)
{
    registry.DenyOnKey(HiveClassesRoot, "PROPERTY.PROPERTYINTERFACE\\CLSID",
                       MemoryRegistry::DenyCreate);
    const std::string text = Register();
    EXPECT_EQ(std::string::npos, text.find("PROPERTY.PROPERTYINTERFACE\\CLSID]"));
    EXPECT_NE(std::string::npos, text.find("[HKEY_CLASSES_ROOT\\PROPERTY.PROPERTYINTERFACE]"));
    EXPECT_NE(std::string::npos, text.find("InProcServer32]\n@=\"C:\\\\WINDOWS"));
    EXPECT_NE(std::string::npos, text.find("\\ProgID]\n@=\"PROPERTY.PROPERTYINTERFACE\""));
}

TEST_F(ServerRegistration, AClassesRootThatRefusesEverythingIsHarmless)
{
    registry.DenyOnKey(HiveClassesRoot, "CLSID\\{7D2E41C6-3A5F-4B10-9C84-2F61A0D9E375}",
                       MemoryRegistry::DenyCreate);
    registry.DenyOnKey(HiveClassesRoot, "PROPERTY.PROPERTYINTERFACE", MemoryRegistry::DenyCreate);
    EXPECT_EQ("REGEDIT4\n\n[HKEY_CLASSES_ROOT\\CLSID]\n\n", Register());
}

TEST_F(ServerRegistration, WithoutALibraryPathNoServerEntryIsWritten)
{
    const std::string text = Register(nullptr);
    EXPECT_EQ(std::string::npos, text.find("InProcServer32"));
    EXPECT_NE(std::string::npos, text.find("\\ProgID]"));
}

// Unregistering takes away exactly what registering wrote, also when run again; a ProgID of
// another program of the same name and keys others added stay.
TEST_F(ServerRegistration, UnregisteringDeletesExactlyWhatRegisteringWrote)
{
    Seed("[HKEY_CLASSES_ROOT\\CLSID\\{00000000-0000-0000-0000-000000000001}]\n@=\"x\"\n\n");
    const std::string before = registry.SaveRegText();
    Register();
    EXPECT_TRUE(RemoveServerRegistration(registry));
    EXPECT_EQ(before, registry.SaveRegText());
    EXPECT_TRUE(RemoveServerRegistration(registry));  // already gone
    EXPECT_EQ(before, registry.SaveRegText());
    EXPECT_EQ(0, registry.OpenHandleCount());

    const std::string foreign =
        "[HKEY_CLASSES_ROOT\\PROPERTY.PROPERTYINTERFACE\\CLSID]\n"
        "@=\"{11111111-2222-3333-4444-555555555555}\"\n\n";
    Seed(foreign + "[HKEY_CLASSES_ROOT\\CLSID\\{7D2E41C6-3A5F-4B10-9C84-2F61A0D9E375}"
                   "\\InProcServer32]\n\n");
    EXPECT_TRUE(RemoveServerRegistration(registry));
    EXPECT_EQ(before + "[HKEY_CLASSES_ROOT\\PROPERTY.PROPERTYINTERFACE]\n\n" +
                  foreign,
              registry.SaveRegText());

    // A subkey someone else put under the class key keeps it, and unregistering says so.
    Seed("[HKEY_CLASSES_ROOT\\CLSID\\{7D2E41C6-3A5F-4B10-9C84-2F61A0D9E375}\\Implemented Categories]\n\n");
    Register();
    EXPECT_FALSE(RemoveServerRegistration(registry));
    EXPECT_NE(std::string::npos, registry.SaveRegText().find("E375}\\Implemented Categories]"));
    EXPECT_EQ(std::string::npos, registry.SaveRegText().find("InProcServer32"));
}
