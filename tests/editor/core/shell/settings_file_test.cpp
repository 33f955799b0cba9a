// The settings file as one recorded session (tests/data/editor/settings_file.txt):
// Windows profile reading (names in any letter case, values trimmed), key-by-key
// writing that leaves the rest of the file alone, the recent-projects list in
// its section, and the "General Options" read from it; then the start items'
// captions; and where the file lives (beside the program, else in the user's
// configuration folder).

#include "editor/core/shell/general_options.hpp"
#include "editor/core/shell/recent_files.hpp"
#include "editor/core/shell/settings_folder.hpp"
#include "support/temp_folder.hpp"

#include "../rule_table.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <utility>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

struct SettingsSession {
    TempFolder dir;
    IniFile ini{settingsFilePath(dir.folder())};
    RecentFiles recent;
    std::string shownFile = "no file"; // the file as last shown

    // "file TEXT", "folder" (a folder where the file should be), "read",
    // "integer", "bool" or "write", "write-integer", "write-bool" with
    // "SECTION|KEY|VALUE" (the value a fallback when reading), "section NAME",
    // "erase NAME", "recent PATH" (added), "recent-clear", "recent-list",
    // "recent-save", "recent-load", "options".
    std::string run(const std::string& command) {
        const std::size_t space = command.find(' ');
        const std::string word = command.substr(0, space);
        const std::string in =
            space == std::string::npos ? "" : unescaped(command.substr(space + 1));
        const std::size_t bar = in.find('|'), last = in.rfind('|');
        const std::string s = in.substr(0, bar), k = in.substr(bar + 1, last - bar - 1),
                          v = in.substr(last + 1);
        std::ostringstream out;
        if (word == "file") writeFile(ini.path(), in);
        if (word == "folder") {
            std::filesystem::remove(ini.path());
            std::filesystem::create_directory(ini.path());
        }
        if (word == "read") out << " '" << escaped(ini.readString(s, k, v)) << "'";
        if (word == "integer") out << " " << ini.readInteger(s, k, std::stoi(v));
        if (word == "bool") out << " " << ini.readBool(s, k, v == "1");
        if (word == "section")
            for (const auto& [key, value] : ini.readSection(in))
                out << " '" << escaped(key) << "'='" << escaped(value) << "'";
        if (word == "write") out << " " << ini.writeString(s, k, v);
        if (word == "write-integer") out << " " << ini.writeInteger(s, k, std::stoi(v));
        if (word == "write-bool") out << " " << ini.writeBool(s, k, v == "1");
        if (word == "erase") out << " " << ini.eraseSection(in);
        if (word == "recent") recent.add(in);
        if (word == "recent-clear") recent = {};
        if (word == "recent-save") out << " " << recent.save(ini);
        if (word == "recent-load") recent.load(ini);
        if (word.rfind("recent", 0) == 0 && word != "recent")
            for (const std::string& path : recent.entries())
                out << " '" << escaped(path) << "'";
        if (word == "options") {
            const GeneralOptions g = readGeneralOptions(ini);
            out << " paths '" << g.GPLPath << "' '" << g.ViewerPath << "' '" << g.UserPath << "' '"
                << g.BMPPath << "', switches " << g.MakeSubDir << g.CopyBmp << g.MipInfo
                << g.MaxOnStartup << g.PlaySound << g.ShowBackside << g.RandomPolyColors
                << g.ToolTips << g.NoCaption << g.ShowGrid << ", grid " << g.GridScale << " "
                << g.GridSize << " " << g.GridColor;
        }
        std::string file = "no file"; // shown when it changed
        if (std::filesystem::is_directory(ini.path()))
            file = "a folder";
        else if (std::filesystem::exists(ini.path()))
            file = "file " + escaped(readFile(ini.path()));
        if (word == "file") shownFile = file; // as the command tells
        const std::string result = out.str().empty() ? "" : "  ->" + out.str() + "\n";
        return result + (file == std::exchange(shownFile, file) ? "" : "  " + file + "\n");
    }
};

} // namespace

TEST(SettingsFile, RecordedSession) {
    SettingsSession s;
    expectSession("settings_file.txt", [&](const std::string& command) { return s.run(command); });
}

TEST(GeneralOptions, SettingsBesideTheProgramAndStartItemCaptions) {
    EXPECT_EQ(settingsFilePath("C:\\Meshsmith\\"), "C:\\Meshsmith\\Meshsmith.ini");
    EXPECT_EQ(startItemCaption(""), "Start ");
    EXPECT_EQ(startItemCaption("C:\\Tools\\viewer.exe"), "Start viewer");
    EXPECT_EQ(startItemCaption("C:/Tools/3D view\\viewer.exe"), "Start viewer");
}

TEST(SettingsFolder, BesideTheProgramWhereItCanWriteElseTheUsersConfigurationFolder) {
    struct Case {
        const char* what;
        bool writable;
        const char* configHome; // under the home folder; "" unset, "~rel" a relative value
        bool iniBeside, iniOfTheUser;
        const char* expected; // under the home folder, or "app"
        int gridScale;        // read from the settings there
    };
    const Case cases[] = {
        {"writable program folder", true, "cfg", true, false, "app", 7},
        {"read-only, XDG_CONFIG_HOME set", false, "cfg", true, false, "cfg/Meshsmith/", 7},
        {"read-only, XDG_CONFIG_HOME unset", false, "", false, false, ".config/Meshsmith/", 1},
        {"read-only, XDG_CONFIG_HOME relative", false, "~rel", true, false, ".config/Meshsmith/",
         7},
        {"read-only, the user's own settings kept", false, "", true, true, ".config/Meshsmith/", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder app, home;
        const std::string h = home.folder(), ch = c.configHome;
        const std::string expected =
            std::string(c.expected) == "app" ? app.folder() : h + c.expected;
        if (c.iniBeside)
            writeFile(app.file("Meshsmith.ini"), "[General Options]\r\nGridScale=7\r\n");
        if (c.iniOfTheUser) {
            std::filesystem::create_directories(expected);
            writeFile(expected + "Meshsmith.ini", "[General Options]\r\nGridScale=3\r\n");
        }
        const std::string configHome = ch.empty() ? "" : ch == "~rel" ? "rel/cfg" : h + ch;
        const SettingsFolder chosen =
            chooseSettingsFolder(app.folder(), c.writable, {configHome, h});
        EXPECT_EQ(chosen.folder, expected);
        EXPECT_EQ(chosen.note.empty(), c.writable) << chosen.note;
        EXPECT_EQ(readGeneralOptions(IniFile(settingsFilePath(chosen.folder))).GridScale,
                  c.gridScale);
    }
}
