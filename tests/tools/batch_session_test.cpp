// meshsmith-batch end to end: one session of commands (tests/data/tools/
// batch_commands.txt) over a copy of the example project, run in its folder.
// The golden file holds every command with its status and what it printed;
// the files a command must (not) write are checked here.

#include "support/golden.hpp"
#include "support/run_program.hpp"
#include "support/temp_folder.hpp"
#include "threedo_check.hpp"
#include "threedo_file.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <filesystem>
#include <iterator>
#include <map>
#include <set>
#include <sstream>

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
    fs::copy_file(sourcePath("tests/data/imports/polyface.polyface.dxf"), dir.file("mesh.dxf"));
    writeFile(dir.file("q.mtl"), "newmtl seat\nmap_Kd C:\\art\\seats.bmp\nnewmtl roof\n");
    writeFile(dir.file("q.obj"), "mtllib q.mtl\nv 0 0 0\nv 2 0 0\nv 2 2 0\nv 0 2 0\nv 0 0 0\n"
                                 "vt 0 0\nvt 1 0\nvt 1 1\nusemtl seat\nf 1/1 2/2 3/3\n"
                                 "usemtl roof\nf 3/3 4/1 5/2\nf 1 2 4\nf 1/1 5/2 2/3\n");
    std::vector<Args> commands;
    std::istringstream lines(readFile(sourcePath("tests/data/tools/batch_commands.txt")));
    for (std::string line; std::getline(lines, line);) {
        if (!line.starts_with("$")) continue;
        std::istringstream words(line.substr(1));
        commands.emplace_back(std::istream_iterator<std::string>(words),
                              std::istream_iterator<std::string>());
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

// Conversions at once print what one at a time prints, in the same order,
// and write the same 3DO files; one project that fails fails the build.
TEST(BatchSession, ConversionsAtOnceMatchOneAtATime) {
    TempFolder dir;
    copyExample(dir.path() / "many", "a.3dp");
    const std::vector<std::string> good{"a", "b", "c", "e", "f"};
    for (const Args& make :
         {Args{"transform", "many/a.3dp", "--out", "many/b.3dp", "--scale", "2"},
          Args{"transform", "many/a.3dp", "--out", "many/c.3dp", "--center"},
          Args{"resave", "many/a.3dp", "many/e.3dp"},
          Args{"transform", "many/a.3dp", "--out", "many/f.3dp", "--mirror", "x"}})
        ASSERT_EQ(runProgram("meshsmith-batch", make, dir.folder()).status, 0) << make[3];
    writeFile(dir.file("many/d.3dp"), "Vertices\r\n1\r\n1\r\nx\r\n3\r\n");
    std::string said[2];
    std::vector<std::string> built[2];
    for (int k = 0; k < 2; ++k) {
        for (const std::string& name : good)
            fs::remove(dir.file("many/" + name + ".3do"));
        // b named twice: built twice, one after the other.
        const ProgramRun run =
            runProgram("meshsmith-batch", {"build", k == 0 ? "-j1" : "-j3", "many", "many/b.3dp"},
                       dir.folder());
        said[k] = "status " + std::to_string(run.status) + "\n" + run.out + run.err;
        for (const std::string& name : good)
            built[k].push_back(readFile(dir.file("many/" + name + ".3do")));
    }
    EXPECT_EQ(said[1], said[0]);
    EXPECT_TRUE(said[0].starts_with("status 1\n")) << said[0];
    EXPECT_NE(said[0].find("6 built, 1 failed"), std::string::npos) << said[0];
    EXPECT_EQ(built[1], built[0]);
    EXPECT_NE(built[0][0], built[0][1]);
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

namespace {

// What a 3DO draws: its vertex positions (in thousandths), and per texture
// its polygons' count and area.
struct Drawing {
    std::set<std::array<long, 3>> positions;
    std::map<std::string, std::pair<int, double>> byTexture;
};

Drawing drawingOf(const std::string& path) {
    namespace inspect = meshsmith::inspect3do;
    const std::string bytes = readFile(path);
    const inspect::ThreeDoFile f =
        inspect::parseThreeDo(std::vector<std::uint8_t>(bytes.begin(), bytes.end())).file;
    Drawing d;
    for (const auto& v : f.vertices)
        d.positions.insert(
            {std::lround(v.x * 1000), std::lround(v.y * 1000), std::lround(v.z * 1000)});
    for (const inspect::Record& group : f.records) {
        if (group.type != inspect::kTextureGroupRecord) continue;
        const inspect::Record* child = f.recordAt(group.child);
        for (std::int32_t offset :
             child->type == inspect::kListRecord ? child->items : std::vector{child->offset}) {
            const std::vector<std::int32_t>& c = f.recordAt(offset)->vertices;
            double n[3] = {0, 0, 0}; // Newell's normal: twice the vector area
            for (std::size_t k = 0; k < c.size(); ++k) {
                const auto a = f.vertices.at(c[k]), b = f.vertices.at(c[(k + 1) % c.size()]);
                n[0] += (a.y - b.y) * (a.z + b.z);
                n[1] += (a.z - b.z) * (a.x + b.x);
                n[2] += (a.x - b.x) * (a.y + b.y);
            }
            auto& [count, area] = d.byTexture[f.stringAt(group.stringOffset)->text];
            ++count;
            area += std::hypot(n[0], n[1], n[2]) / 2;
        }
    }
    return d;
}

} // namespace

// A house of walls, gables and roof: imported and built, it draws what the
// converter draws of the OBJ file itself.
TEST(BatchSession, ImportedObjBuildsAsTheConverterBuildsTheFile) {
    TempFolder dir;
    copyExample(dir.path());
    fs::create_directory(dir.path() / "direct");
    for (const std::string folder : {"", "direct/"}) {
        writeFile(dir.file(folder + "house.mtl"),
                  "newmtl wall\nmap_Kd seats.bmp\nnewmtl roof\nmap_Kd roof.bmp\n");
        writeFile(dir.file(folder + "house.obj"),
                  "mtllib house.mtl\nv 0 0 0\nv 4 0 0\nv 4 3 0\nv 0 3 0\nv 0 0 2\nv 4 0 2\n"
                  "v 4 3 2\nv 0 3 2\nv 0 1.5 3\nv 4 1.5 3\nvt 0 0\nvt 1 0\nvt 1 1\nvt 0 1\n"
                  "usemtl wall\nf 1/1 2/2 6/3 5/4\nf 2/1 3/2 7/3 6/4\nf 3/1 4/2 8/3 7/4\n"
                  "f 4/1 1/2 5/3 8/4\nf 8/1 5/2 9/3\nf 6/1 7/2 10/3\n"
                  "usemtl roof\nf 5/1 6/2 10/3 9/4\nf 7/1 8/2 9/3 10/4\n");
    }
    ASSERT_EQ(
        runProgram("meshsmith-batch", {"import", "house.obj", "--out", "house.3dp"}, dir.folder())
            .status,
        0);
    ASSERT_EQ(runProgram("meshsmith-batch", {"build", "house.3dp"}, dir.folder()).status, 0);
    ASSERT_EQ(runProgram("3DO-Kiln", {dir.file("direct/house.obj")}).status, 0);
    const Drawing built = drawingOf(dir.file("house.3do")),
                  direct = drawingOf(dir.file("direct/house.3do"));
    EXPECT_EQ(built.positions, direct.positions);
    ASSERT_EQ(direct.byTexture.size(), 2u);
    for (const auto& [texture, drawn] : direct.byTexture) {
        EXPECT_EQ(built.byTexture.at(texture).first, drawn.first) << texture;
        EXPECT_NEAR(built.byTexture.at(texture).second, drawn.second, 1e-3) << texture;
    }
}
