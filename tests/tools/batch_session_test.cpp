// meshsmith-batch end to end: one session of commands over a copy of the
// example project, run in its folder. The golden file holds every command with
// its status and what it printed; the files a command must (not) write are
// checked here.

#include "support/golden.hpp"
#include "support/run_program.hpp"
#include "support/temp_folder.hpp"
#include "threedo_check.hpp"

#include <gtest/gtest.h>

#include <filesystem>

using namespace meshsmith::test;
namespace fs = std::filesystem;

namespace {

const std::string kExample = sourcePath("examples/stand/stand.3dp");

// The example's project and bitmaps in `folder`, the project named `name`.
void copyExample(const fs::path& folder, const std::string& name = "stand.3dp") {
    fs::create_directories(folder);
    for (const char* f : {"seats.bmp", "roof.bmp", "banner.bmp"})
        fs::copy_file(sourcePath(std::string("examples/stand/") + f), folder / f);
    fs::copy_file(kExample, folder / name);
}

using Args = std::vector<std::string>;

// Runs each command in `dir` and returns the transcript.
std::string session(const TempFolder& dir, const std::vector<Args>& commands) {
    std::string seen;
    for (const Args& args : commands) {
        seen += "$";
        for (const std::string& a : args)
            seen += " " + a;
        const ProgramRun run = runProgram("meshsmith-batch", args, dir.folder());
        std::string said = run.out + run.err;
        // Files found in a folder are named with the system's separator.
        for (std::size_t at; (at = said.find("many\\")) != std::string::npos;)
            said[at + 4] = '/';
        seen += "\nstatus " + std::to_string(run.status) + "\n" + said;
    }
    return placeholder(seen, dir.folder());
}

} // namespace

