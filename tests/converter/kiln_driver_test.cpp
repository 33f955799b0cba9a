// The converter as the editor runs it: command line, recognition of the input,
// exact output, exit statuses and the 3DO file beside the input.

#include "converter/kiln_driver.hpp"
#include "kiln_runs.hpp"
#include "support/temp_folder.hpp"
#include "threedo_check.hpp"

#include <gtest/gtest.h>

#include <filesystem>

using namespace meshsmith::kiln;
using namespace meshsmith::kiln::test;
using meshsmith::test::TempFolder;
using meshsmith::test::writeFile;
namespace fs = std::filesystem;
namespace inspect = meshsmith::inspect3do;

namespace {

inspect::ThreeDoFile parsed(const std::string& path) {
    const std::vector<std::uint8_t> bytes = readBytes(path);
    inspect::CheckResult check = inspect::checkThreeDo(bytes);
    EXPECT_FALSE(check.violation) << check.violation->text();
    return inspect::parseThreeDo(bytes).file;
}

// One textured square; the file's own display class line is `fileClass`.
std::string oneSquare(int fileClass = 3) {
    std::string object = aseObject(square(0, 0, 0), 0);
    const std::string own = "*DISPLAY_CLASS " + std::to_string(fileClass);
    object.replace(object.find("*DISPLAY_CLASS 3"), 16, own);
    return aseHeader({"wall"}) + object;
}

} // namespace

TEST(KilnDriver, ExampleProjectKeepsItsCollisionBehindTheLineObjects) {
    TempFolder dir;
    writeFile(dir.file("stand.ase"), exampleAse());
    KilnRun run = runKilnCaptured({dir.file("stand.ase"), dir.file("stand.3do")});
    ASSERT_EQ(run.status, kExitOk) << run.out;
    EXPECT_EQ(run.out, successfulMeshsmithOutput(1, 3));
    inspect::ThreeDoFile f = parsed(dir.file("stand.3do"));
    ASSERT_TRUE(f.hand);
    ASSERT_TRUE(f.collision);
    ASSERT_EQ(f.collision->volumes.size(), 1u);
    EXPECT_EQ(f.collision->volumes[0].planes.size(), 4u);
    EXPECT_EQ(f.strings.back().text, "collision");
    // The bytes are a function of the input.
    const auto first = readBytes(dir.file("stand.3do"));
    ASSERT_EQ(runKilnCaptured({dir.file("stand.ase")}).status, kExitOk);
    EXPECT_EQ(readBytes(dir.file("stand.3do")), first);
}

TEST(KilnDriver, OutputIsNamedAfterTheInputWhateverItsCase) {
    TempFolder dir;
    writeFile(dir.file("object.ASE"), oneSquare());
    KilnRun run = runKilnCaptured({dir.file("object.ASE")});
    ASSERT_EQ(run.status, kExitOk) << run.out;
    EXPECT_EQ(run.out, successfulMeshsmithOutput(0, 3));
    EXPECT_TRUE(fs::exists(dir.file("object.3do")));
    EXPECT_FALSE(parsed(dir.file("object.3do")).hand);
}

TEST(KilnDriver, DisplayClassArgumentAndTheFilesOwnLine) {
    TempFolder dir;
    const std::string path = dir.file("sign.ase");
    struct Case {
        std::string argument;
        int expected;
    };
    // The file's line sets the class again; 3 is what the editor writes.
    writeFile(path, oneSquare(3));
    for (const Case& c : {Case{"0", 3}, Case{"150", 3}, Case{"7", 3}, Case{"-5", 3}}) {
        KilnRun run = runKilnCaptured({path, "out", c.argument});
        EXPECT_EQ(run.out, successfulMeshsmithOutput(0, c.expected)) << c.argument;
    }
    // Without the line the argument decides.
    std::string text = oneSquare();
    text.erase(text.find("*DISPLAY_CLASS 3"), 16);
    writeFile(path, text);
    for (const Case& c : {Case{"0", 3}, Case{"150", 3}, Case{"7", 7}, Case{"-5", -5},
                          Case{"99", 99}, Case{"100", 3}, Case{"12abc", 12}, Case{"abc", 3}}) {
        KilnRun run = runKilnCaptured({path, "out", c.argument});
        EXPECT_EQ(run.out, successfulMeshsmithOutput(0, c.expected)) << c.argument;
        inspect::ThreeDoFile f = parsed(dir.file("sign.3do"));
        for (const inspect::Record& r : f.records)
            if (r.type == 5) {
                EXPECT_EQ(r.displayClass, c.expected);
            }
    }
    writeFile(path, oneSquare(42));
    EXPECT_EQ(runKilnCaptured({path, "out", "7"}).out, successfulMeshsmithOutput(0, 42));
}

