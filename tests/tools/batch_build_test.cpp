// meshsmith-batch build: the ASE beside the project, the converter run from
// the program's folder, its output passed on, and failures reported.

#include "support/run_program.hpp"
#include "support/temp_folder.hpp"
#include "threedo_check.hpp"

#include <gtest/gtest.h>

#include <filesystem>

using namespace meshsmith::test;
namespace fs = std::filesystem;

namespace {
std::string copyExample(const TempFolder& dir, const std::string& name = "stand.3dp") {
    for (const char* f : {"seats.bmp", "roof.bmp", "banner.bmp"})
        fs::copy_file(sourcePath(std::string("examples/stand/") + f), dir.file(f));
    fs::copy_file(sourcePath("examples/stand/stand.3dp"), dir.file(name));
    return dir.file(name);
}

std::vector<std::uint8_t> bytesOf(const std::string& path) {
    const std::string s = readFile(path);
    return {s.begin(), s.end()};
}
} // namespace

TEST(BatchBuild, ExampleGivesACheckedThreeDoWithCollision) {
    TempFolder dir, elsewhere;
    const std::string project = copyExample(dir);
    ProgramRun run = runProgram("meshsmith-batch", {"build", project}, elsewhere.path().string());
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    const std::string converted = " === 3DO Kiln ===\n\nASE format: Meshsmith\n\n"
                                  "collision volumes = 1\ndisplay class = 3\ntriangulation ON\n"
                                  "\ncreating BSP tree, please wait...\n"
                                  "\nwriting 3DO... 3DO saved.\n"
                                  "3DO-Kiln exit status: 0\n3DO " +
                                  dir.file("stand.3do") + " written !\n";
    EXPECT_NE(run.out.find("ASE-file " + dir.file("stand.ase") + " saved !\n" + converted),
              std::string::npos)
        << run.out;
    const auto check = meshsmith::inspect3do::checkThreeDo(bytesOf(dir.file("stand.3do")));
    ASSERT_FALSE(check.violation) << check.violation->text();
    EXPECT_EQ(check.summary.volumes, 1u);
}

TEST(BatchBuild, FolderBuildsEveryProjectAndReportsTheOnesThatFail) {
    TempFolder dir;
    copyExample(dir, "a.3dp");
    fs::copy_file(dir.file("a.3dp"), dir.file("b.3dp"));
    ProgramRun ok = runProgram("meshsmith-batch", {"build", dir.path().string()});
    EXPECT_EQ(ok.status, 0) << ok.err;
    EXPECT_NE(ok.out.find("2 built, 0 failed"), std::string::npos) << ok.out;

    // A project without vertices is refused before anything is written.
    writeFile(dir.file("d.3dp"), "Vertices\r\n0\r\n");
    ProgramRun bad = runProgram("meshsmith-batch", {"build", dir.path().string()});
    EXPECT_NE(bad.status, 0);
    EXPECT_NE(bad.out.find("2 built, 1 failed"), std::string::npos) << bad.out;
    EXPECT_NE(bad.err.find("error: " + dir.file("d.3dp") + ": Not enough Data to write ASE-file !"),
              std::string::npos)
        << bad.err;
    EXPECT_FALSE(fs::exists(dir.file("d.ase")));
    for (const char* built : {"a.3do", "b.3do"})
        EXPECT_TRUE(fs::exists(dir.file(built))) << built;
}

TEST(BatchBuild, TheConverterIsLookedForBesideTheProgramNotInTheWorkingFolder) {
    TempFolder bin, dir;
    const std::string project = copyExample(dir);
    const fs::path batch = programPath("meshsmith-batch");
    fs::copy_file(batch, bin.path() / batch.filename());
    ProgramRun run =
        runCommand((bin.path() / batch.filename()).string(), {"build", project}, MESHSMITH_BIN_DIR);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("error: " + project + ": 3DO-Kiln not found !"), std::string::npos)
        << run.err;
    EXPECT_FALSE(fs::exists(dir.file("stand.ase")));
    EXPECT_FALSE(fs::exists(dir.file("stand.3do")));
}