TEST(BatchSession, EveryCommandOverTheExample) {
    TempFolder dir;
    copyExample(dir.path());
    copyExample(dir.path() / "many", "a.3dp");
    fs::copy_file(dir.file("many/a.3dp"), dir.file("many/b.3dp"));
    writeFile(dir.file("many/d.3dp"), "Vertices\r\n0\r\n"); // refused before anything is written
    writeFile(dir.file("bad.3dp"), "Vertices\r\n1\r\n1\r\nx\r\n3\r\n");
    writeFile(dir.file("notes.3dp"), "# Notes\n");
    writeFile(dir.file("a.obj"), "v 0 0 0\n");
    std::vector<Args> commands = {
        {"info", "stand.3dp"},
        {"resave", "stand.3dp", "again.3dp"},
        {"resave", "stand.3dp", "stand.3dp"},
        {"write-ase", "stand.3dp", "stand.ase"},
        {"export-txt", "stand.3dp", "s.txt"},
        {"import", "s.txt", "--out", "copy.3dp", "--seed", "4"},
        {"write-ase", "copy.3dp", "copy.ase"}, // untextured: refused
        {"export-vtx", "stand.3dp", "s.vtx"},
        {"import", "s.vtx", "--into", "stand.3dp", "--offset", "100", "0", "0", "--out", "2.3dp"},
        {"info", "2.3dp"},
        {"export-dxf", "--mode", "vl", "stand.3dp", "s.dxf"},
        {"import", "s.dxf", "--out", "d.3dp"},
        {"import", "s.dxf", "--kind", "3dface", "--out", "d.3dp"},
        {"import", "s.dxf", "--kind", "line", "--out", "d.3dp"},
        {"export-dxf", "--mode", "vlp", "d.3dp", "p.dxf"},
        {"import", "a.obj", "--out", "o.3dp"},
        {"export-dxf", "--mode", "x", "stand.3dp", "o.dxf"},
        {"import", "a.vtx"},
        {"import", "a.vtx", "--out", "o.3dp", "--offset", "1", "2"},
        {"info", "bad.3dp"},
        {"info", "notes.3dp"},
        {"resave", "none.3dp", "out.3dp"},
        {"resave", "stand.3dp", "no/such/dir/out.3dp"},
        {},
        {"info"},
        {"build", "stand.3dp"},
        {"build", "many"},
    };
    // Transforms, each checked by the bounding box of its result.
    for (const Args& steps : {Args{"--scale", "2"}, Args{"--rotate", "z", "90"},
                              Args{"--mirror", "x", "--move", "1", "0", "0"}, Args{"--center"}}) {
        Args args{"transform", "stand.3dp", "--out", "t.3dp"};
        args.insert(args.end(), steps.begin(), steps.end());
        commands.insert(commands.end(), {args, {"info", "t.3dp"}});
    }
    for (const Args& steps : {Args{"--scale", "abc"}, Args{"--rotate", "w", "10"},
                              Args{"--move", "1", "2"}, Args{"--center", "--scale", "1e38"}}) {
        Args args{"transform", "stand.3dp", "--out", "bad-t.3dp"};
        args.insert(args.end(), steps.begin(), steps.end());
        commands.push_back(args);
    }
    // Arguments reach the program as they were given (on Windows runChild
    // quotes them into a command line that the program's runtime splits again).
    std::string seen = session(dir, commands);
    for (const std::string arg : {"two words", "say \"hi\"", "C:\\with space\\", "tab\tin",
                                  "\\\\server\\share\\", "a\\\\\"b", ""}) {
        const ProgramRun run = runProgram("meshsmith-batch", {arg});
        seen += "$ '" + arg + "'\nstatus " + std::to_string(run.status) + "\n" +
                run.err.substr(0, run.err.find('\n') + 1);
    }
    fs::remove(dir.file("roof.bmp"));
    seen += session(dir, {{"info", "stand.3dp"}, {"build", "stand.3dp"}});
    expectGolden(seen, "tools/batch_session.txt");

    EXPECT_EQ(readFile(dir.file("again.3dp")), readFile(kExample));
    EXPECT_EQ(readFile(dir.file("stand.3dp")), readFile(kExample));
    for (const char* absent : {"copy.ase", "o.3dp", "out.3dp", "bad-t.3dp", "many/d.ase"})
        EXPECT_FALSE(fs::exists(dir.file(absent))) << absent;
    const std::string built = readFile(dir.file("stand.3do"));
    const auto check =
        meshsmith::inspect3do::checkThreeDo(std::vector<std::uint8_t>(built.begin(), built.end()));
    ASSERT_FALSE(check.violation) << check.violation->text();
    EXPECT_EQ(check.summary.volumes, 1u);
    for (const char* f : {"many/a.3do", "many/b.3do"})
        EXPECT_TRUE(fs::exists(dir.file(f))) << f;
}

// Into another folder the bitmaps are stored with their own folder.
TEST(BatchSession, ResaveElsewhereKeepsTheBitmapsFound) {
    TempFolder dir;
    ASSERT_EQ(runProgram("meshsmith-batch", {"resave", kExample, dir.file("moved.3dp")}).status, 0);
    EXPECT_NE(
        readFile(dir.file("moved.3dp"))
            .find(fs::absolute(sourcePath("examples/stand/seats.bmp")).lexically_normal().string()),
        std::string::npos);
    EXPECT_EQ(runProgram("meshsmith-batch", {"info", dir.file("moved.3dp")}).status, 0);
}

TEST(BatchSession, TheConverterIsLookedForBesideTheProgramNotInTheWorkingFolder) {
    TempFolder bin, dir;
    copyExample(dir.path());
    const fs::path batch = programPath("meshsmith-batch");
    fs::copy_file(batch, bin.path() / batch.filename());
    ProgramRun run = runCommand((bin.path() / batch.filename()).string(),
                                {"build", dir.file("stand.3dp")}, MESHSMITH_BIN_DIR);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("3DO-Kiln not found !"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(dir.file("stand.ase")));
}
