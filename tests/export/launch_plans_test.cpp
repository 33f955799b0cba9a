// "Write ASE, Convert and start GPL": its checks, the track folder, and the
// command lines of the game, the launcher, the viewer and the user program.

#include "export/build_checks.hpp"
#include "export/launch_plans.hpp"
#include "model/paths.hpp"
#include "support/project_builders.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <filesystem>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

#ifdef _WIN32
const std::string kExe = ".exe";
#else
const std::string kExe = "";
#endif

// A textured project with three textures, saved as <folder>stand.3dp.
Project texturedProject(const std::string& folder) {
    Project p;
    p.object.vertices.resize(4);
    for (const char* bitmap : {"C:\\Bitmaps\\seats.bmp", "roof.bmp", "D:/Art/banner.bmp"})
        p.object.textures.push_back({bitmap, 0, "", 0});
    p.object.polygons = {makeTexturedPolygon({0, 1, 2}, 0, {{0, 0}, {1, 0}, {1, 1}})};
    p.ProjectFile = folder + "stand.3dp";
    return p;
}

} // namespace

TEST(LaunchPlans, ConvertAndStartChecksComeInTheirOrder) {
    TempFolder dir;
    const std::string spaces = "Application path, project file path or GPL path contains "
                               "spaces.\rUnable to use 3DOKiln and/or GPL !";
    Project p = texturedProject(dir.folder());
    p.object.polygons.push_back(makePolygon({0, 2, 3}));
    p.ProjectFile = "None";
    LaunchSettings s{dir.folder(), dir.file("gpl.exe"), "", ""};

    EXPECT_EQ(checkConvertAndStart(Project{}, s).message, "Not enough Data to write ASE-file !");
    EXPECT_EQ(checkConvertAndStart(p, s).message,
              "Only entirely textured objects supported so far !");
    p.object.polygons.pop_back();
    EXPECT_EQ(checkConvertAndStart(p, s).message,
              "GPL.exe not found. Check settings in OPTIONS Menu !");
    writeFile(s.gplPath, "");
    EXPECT_EQ(checkConvertAndStart(p, s).message, "GPLkick.exe missing !");
    writeFile(launcherPath(s.appFolder), "");
    EXPECT_EQ(checkConvertAndStart(p, s).message, "Save project first !");
    p.ProjectFile = "C:\\My Tracks\\stand.3dp";
    EXPECT_EQ(checkConvertAndStart(p, s).message, "3DO-Kiln not found !");
    writeFile(kilnPath(s.appFolder), "");
    EXPECT_EQ(checkConvertAndStart(p, s).message, spaces);
    EXPECT_EQ(checkBuild(p, s.appFolder).message, "Application and/or project file path contains "
                                                  "spaces.\rUnable to use 3DOKiln and/or GPL !");
    p.ProjectFile = dir.file("stand.3dp");
    EXPECT_EQ(checkConvertAndStart(p, s).message, "");

    std::filesystem::create_directory(dir.file("GPL 1"));
    LaunchSettings spaced{dir.file("GPL 1") + "/", dir.file("GPL 1") + "/gpl.exe", "", ""};
    for (const std::string& f :
         {kilnPath(spaced.appFolder), launcherPath(spaced.appFolder), spaced.gplPath})
        writeFile(f, "");
    EXPECT_EQ(checkConvertAndStart(p, spaced).message, spaces) << "program folder and game path";
    spaced.appFolder = s.appFolder;
    EXPECT_EQ(checkConvertAndStart(p, spaced).message, spaces) << "game path alone";
}

TEST(LaunchPlans, TrackFolderNeedsTheGameTexturesAndNamesTheOutput) {
    TempFolder dir;
    std::filesystem::create_directory(dir.file("monza"));
    writeFile(dir.file("monza") + "/roof.mip", "");
    Project p = texturedProject("C:\\Projects\\");
    // A folder stored without its separator gets the platform's.
    const std::string monza = dir.file("monza");
    for (const auto& [folder, out] : {std::pair{monza + "/", monza + "/stand.3do"},
                                      std::pair{monza, monza + kPathSeparator + "stand.3do"}}) {
        p.options.TrackFolder = folder;
        TrackFolderCheck c = checkTrackFolder(p);
        EXPECT_FALSE(c.invalidFolder);
        EXPECT_EQ(c.missing,
                  (std::vector<std::string>{
                      "Referenced file 'seats.mip' does not exist in specified track folder !",
                      "Referenced file 'banner.mip' does not exist in specified track folder !"}));
        EXPECT_EQ(c.out, out) << "folder stored as " << folder;
    }
    for (const std::string& folder : {std::string(), dir.file("nowhere") + "/"}) {
        p.options.TrackFolder = folder;
        TrackFolderCheck c = checkTrackFolder(p);
        EXPECT_TRUE(c.invalidFolder);
        EXPECT_TRUE(c.missing.empty());
    }
}

