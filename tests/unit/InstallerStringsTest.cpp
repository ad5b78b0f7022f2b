// The installer's string table, read from its resource script as the program loads it: its
// three sets, and how the shared reader takes the script's quoting.
#include "installer/InstallerStrings.h"
#include "tests/unit/RcStrings.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>

using namespace tarv;
using namespace tarv::installer;

namespace {

const char RcPath[] = TARV_INSTALLER_RC;

const FakeStringTable& Strings()
{
    static const FakeStringTable table = ReadRcStrings(RcPath);
    return table;
}

const char* FindInstallerString(unsigned number)
{
    auto found = Strings().strings.find(number);
    return found == Strings().strings.end() ? nullptr : found->second.c_str();
}

std::string ReadFile(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Text(int number)
{
    const char* text = FindInstallerString(number);
    return text ? text : "<absent>";
}

}  // namespace

TEST(InstallerStrings, AccentedTextsAreUtf8InTheScript)
{
    std::string rc = ReadFile(RcPath);
    EXPECT_NE(std::string::npos, rc.find("39, \"Choisissez votre mod\xC3\xA8le\""));
    EXPECT_NE(std::string::npos, rc.find("installiert auf Ihrem System. M\xC3\xB6" "chten Sie"));
    EXPECT_NE(std::string::npos, rc.find(" Fran\xC3\xA7" "ais"));
    EXPECT_EQ(0u, rc.find("#pragma code_page(65001)\n"));
}

TEST(InstallerStrings, ThreeParallelSetsWithTheReservedNumbersAbsent)
{
    const std::set<int> reserved = {28, 34, 35};
    for (int set = 0; set < 3; ++set) {
        for (int n = 1; n <= StringsPerSet; ++n) {
            int number = set * StringsPerSet + n;
            if (reserved.count(n))
                EXPECT_EQ(nullptr, FindInstallerString(number)) << number;
            else
                EXPECT_NE(nullptr, FindInstallerString(number)) << number;
        }
    }
    EXPECT_EQ(96u, Strings().strings.size());
    EXPECT_EQ(nullptr, FindInstallerString(0));
    EXPECT_EQ(nullptr, FindInstallerString(106));

    // Texts that read the same in every language.
    for (int n : {1, 2, 3, 5, 6, 7, 9, 11, 13, 17, 19, 24, 31}) {
        EXPECT_EQ(Text(n), Text(35 + n)) << n;
        EXPECT_EQ(Text(n), Text(70 + n)) << n;
    }
    EXPECT_EQ("TARV_class", Text(StrClassName));
    EXPECT_EQ("TARVPAGE.DLL", Text(70 + StrLibraryName));
    EXPECT_EQ(" ", Text(35 + StrMaintenanceLine3));
    EXPECT_EQ(Ansi("Ré&installer"), Text(35 + StrReinstall));
    EXPECT_EQ(Ansi("Sie müssen ein Voodoo5 Karte haben"), Text(70 + StrNoModelText));
    EXPECT_EQ(0u, Text(35 + StrRemovalIncomplete).find(Ansi("Le Tarvello n'a pas pu être supprimé ")));
}

TEST(InstallerStrings, LibraryNotFoundMessagesBreakAfterTheirHeading)
{
    EXPECT_EQ(0u, Text(StrLibraryNotFound).find("Install Aborted\n\nTARVPAGE.DLL NOT FOUND: "));
    EXPECT_EQ(0u, Text(35 + StrLibraryNotFound).find("Installation interrompue:\n\nLe fichier "));
    EXPECT_EQ(0u, Text(70 + StrLibraryNotFound).find("Installationsabbruch\n\nTARVPAGE.DLL NICHT"));
    EXPECT_NE(std::string::npos,
              Text(35 + StrLibraryNotFound).find(Ansi("doit être dans le même répertoire")));
}

TEST(InstallerStrings, LoadedTextsAreTruncatedAndAbsentNumbersEmpty)
{
    FakeStringTable strings = Strings();
    char buffer[8];
    strings.LoadText(StrLibraryName, buffer, sizeof buffer);
    EXPECT_STREQ("TARVPAG", buffer);
    buffer[0] = 'x';
    strings.LoadText(28, buffer, sizeof buffer);
    EXPECT_STREQ("", buffer);
}

// The resource compiler's escapes, as windres turns them into the string resource; anything
// else is refused rather than read as some other text.
TEST(RcStringTableReader, TakesTheResourceCompilersEscapes)
{
    const struct {
        const char* quoted;
        bool known;
        const char* text;
    } cases[] = {
        {"plain", true, "plain"},
        {"a\\n\\nb", true, "a\n\nb"},
        {"tab\\tstop", true, "tab\tstop"},
        {"C:\\\\TARV", true, "C:\\TARV"},
        {"say \"\"hi\"\"", true, "say \"hi\""},
        {"\\x41", false, ""},
        {"ends in \\", false, ""},
    };
    for (const auto& c : cases) {
        std::string text;
        EXPECT_EQ(c.known, UnescapeRcText(c.quoted, &text)) << c.quoted;
        if (c.known) {
            EXPECT_EQ(c.text, text) << c.quoted;
        }
    }
}