TEST(KilnDriver, RefusalsEndWithStatusOneTheirMessageAndNo3DO) {
    TempFolder dir;
    writeFile(dir.file("x.txt"), oneSquare());
    writeFile(dir.file("other.ase"), "*3DSMAX_ASCIIEXPORTX 200\r\n*GEOMOBJECT\r\n");
    writeFile(dir.file("wide.ase"), std::string("\xFF\xFE*\0C\0", 6));
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{dir.file("missing.ase")}, "File not found!"},
        {{}, "File not found!"},
        {{dir.file("x.txt")}, "File type not supported!"},
        {{dir.file("other.ase")}, "ASE file format not recognised"},
        {{dir.file("wide.ase")},
         dir.file("wide.ase") + " is UTF-16 text: save it as ANSI or UTF-8 text"},
    };
    for (const auto& [args, message] : cases) {
        const KilnRun run = runKilnCaptured(args);
        EXPECT_EQ(run.status, kExitFailure) << message;
        EXPECT_EQ(run.out, " === 3DO Kiln ===\n\n" + message + "\n");
    }
    for (const char* name : {"x.3do", "other.3do", "wide.3do"})
        EXPECT_FALSE(fs::exists(dir.file(name))) << name;
}

TEST(KilnDriver, UnwritableOutputIsAFailureNotSaved) {
    TempFolder dir;
    writeFile(dir.file("box.ase"), oneSquare());
    fs::create_directory(dir.file("box.3do"));
    KilnRun run = runKilnCaptured({dir.file("box.ase")});
    EXPECT_EQ(run.status, kExitFailure);
    EXPECT_EQ(run.out.find("3DO saved."), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\nwriting 3DO... \nERROR! Cannot write the 3DO file"),
              std::string::npos)
        << run.out;
    EXPECT_TRUE(fs::is_directory(dir.file("box.3do")));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2);
}

TEST(KilnDriver, InputErrorsAndCapacityHaveTheirOwnStatus) {
    TempFolder dir;
    const std::string path = dir.file("bad.ase");
    writeFile(path, oneSquare() + "*COLLISION_VOLUMES 31\r\n");
    KilnRun run = runKilnCaptured({path});
    EXPECT_EQ(run.status, kExitCapacity);
    EXPECT_NE(run.out.find("ERROR! " + path +
                           ": Capacity exceeded: the collision volume table holds at most 30"),
              std::string::npos)
        << run.out;

    std::string text = oneSquare();
    text.replace(text.find("*MESH_VERTEX 2"), 14, "*MESH_VERTEX 100");
    writeFile(path, text);
    run = runKilnCaptured({path});
    EXPECT_EQ(run.status, kExitFailure);
    EXPECT_NE(run.out.find("ERROR! " + path + ": Line 11: vertex number 100 is outside 0 to 99\n"),
              std::string::npos)
        << run.out;
    EXPECT_FALSE(fs::exists(dir.file("bad.3do")));

    writeFile(path,
              aseHeader({}) + "*LINEOBJECT\r\n*MESH_VERTEX 0 0 0 0\r\n*MESH_VERTEX 1 1 0 0\r\n");
    run = runKilnCaptured({path});
    EXPECT_EQ(run.status, kExitFailure);
    EXPECT_NE(run.out.find("nothing to convert"), std::string::npos) << run.out;
    EXPECT_FALSE(fs::exists(dir.file("bad.3do")));
}
