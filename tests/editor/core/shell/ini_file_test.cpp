// The settings file: Windows profile reading (names in any letter case, values
// trimmed) and key-by-key writing that leaves the rest of the file alone.

#include "editor/core/shell/ini_file.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>

using namespace meshsmith;
using namespace meshsmith::test;

TEST(IniFile, MissingOrUnreadableFileReadsAsEmpty) {
    TempFolder dir;
    IniFile missing(dir.file("Meshsmith.ini"));
    EXPECT_EQ(missing.readString("General Options", "GPLPath", "fallback"), "fallback");
    EXPECT_TRUE(missing.eraseSection("Recent Used Files"));
    EXPECT_FALSE(std::filesystem::exists(missing.path())) << "erasing created a file";

    std::filesystem::create_directory(dir.file("folder.ini")); // neither readable nor replaceable
    IniFile folder(dir.file("folder.ini"));
    EXPECT_TRUE(folder.readBool("S", "K", true));
    EXPECT_FALSE(folder.writeString("S", "K", "v"));
    EXPECT_TRUE(std::filesystem::is_directory(folder.path()));
}

TEST(IniFile, ReadsAsTheProfileFunctionsDo) {
    TempFolder dir;
    writeFile(dir.file("a.ini"),
              "\xEF\xBB\xBF[general options]\r\n  gplpath =  C:\\GPL\\gpl.exe \t\r\n"
              "; ShowGrid=1\r\nShowGrid=0\rGridScale= 12 points\r\n"
              "Huge=99999999999\r\nMinus=-3\r\nWord=yes\r\n"
              "[ Other ]\r\nGPLPath=other\r\n[General Options]\r\nGPLPath=copy\r\n");
    IniFile ini(dir.file("a.ini"));
    const std::string s = "General Options";
    EXPECT_EQ(ini.readString(s, "GPLPath", ""), "C:\\GPL\\gpl.exe") << "first section, trimmed";
    EXPECT_EQ(ini.readString("OTHER", "gplPATH", ""), "other");
    EXPECT_FALSE(ini.readBool(s, "ShowGrid", true)) << "a commented line is no key";
    EXPECT_EQ(ini.readInteger(s, "GridScale", 1), 12);
    EXPECT_EQ(ini.readInteger(s, "Huge", 1), INT_MAX);
    EXPECT_TRUE(ini.readBool(s, "Minus", false));
    EXPECT_TRUE(ini.readBool(s, "Word", true));
    EXPECT_FALSE(ini.readBool(s, "Word", false));
    auto keys = ini.readSection(s);
    ASSERT_EQ(keys.size(), 6u);
    EXPECT_EQ(keys[0], (std::pair<std::string, std::string>{"gplpath", "C:\\GPL\\gpl.exe"}));
}

TEST(IniFile, WritesOneKeyInPlaceAndErasesSections) {
    TempFolder dir;
    IniFile ini(dir.file("Meshsmith.ini"));
    writeFile(ini.path(), "; kept comment\n[General Options]\nGPLPath=C:\\GPL\\gpl.exe\n"
                          "showGrid=0\n\n[Recent Used Files]\nF0=C:\\p.3dp\n");
    ASSERT_TRUE(ini.writeBool("General Options", "ShowGrid", true));
    ASSERT_TRUE(ini.writeInteger("general options", "GridScale", 5));
    ASSERT_TRUE(ini.writeString("Project", "Last", "  a b  "));
    EXPECT_EQ(readFile(ini.path()),
              crlfLines({"; kept comment", "[General Options]", "GPLPath=C:\\GPL\\gpl.exe",
                         "showGrid=1", "GridScale=5", "", "[Recent Used Files]", "F0=C:\\p.3dp", "",
                         "[Project]", "Last=  a b  "}));
    EXPECT_EQ(ini.readString("Project", "Last", ""), "a b");

    // Texts that would read back as something else are refused and change nothing.
    const std::string before = readFile(ini.path());
    EXPECT_FALSE(ini.writeString("General Options", "GPLPath", "a\r\nShowGrid=0"));
    EXPECT_FALSE(ini.writeString("General Options", "Key=", "v"));
    EXPECT_FALSE(ini.writeString("Sec]tion", "Key", "v"));
    EXPECT_EQ(readFile(ini.path()), before);

    writeFile(ini.path(), crlfLines({"[Recent Used Files]", "F0=a", "[General Options]",
                                     "PlaySound=0", "[recent used files]", "F1=b"}));
    ASSERT_TRUE(ini.eraseSection("Recent Used Files"));
    EXPECT_EQ(readFile(ini.path()), crlfLines({"[General Options]", "PlaySound=0"}));
}
