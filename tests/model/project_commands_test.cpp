#include "model/paths.hpp"
#include "model/project_commands.hpp"
#include "model/text_file.hpp"
#include "support/project_builders.hpp"
#include "support/scripted_prompts.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <filesystem>

using namespace meshsmith;
using namespace meshsmith::test;
namespace fs = std::filesystem;

namespace {

struct Session {
    Project project = sampleProject();
    SaveOptions options;
    ScriptedPrompts prompts;
    RecordingLog log;
    ProjectSession session{project, options, prompts, log};
};

} // namespace

TEST(SaveAs, RefusesWithoutGeometry) {
    Session s;
    s.project.GeometryPresent = false;
    EXPECT_EQ(saveProjectAs(s.session).message, kNoProjectDataMessage);
}

TEST(SaveAs, OwnFolderWithCopiedBitmapsAndMipInfo) {
    TempFolder dir;
    fs::create_directories(dir.path() / "Art");
    fs::create_directories(dir.path() / "app");
    writeFile(dir.file("Art/wall01.bmp"), "BM-wall");
    Session s;
    s.project.object.textures = {{dir.file("Art/wall01.bmp"), 0, "", 0, DefaultBackColor}};
    s.project.object.polygons.resize(1);
    s.project.object.collision.clear();
    s.options = {dir.folder() + "app/", true, true, true};
    // Names that would leave the program folder are refused like too long ones.
    s.prompts.names = {std::string("standard1"), std::string(""),    std::string("../x"),
                       std::string(".."),        std::string("a:b"), std::string("stand")};
    OperationResult r = saveProjectAs(s.session);
    ASSERT_EQ(r.outcome, Outcome::Done);
    EXPECT_EQ(s.prompts.messages,
              (std::vector<std::string>{"Up to 8 Characters allowed !",
                                        "Up to 8 Characters allowed !", kBadProjectNameMessage,
                                        kBadProjectNameMessage, kBadProjectNameMessage}));
    EXPECT_FALSE(fs::exists(dir.path() / "x"));
    const std::string standFolder = dir.folder() + "app/stand" + kPathSeparator;
    EXPECT_EQ(s.project.viewCaption, "stand");
    EXPECT_EQ(s.project.ProjectFile, standFolder + "stand.3dp");
    EXPECT_EQ(readFile(standFolder + "wall01.bmp"), "BM-wall");
    EXPECT_EQ(s.project.object.textures[0].Filename, standFolder + "wall01.bmp");
    EXPECT_NE(readFile(standFolder + "stand.3dp").find("\r\n" + standFolder + "wall01.bmp\r\n"),
              std::string::npos);
    EXPECT_NE(
        readFile(standFolder + "wall01.mci").find("Filename=" + standFolder + "wall01.bmp\r\n"),
        std::string::npos);
    EXPECT_TRUE(s.log.contains("Mip-Conversion Info for wall01.bmp written/updated !"));
    EXPECT_TRUE(s.log.contains("Project " + standFolder + "stand.3dp saved !"));

    // The same name again: the folder exists.
    s.prompts.names = {std::string("stand")};
    EXPECT_EQ(saveProjectAs(s.session).message,
              "Unable to create Directory OR Directory already exists !");

    // A second save copies the bitmap onto itself: it must survive.
    ASSERT_EQ(saveProjectCommand(s.session).outcome, Outcome::Done);
    EXPECT_EQ(readFile(standFolder + "wall01.bmp"), "BM-wall");
    EXPECT_TRUE(s.log.contains("Project Saved !"));
}

TEST(SaveAs, NameDialogCancelledSavesNothing) {
    TempFolder dir;
    Session s;
    s.options = {dir.folder(), true, false, false};
    EXPECT_EQ(saveProjectAs(s.session).outcome, Outcome::Cancelled);
    EXPECT_EQ(s.project.ProjectFile, "None");
    EXPECT_TRUE(fs::is_empty(dir.path()));
}

TEST(SaveAs, FailedCopyKeepsTheOriginalBitmap) {
    TempFolder dir;
    Session s;
    s.project.object.textures = {{"C:\\Art\\wall01.bmp", 0, "", 0, DefaultBackColor}};
    s.project.object.polygons.clear();
    s.project.object.collision.clear();
    s.options = {dir.folder(), true, true, true};
    s.prompts.names = {std::string("stand")};
    ASSERT_EQ(saveProjectAs(s.session).outcome, Outcome::Done);
    EXPECT_EQ(s.project.object.textures[0].Filename, "C:\\Art\\wall01.bmp")
        << "a copy that failed must not leave a dangling path";
    EXPECT_NE(readFile(dir.file("stand/wall01.mci")).find("Filename=C:\\Art\\wall01.bmp"),
              std::string::npos);
}