TEST(LaunchPlans, GameParametersNeedADashButTheLauncherPassesThemQuoted) {
    const LaunchSettings s{"C:\\Meshsmith\\", "C:\\GPL\\gpl.exe", "", ""};
    Project p;
    p.ProjectFile = "C:\\Tracks\\stand.3dp";
    p.options.GPLParam = true;
    p.options.AdditionalGPLParams = "20:Personal Information:lastTrackSelection:monza";

    ProgramLaunch game = startGameLaunch(s.gplPath, p.options);
    EXPECT_EQ(game.program, "C:\\GPL\\gpl.exe");
    EXPECT_TRUE(game.arguments.empty());
    ProgramLaunch kick = launcherLaunch(s, p);
    EXPECT_EQ(kick.program, "C:\\Meshsmith\\GPLkick" + kExe);
    EXPECT_EQ(kick.arguments,
              (std::vector<std::string>{"C:\\Meshsmith\\Meshsmith" + kExe, "C:\\Tracks\\stand.3dp",
                                        "C:\\GPL\\gpl.exe",
                                        "20:Personal Information:lastTrackSelection:monza"}));

    p.options.AdditionalGPLParams = "-ko \"20:Personal Information:lastTrackSelection:monza\"";
    EXPECT_EQ(
        startGameLaunch(s.gplPath, p.options).arguments,
        (std::vector<std::string>{"-ko", "20:Personal Information:lastTrackSelection:monza"}));
    p.options.GPLParam = false;
    EXPECT_TRUE(startGameLaunch(s.gplPath, p.options).arguments.empty());
    EXPECT_EQ(launcherLaunch(s, p).arguments.size(), 3u);
}

TEST(LaunchPlans, SplitCommandLineAsWindowsProgramsDo) {
    using Args = std::vector<std::string>;
    EXPECT_EQ(splitCommandLine(""), Args{});
    EXPECT_EQ(splitCommandLine("  -a\t b  "), (Args{"-a", "b"}));
    EXPECT_EQ(splitCommandLine("\"C:\\Program Files\\x\" \"\" y"),
              (Args{"C:\\Program Files\\x", "", "y"}));
    EXPECT_EQ(splitCommandLine("a\"b c\"d"), Args{"ab cd"});
    EXPECT_EQ(splitCommandLine("C:\\dir\\ \\\\\"q\" \\\"x"), (Args{"C:\\dir\\", "\\q", "\"x"}));
    EXPECT_EQ(splitCommandLine("\"say \"\"hi\"\"\""), Args{"say \"hi\""});
    EXPECT_EQ(splitCommandLine("\"unclosed arg"), Args{"unclosed arg"});
}

TEST(LaunchPlans, StartCommandsNeedTheirProgram) {
    TempFolder dir;
    writeFile(dir.file("viewer.exe"), "");
    EXPECT_EQ(checkStartGame({dir.folder(), dir.file("gpl.exe"), "", ""}).message,
              "GPL not found !");
    EXPECT_TRUE(checkStartGame({dir.folder(), dir.file("viewer.exe"), "", ""}).done());
    EXPECT_EQ(checkStartProgram("").message, "File  not found !");
    EXPECT_EQ(checkStartProgram(dir.folder()).message, "File " + dir.folder() + " not found !");
    EXPECT_EQ(checkStartProgram(dir.file("viewer.exe")).message, "");
    // An empty setting is named in the log besides the message above.
    EXPECT_EQ(emptyProgramSettingLine("ViewerPath", ""),
              "No 3DO viewer is set: fill in \"3DO- Viewer Application\" under Program Paths in "
              "File > Options");
    EXPECT_NE(emptyProgramSettingLine("UserPath", "").find("\"User-Defined Program\""),
              std::string::npos);
    EXPECT_EQ(emptyProgramSettingLine("UserPath", dir.file("viewer.exe")), "");
}
