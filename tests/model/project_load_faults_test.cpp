// Damaged project files: every refusal leaves an empty project, never a
// half-read one that a later Save would write over the user's file. Random
// and cut-off bytes are the fuzz harness's (replayed by the FuzzReplay tests).

#include "model/project_file.hpp"
#include "model/project_file_reader.hpp"
#include "model/text_file.hpp"
#include "support/project_builders.hpp"
#include "support/scripted_prompts.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <tuple>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

struct Attempt {
    Project project = sampleProject(); // a project that must not survive a failed load
    ScriptedPrompts prompts;
    RecordingLog log;
    OperationResult result;
};

std::unique_ptr<Attempt> attempt(TempFolder& dir, const std::string& text) {
    auto a = std::make_unique<Attempt>();
    std::string path = dir.file("damaged.3dp");
    writeFile(path, text);
    a->result = loadProject(a->project, path, a->prompts, a->log);
    return a;
}

void expectEmptyProject(const Project& p) {
    EXPECT_TRUE(p.object == Project{}.object);
    EXPECT_EQ(p.ProjectFile, "None") << "a later Save must not write over the damaged file";
    EXPECT_FALSE(p.GeometryPresent);
}

const std::string kPolygonHead = crlfLines({"Vertices", "3", "0", "0", "0", "1", "0", "0", "1", "1",
                                            "0", "Polygons", "1", "0.5", "0.5", "0.5"});

} // namespace

TEST(ProjectLoadFaults, TheMessageNamesTheFileAndTheLine) {
    TempFolder dir;
    auto a = attempt(dir, crlfLines({"ProjectDescription", "x", "Vertices", "2", "1.0", "2.0",
                                     "3.0", "4.0", "abc", "6"}));
    EXPECT_EQ(messageBoxText(a->result), "'abc' is not a valid floating point value\r\r" +
                                             dir.file("damaged.3dp") + ", line 9");
    EXPECT_TRUE(a->log.contains("Error loading " + dir.file("damaged.3dp") +
                                ", line 9: 'abc' is not a valid floating point value"));
    a = attempt(dir, "");
    EXPECT_EQ(messageBoxText(a->result), a->result.message + "\r\r" + dir.file("damaged.3dp"));
}

TEST(ProjectLoadFaults, UnreadablePathsReportTheError) {
    TempFolder dir;
    Project p = sampleProject();
    ScriptedPrompts prompts;
    RecordingLog log;
    for (std::string path : {dir.file("missing.3dp"), dir.folder()}) {
        OperationResult r = loadProject(p, path, prompts, log);
        EXPECT_EQ(r.outcome, Outcome::Failed);
        EXPECT_NE(r.message.find(path), std::string::npos) << r.message;
        expectEmptyProject(p);
    }
}

TEST(ProjectBitmaps, BitmapsBesideTheProjectAreFoundWithoutAsking) {
    // Stored name, mask; the name taken. A bare name or a stored path whose
    // file lies beside the project; a missing mask, its search cancelled, keeps its path.
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"wall01.bmp", "", "wall01.bmp"},
        {"C:\\Art\\wall01.bmp", "", "wall01.bmp"},
        {"wall01.bmp", "Y:\\gone_m.bmp", "wall01.bmp"}};
    for (const auto& [stored, mask, taken] : cases) {
        TempFolder dir;
        writeFile(dir.file("wall01.bmp"), "BM");
        auto a = attempt(dir, crlfLines({"Vertices", "0", "Textures", "1", stored,
                                         *mask ? "1" : "0", mask, "0"}));
        ASSERT_EQ(a->result.outcome, Outcome::Done) << stored;
        EXPECT_EQ(a->project.object.textures[0].Filename, taken);
        EXPECT_EQ(a->project.object.textures[0].MaskFilename, mask);
        EXPECT_EQ(a->prompts.reselected.size(), *mask ? 1u : 0u) << stored;
    }
}

TEST(ProjectBitmaps, CancelledReselectionClearsTheProject) {
    TempFolder dir;
    auto a = attempt(dir, crlfLines({"Vertices", "1", "0", "0", "0", "Textures", "1",
                                     "C:\\Art\\gone.bmp", "0", "", "0"}));
    EXPECT_EQ(a->result.outcome, Outcome::Cancelled);
    EXPECT_EQ(a->prompts.messages,
              std::vector<std::string>{"Bitmap C:\\Art\\gone.bmp not found.\r Re-select file !"});
    EXPECT_EQ(a->prompts.reselected, std::vector<std::string>{"C:\\Art\\gone.bmp"});
    EXPECT_TRUE(a->log.contains("All Data Cleared !"));
    expectEmptyProject(a->project);
}

TEST(ProjectBitmaps, ReselectedFolderIsSearchedForLaterBitmaps) {
    TempFolder dir;
    std::filesystem::create_directory(dir.path() / "art");
    writeFile(dir.file("art/a.bmp"), "BM");
    writeFile(dir.file("art/b.bmp"), "BM");
    writeFile(dir.file("art/b_mask.bmp"), "BM");
    Attempt a;
    a.prompts.bitmaps.push_back(dir.file("art/a.bmp"));
    writeFile(dir.file("p.3dp"),
              crlfLines({"Vertices", "0", "Textures", "2", "X:\\old\\a.bmp", "0", "", "0",
                         "X:\\old\\b.bmp", "1", "X:\\old\\b_mask.bmp", "0"}));
    ASSERT_EQ(loadProject(a.project, dir.file("p.3dp"), a.prompts, a.log).outcome, Outcome::Done);
    EXPECT_EQ(a.project.object.textures[0].Filename, dir.file("art/a.bmp"));
    EXPECT_EQ(a.project.object.textures[1].Filename, dir.folder() + "art/b.bmp");
    EXPECT_EQ(a.project.object.textures[1].MaskFilename, dir.folder() + "art/b_mask.bmp");
    EXPECT_EQ(a.prompts.reselected.size(), 1u);
}

TEST(ProjectBitmaps, TooLongReselectedNameLeavesAnEmptyProject) {
    TempFolder dir;
    writeFile(dir.file("ABCDEFGHI.bmp"), "BM");
    Attempt a;
    a.prompts.bitmaps.push_back(dir.file("ABCDEFGHI.bmp"));
    writeFile(dir.file("p.3dp"), crlfLines({"Vertices", "1", "0", "0", "0", "Textures", "1",
                                            "Q:\\x.bmp", "0", "", "0"}));
    OperationResult r = loadProject(a.project, dir.file("p.3dp"), a.prompts, a.log);
    EXPECT_EQ(r.outcome, Outcome::Failed);
    EXPECT_EQ(r.message, "Filename must not exceed 8 characters !\r\rLength of selected: " +
                             dir.file("ABCDEFGHI"));
    expectEmptyProject(a.project);
}