TEST(SaveAs, ChosenFileWithoutOwnFolderOrKeepingTheNameWhenItFails) {
    TempFolder dir;
    Session s;
    s.project.ProjectFile = dir.file("good.3dp");
    s.prompts.savePaths = {dir.file("no/such/folder/x.3dp"), dir.file("yard.3dp")};
    const OperationResult failed = saveProjectAs(s.session);
    EXPECT_EQ(failed.outcome, Outcome::Failed);
    EXPECT_EQ(s.project.ProjectFile, dir.file("good.3dp"));
    EXPECT_NE(failed.message.find("x.3dp"), std::string::npos);
    ASSERT_EQ(saveProjectAs(s.session).outcome, Outcome::Done);
    EXPECT_EQ(s.project.viewCaption, "yard.3dp");
    EXPECT_EQ(s.project.ProjectFile, dir.file("yard.3dp"));
    EXPECT_EQ(readFile(dir.file("yard.3dp")), projectFileText(s.project));
}

TEST(SaveAs, RelativeBitmapsStayFoundWhenTheProjectMovesToAnotherFolder) {
    TempFolder dir;
    fs::create_directories(dir.path() / "old");
    fs::create_directories(dir.path() / "new");
    writeFile(dir.file("old/wall01.bmp"), "BM");
    Session s;
    s.project.ProjectFile = dir.file("old/stand.3dp");
    s.project.object.textures = {{"wall01.bmp", 0, "", 0, DefaultBackColor}};
    s.project.object.polygons.clear();
    s.project.object.collision.clear();
    s.prompts.savePaths = {dir.file("new/stand.3dp")};
    ASSERT_EQ(saveProjectAs(s.session).outcome, Outcome::Done);
    EXPECT_EQ(s.project.object.textures[0].Filename, (dir.path() / "old" / "wall01.bmp").string());
}

TEST(Save, FailedWriteLeavesTheOldFileUntouched) {
    TempFolder dir;
    Session s;
    // A name so long that no temporary file can be made beside it: the write fails even for root.
    s.project.ProjectFile = dir.file(std::string(248, 'k') + ".3dp");
    writeFile(s.project.ProjectFile, "old contents");
    const OperationResult r = saveProjectCommand(s.session);
    EXPECT_EQ(r.outcome, Outcome::Failed);
    EXPECT_EQ(readFile(s.project.ProjectFile), "old contents");
    EXPECT_FALSE(s.log.contains("Project Saved !"));
    EXPECT_NE(r.message.find("Cannot"), std::string::npos);
}

TEST(CloseProject, EmptyClosesAtOnceCancelKeepsNoDiscardsYesSaves) {
    TempFolder dir;
    Session s;
    s.project = Project{};
    EXPECT_EQ(closeProject(s.session).outcome, Outcome::Done);
    EXPECT_TRUE(s.prompts.questions.empty() && s.log.lines.empty());

    s.project = sampleProject();
    EXPECT_EQ(closeProject(s.session).outcome, Outcome::Cancelled);
    EXPECT_EQ(s.prompts.questions,
              std::vector<std::string>{"Closing Project...|Save project data ?"});
    s.prompts.answers = {Answer::Yes}; // and the save dialog cancelled: the project stays
    EXPECT_EQ(closeProject(s.session).outcome, Outcome::Cancelled);
    EXPECT_FALSE(s.project.object.vertices.empty());

    s.prompts.answers = {Answer::Yes};
    s.prompts.savePaths = {dir.file("c.3dp")};
    EXPECT_EQ(closeProject(s.session).outcome, Outcome::Done);
    EXPECT_TRUE(s.project.object.vertices.empty());
    EXPECT_TRUE(s.log.contains("Project Closed !"));
    EXPECT_TRUE(fs::exists(dir.file("c.3dp")));

    s.project = sampleProject();
    s.prompts.answers = {Answer::No};
    EXPECT_EQ(closeProject(s.session).outcome, Outcome::Done);
    EXPECT_TRUE(s.project.object.vertices.empty());
}

TEST(OpenProject, SetsCaptionColoursAndDescriptionLines) {
    TempFolder dir;
    Session s;
    s.project.options.BackgroundColor = "clBlack";
    s.project.object.textures.clear();
    s.project.object.polygons.resize(1);
    s.project.object.polygons[0] = makePolygon({0, 1, 2});
    writeFile(dir.file("stand.3dp"), projectFileText(s.project));
    s.project = Project{};
    OperationResult r = openProject(s.session, dir.file("stand.3dp"));
    ASSERT_EQ(r.outcome, Outcome::Done);
    EXPECT_EQ(s.project.viewCaption, "stand.3dp");
    EXPECT_EQ(s.project.ProjectFile, dir.file("stand.3dp"));
    EXPECT_TRUE(s.project.ViewReady);
    EXPECT_EQ(s.project.drawColours.background, (Rgb{0, 0, 0}));
    ASSERT_GE(s.log.lines.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(s.log.lines.end() - 3, s.log.lines.end()),
              (std::vector<std::string>{"", "Project Description:", "Sample stand"}));
}
