#include "support/run_program.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <filesystem>

using namespace meshsmith::test;
namespace fs = std::filesystem;

namespace {
const std::string kExample = sourcePath("examples/stand/stand.3dp");

// A copy of the example's folder, so tests may change it.
std::string copyExample(TempFolder& dir) {
    for (const char* f : {"stand.3dp", "seats.bmp", "roof.bmp", "banner.bmp"})
        fs::copy_file(sourcePath(std::string("examples/stand/") + f), dir.file(f));
    return dir.file("stand.3dp");
}
} // namespace

TEST(BatchTool, ResaveOfTheExampleIsByteIdentical) {
    TempFolder dir;
    std::string project = copyExample(dir);
    ProgramRun run = runProgram("meshsmith-batch", {"resave", project, dir.file("again.3dp")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(readFile(dir.file("again.3dp")), readFile(kExample));
}

TEST(BatchTool, ResaveIntoAnotherFolderKeepsTheBitmapsFound) {
    TempFolder dir;
    ProgramRun run = runProgram("meshsmith-batch", {"resave", kExample, dir.file("moved.3dp")});
    ASSERT_EQ(run.status, 0) << run.err;
    std::string moved = readFile(dir.file("moved.3dp"));
    EXPECT_NE(moved.find(
                  fs::absolute(sourcePath("examples/stand/seats.bmp")).lexically_normal().string()),
              std::string::npos);
    EXPECT_EQ(runProgram("meshsmith-batch", {"info", dir.file("moved.3dp")}).status, 0);
}

TEST(BatchTool, ResaveInPlaceFromAnotherWorkingFolderKeepsEveryByte) {
    TempFolder dir, elsewhere;
    std::string project = copyExample(dir);
    std::string before = readFile(project);
    ProgramRun run =
        runProgram("meshsmith-batch", {"resave", project, project}, elsewhere.path().string());
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(readFile(project), before);
    EXPECT_NE(run.out.find("Project " + project + " saved !"), std::string::npos) << run.out;
}

// Every argument reaches the program as it was given: on Windows runChild
// quotes it into the command line that the program's runtime splits again.
TEST(BatchTool, ArgumentsArriveAsTheyWereGiven) {
    for (const std::string arg : {"two words", "say \"hi\"", "C:\\with space\\", "tab\tin",
                                  "\\\\server\\share\\", "a\\\\\"b", ""}) {
        ProgramRun run = runProgram("meshsmith-batch", {arg});
        EXPECT_EQ(run.status, 2) << arg;
        EXPECT_NE(run.err.find("unknown command '" + arg + "'\n"), std::string::npos) << run.err;
    }
}

TEST(BatchTool, InfoDescribesTheProject) {
    ProgramRun run = runProgram("meshsmith-batch", {"info", kExample});
    ASSERT_EQ(run.status, 0) << run.err;
    for (const char* expected :
         {"Description: Grandstand section", "Vertices: 54", "Lines: 3",
          "Polygons: 24 (24 textured)", "Textures: 3", "Collision volumes: 1", "Display class: 3",
          "Bounding box: (0, 0, 0) - (20, 9, 9)"})
        EXPECT_NE(run.out.find(expected), std::string::npos) << expected << "\n" << run.out;
}

TEST(BatchTool, MissingBitmapIsAnErrorThatNamesItWithoutTheEditorsDialogLines) {
    TempFolder dir;
    std::string project = copyExample(dir);
    fs::remove(dir.file("roof.bmp"));
    for (const char* command : {"info", "build"}) {
        ProgramRun run = runProgram("meshsmith-batch", {command, project});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, "error: " + project +
                               ": bitmap roof.bmp not found; put it beside the project or correct "
                               "its path in the project file\n");
        EXPECT_EQ(run.out.find("Cleared"), std::string::npos) << run.out;
    }
}

TEST(BatchTool, BadInputGivesAMessageAndAFailureStatus) {
    TempFolder dir;
    writeFile(dir.file("bad.3dp"), "Vertices\r\n1\r\n1\r\nx\r\n3\r\n");
    ProgramRun bad = runProgram("meshsmith-batch", {"info", dir.file("bad.3dp")});
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.err, "error: " + dir.file("bad.3dp") +
                           ", line 4: 'x' is not a valid floating point value\n");
    writeFile(dir.file("notes.3dp"), "# Notes\n");
    EXPECT_EQ(runProgram("meshsmith-batch", {"info", dir.file("notes.3dp")}).status, 1);

    ProgramRun missing =
        runProgram("meshsmith-batch", {"resave", dir.file("none.3dp"), dir.file("out.3dp")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_FALSE(fs::exists(dir.file("out.3dp")));

    ProgramRun unwritable =
        runProgram("meshsmith-batch", {"resave", kExample, dir.file("no/such/dir/out.3dp")});
    EXPECT_EQ(unwritable.status, 1);

    EXPECT_EQ(runProgram("meshsmith-batch", {}).status, 2);
    EXPECT_EQ(runProgram("meshsmith-batch", {"frobnicate"}).status, 2);
    EXPECT_EQ(runProgram("meshsmith-batch", {"info"}).status, 2);
}
