// The installer's string table: its three sets, and the resource script generated from it.
#include "installer/InstallerStrings.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

using namespace tarv::installer;

namespace {

const char RcPath[] = TARV_SOURCE_DIR "/resources/installer/InstallerStrings.rc";

std::string RcQuote(const char* text)
{
    std::string quoted = "\"";
    for (const char* p = text; *p; ++p) {
        if (*p == '\n')
            quoted += "\\n";
        else if (*p == '\\')
            quoted += "\\\\";
        else if (*p == '"')
            quoted += "\"\"";
        else
            quoted += *p;
    }
    return quoted + "\"";
}

// The resource script as it must read for the current table.
std::string RenderRc()
{
    std::ostringstream rc;
    rc << "#pragma code_page(65001)\n"
          "// The installer's texts: English 1-35, French 36-70, German 71-105; numbers 28, 34\n"
          "// and 35 of each set are reserved. Generated from installer/InstallerStrings.cpp:\n"
          "// after changing the table, run installer_tests with TARV_WRITE_INSTALLER_RC=1 set.\n"
          "\n"
          "LANGUAGE 9, 1\n"
          "\n"
          "STRINGTABLE\n"
          "BEGIN\n";
    for (unsigned i = 0; i < InstallerStringCount; ++i)
        rc << "    " << InstallerStringTable[i].number << ", "
           << RcQuote(InstallerStringTable[i].text) << "\n";
    rc << "END\n";
    return rc.str();
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

TEST(InstallerStrings, ResourceScriptMatchesTheTable)
{
    std::string expected = RenderRc();
    if (std::getenv("TARV_WRITE_INSTALLER_RC")) {
        std::ofstream(RcPath, std::ios::binary) << expected;
    }
    EXPECT_EQ(expected, ReadFile(RcPath))
        << "resources/installer/InstallerStrings.rc is out of date; rerun with "
           "TARV_WRITE_INSTALLER_RC=1";
}

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
    EXPECT_EQ(96u, InstallerStringCount);
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
    EXPECT_EQ("Ré&installer", Text(35 + StrReinstall));
    EXPECT_EQ("Sie müssen ein Voodoo5 Karte haben", Text(70 + StrNoModelText));
    EXPECT_EQ(0u, Text(35 + StrRemovalIncomplete).find("Le Tarvello n'a pas pu être supprimé "));
}

TEST(InstallerStrings, LibraryNotFoundMessagesBreakAfterTheirHeading)
{
    EXPECT_EQ(0u, Text(StrLibraryNotFound).find("Install Aborted\n\nTARVPAGE.DLL NOT FOUND: "));
    EXPECT_EQ(0u, Text(35 + StrLibraryNotFound).find("Installation interrompue:\n\nLe fichier "));
    EXPECT_EQ(0u, Text(70 + StrLibraryNotFound).find("Installationsabbruch\n\nTARVPAGE.DLL NICHT"));
    EXPECT_NE(std::string::npos, Text(35 + StrLibraryNotFound).find("doit être dans le même répertoire"));
}

TEST(InstallerStrings, BuiltInSourceTruncatesAndReportsAbsentNumbers)
{
    BuiltInInstallerStrings strings;
    char buffer[8];
    EXPECT_TRUE(strings.LoadInstallerString(StrLibraryName, buffer, sizeof buffer));
    EXPECT_STREQ("TARVPAG", buffer);
    buffer[0] = 'x';
    EXPECT_FALSE(strings.LoadInstallerString(28, buffer, sizeof buffer));
    EXPECT_STREQ("", buffer);
}
