// The About group's version line: the number from the file version, prefix and suffix, and
// the bounded result whatever the caller passes.
#include "page/AboutGroup.h"
#include "page/CachedModuleVersion.h"

#include "tests/unit/CallSite.h"
#include "tests/unit/FakeModuleVersion.h"
#include "ui/headless/HeadlessDialog.h"

#include <gtest/gtest.h>

#include <string>

using namespace tarv;

namespace {

typedef FakeModuleVersion FakeModule;

std::string Format(unsigned long most, unsigned long least, unsigned size = 64, CallSite site = CallSite())
{
    CallerTrace trace(site);
    std::string buffer(size + 8, '#');  // marker bytes past the end catch an overrun
    FormatVersion(&buffer[0], size, most, least);
    EXPECT_EQ(std::string(8, '#'), buffer.substr(size)) << "wrote past the buffer";
    return buffer.c_str();
}

TEST(FormatVersionTest, ShowsMajorAndMinorOnly)
{
    EXPECT_EQ("1.0", Format(0x00010000, 0));
    EXPECT_EQ("2.31", Format(0x0002001F, 0x00040005));
    EXPECT_EQ("0.0", Format(0, 0));
    EXPECT_EQ("65535.65535", Format(0xFFFFFFFF, 0xFFFFFFFF));
    EXPECT_EQ("655", Format(0xFFFFFFFF, 0, 4)) << "cut to the buffer";
}

class VersionTextTest : public ::testing::Test {
protected:
    std::string Line(const char* prefix, const char* suffix)
    {
        dialog.SetText(1054, "stale");
        SetVersionText(module, dialog, 1054, prefix, suffix);
        return dialog.Text(1054);
    }
    FakeModule module;
    HeadlessDialog dialog;
};

TEST_F(VersionTextTest, ComposesPrefixNumberAndSuffix)
{
    EXPECT_EQ("Version 1.0 English", Line("Version ", " English"));
    EXPECT_EQ("1.0", Line(nullptr, nullptr));
    EXPECT_EQ("Version 1.0", Line("Version ", nullptr));
    EXPECT_EQ("1.0 Deutsch", Line(nullptr, " Deutsch"));
    module.versionMost = 0x0002001F;
    module.versionLeast = 0x00040005;
    EXPECT_EQ("Version 2.31 Français", Line("Version ", " Français"));
}

TEST_F(VersionTextTest, FileWithoutVersionShowsZero)
{
    module.hasVersion = false;
    EXPECT_EQ("Version 0.0 English", Line("Version ", " English"));
}

TEST_F(VersionTextTest, WithoutModulePathTheLineIsEmpty)
{
    module.pathKnown = false;
    EXPECT_EQ("", Line("Version ", " English"));
    EXPECT_TRUE(module.readFrom.empty());
}

TEST_F(VersionTextTest, LongTextsAreCutToSixtyThreeCharacters)
{
    const std::string longPrefix(100, 'p');
    const std::string longSuffix(100, 's');
    EXPECT_EQ(std::string(63, 'p'), Line(longPrefix.c_str(), " English"));
    const std::string prefix60(60, 'p');
    EXPECT_EQ(prefix60 + "1.0", Line(prefix60.c_str(), longSuffix.c_str()));
    EXPECT_EQ("Version 1.0" + std::string(52, 's'), Line("Version ", longSuffix.c_str()));
}

// The library's file cannot change while it is loaded: its first answers stand.
TEST(CachedModuleVersionTest, AsksTheModuleOnceWhateverItAnswered)
{
    for (bool hasVersion : {true, false}) {
        FakeModule module;
        module.hasVersion = hasVersion;
        CachedModuleVersion cached(module);
        HeadlessDialog dialog;
        SetVersionText(cached, dialog, 1054, "Version ", nullptr);
        EXPECT_EQ(hasVersion ? "Version 1.0" : "Version 0.0", dialog.Text(1054));
        module.hasVersion = !hasVersion;
        module.versionMost = 0x00020000;
        SetVersionText(cached, dialog, 1054, "Version ", nullptr);
        EXPECT_EQ(hasVersion ? "Version 1.0" : "Version 0.0", dialog.Text(1054));
        EXPECT_EQ(1u, module.readFrom.size());

        unsigned long most = 0, least = 0;
        EXPECT_EQ(!hasVersion, cached.ReadFileVersion("C:\\OTHER.DLL", &most, &least))
            << "another file is read";
        EXPECT_EQ(2u, module.readFrom.size());
    }
    FakeModule module;
    module.pathKnown = false;
    CachedModuleVersion cached(module);
    char path[ModulePathSize] = "";
    EXPECT_FALSE(cached.GetModulePath(path, sizeof path));
    module.pathKnown = true;
    EXPECT_FALSE(cached.GetModulePath(path, sizeof path)) << "no path stays no path";
}

TEST(CreditMessageTest, IsOwnedByTheDialogWithAnOkButton)
{
    HeadlessDialog dialog;
    ShowCreditMessage(dialog);
    ASSERT_EQ(1u, dialog.messages.size());
    EXPECT_EQ("Tarvello", dialog.messages[0].caption);
    EXPECT_EQ(MessageOk, dialog.messages[0].style);
}

}  // namespace
