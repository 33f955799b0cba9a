// The paths and the refusals of "Write ASE and convert to 3DO", in their order.

#include "export/build_checks.hpp"
#include "support/project_builders.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <filesystem>

using namespace meshsmith;
using namespace meshsmith::test;

TEST(BuildChecks, PathsFollowTheProjectFile) {
    EXPECT_EQ(asePath("C:\\Tracks\\stand.3dp"), "C:\\Tracks\\stand.ase");
    EXPECT_EQ(threeDoPath("/work/stand.3DP"), "/work/stand.3do");
#ifdef _WIN32
    EXPECT_EQ(kilnPath("C:\\Meshsmith\\"), "C:\\Meshsmith\\3DO-Kiln.exe");
#else
    EXPECT_EQ(kilnPath("/opt/meshsmith/"), "/opt/meshsmith/3DO-Kiln");
#endif
}

TEST(BuildChecks, RefusalsComeInTheirOrder) {
    TempFolder app, spaced;
    std::filesystem::create_directory(spaced.file("with space"));
    const std::string spacedApp = spaced.file("with space") + "/";
    for (const std::string& folder : {app.folder(), spacedApp})
        writeFile(kilnPath(folder), "");
    Project p = sampleProject(); // holds an untextured triangle
    p.ProjectFile = "None";
    const std::string spaces =
        "Application and/or project file path contains spaces.\rUnable to use 3DOKiln and/or GPL !";

    EXPECT_EQ(checkBuild(Project{}, app.folder()).message, "Not enough Data to write ASE-file !");
    EXPECT_EQ(checkBuild(p, app.folder()).message,
              "Only entirely textured objects supported so far !");
    std::erase_if(p.object.polygons, [](const ObjectData& poly) { return !poly.textured(); });
    p.object.collision.clear();
    EXPECT_EQ(checkBuild(p, app.folder()).message, "Save project first !");
    p.ProjectFile = app.file("stand.3dp");
    EXPECT_EQ(checkBuild(p, app.folder() + "elsewhere/").message, "3DO-Kiln not found !");
    EXPECT_EQ(checkBuild(p, spacedApp).message, spaces);
    p.ProjectFile = app.file("my stand.3dp");
    EXPECT_EQ(checkBuild(p, app.folder()).message, spaces);
    p.ProjectFile = app.file("stand.3dp");
    EXPECT_EQ(checkBuild(p, app.folder()).message, "");
}
