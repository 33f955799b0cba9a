// The installation settings of "General Options" and the start items' captions.

#include "editor/core/shell/general_options.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

using namespace meshsmith;
using namespace meshsmith::test;

TEST(GeneralOptions, FirstStartWithoutSettingsFileGivesTheDefaults) {
    TempFolder dir;
    EXPECT_EQ(settingsFilePath(dir.folder()), dir.folder() + "Meshsmith.ini");
    GeneralOptions o = readGeneralOptions(IniFile(settingsFilePath(dir.folder())));
    EXPECT_TRUE(o.MaxOnStartup && o.PlaySound && o.ShowBackside);
    EXPECT_FALSE(o.ShowGrid || o.MakeSubDir || o.CopyBmp || o.MipInfo || o.RandomPolyColors ||
                 o.ToolTips || o.NoCaption);
    EXPECT_EQ(o.GridScale, 1);
    EXPECT_EQ(o.GridSize, 1);
    EXPECT_EQ(o.GridColor, "clBlack");
    EXPECT_EQ(o.GPLPath + o.ViewerPath + o.UserPath + o.BMPPath, "");
}

TEST(GeneralOptions, ReadsTheStoredValuesAndKeepsThemUsable) {
    TempFolder dir;
    const std::string path = dir.file("Meshsmith.ini");
    writeFile(path,
              crlfLines({"[General Options]", "BMPPath=D:\\Archive\\Walls\\", "PlaySound=0",
                         "ToolTips=2", "GridScale=0", "GridSize=500", "GridColor=$00FF8000"}));
    GeneralOptions o = readGeneralOptions(IniFile(path));
    EXPECT_EQ(o.BMPPath, "D:\\Archive\\Walls\\");
    EXPECT_FALSE(o.PlaySound);
    EXPECT_TRUE(o.ToolTips) << "any non-zero number is true";
    EXPECT_EQ(o.GridScale, 1);
    EXPECT_EQ(o.GridSize, 100);
    EXPECT_EQ(o.GridColor, "$00FF8000");
    writeFile(path, crlfLines({"[General Options]", "GridColor=notacolour"}));
    EXPECT_EQ(readGeneralOptions(IniFile(path)).GridColor, "clBlack");
}

TEST(GeneralOptions, StartItemCaptionIsStartAndTheProgramName) {
    EXPECT_EQ(startItemCaption(""), "Start ");
    EXPECT_EQ(startItemCaption("C:\\Tools\\viewer.exe"), "Start viewer");
    EXPECT_EQ(startItemCaption("C:/Tools/3D view\\viewer.exe"), "Start viewer");
}
