// meshsmith-batch end to end: one session of commands (tests/data/tools/
// batch_commands.txt) over a copy of the example project, run in its folder.
// The golden file holds every command with its status and what it printed;
// the files a command must (not) write are checked here.

#include "support/golden.hpp"
#include "support/run_program.hpp"
#include "support/temp_folder.hpp"
#include "model/bmp_image.hpp"
#include "random_objects.hpp"
#include "export/ase_writer.hpp"
#include "import/model_import.hpp"
#include "support/scripted_prompts.hpp"
#include "threedo_check.hpp"
#include "threedo_file.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <iterator>
#include <map>
#include <set>
#include <span>
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
// its polygons' count, area and vector area (which tells their facing).
struct Texturing {
    int count = 0;
    double area = 0;
    std::array<double, 3> vectorArea{0, 0, 0};
};
struct Drawing {
    std::set<std::array<long, 3>> positions;
    std::map<std::string, Texturing> byTexture;
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
    inspect::forEachDrawnPolygon(f, [&](const inspect::Record& node, const inspect::Record& group,
                                        const inspect::Record& polygon, bool) {
        const std::vector<std::int32_t>& c = polygon.vertices;
        std::array<double, 3> n{0, 0, 0}; // Newell's normal: twice the vector area
        for (std::size_t k = 0; k < c.size(); ++k) {
            const auto a = f.vertices.at(c[k]), b = f.vertices.at(c[(k + 1) % c.size()]);
            n[0] += (double{a.y} - b.y) * (double{a.z} + b.z);
            n[1] += (double{a.z} - b.z) * (double{a.x} + b.x);
            n[2] += (double{a.x} - b.x) * (double{a.y} + b.y);
        }
        // A twin stands for itself and its reverse: twice the area, facing both ways.
        const bool twin = node.type == inspect::kTwinNode;
        Texturing& t = d.byTexture[f.stringAt(group.stringOffset)->text];
        ++t.count;
        t.area += (twin ? 2 : 1) * std::hypot(n[0], n[1], n[2]) / 2;
        for (int i = 0; i < 3 && !twin; ++i)
            t.vectorArea[i] += n[i] / 2;
    });
    return d;
}

// The same positions and, per texture, the same polygons with the same area
// facing the same way.
void expectSameDrawing(const Drawing& built, const Drawing& direct, const std::string& what) {
    EXPECT_EQ(built.positions, direct.positions) << what;
    ASSERT_EQ(built.byTexture.size(), direct.byTexture.size()) << what;
    for (const auto& [texture, drawn] : direct.byTexture) {
        const Texturing& b = built.byTexture.at(texture);
        const double tolerance = 1e-4 * std::max(1.0, drawn.area);
        EXPECT_EQ(b.count, drawn.count) << what << " " << texture;
        EXPECT_NEAR(b.area, drawn.area, tolerance) << what << " " << texture;
        for (int i = 0; i < 3; ++i)
            EXPECT_NEAR(b.vectorArea[i], drawn.vectorArea[i], tolerance) << what << " " << texture;
    }
}

// A project file keeps coordinates to the millimetre: the same bounds to
// the millimetre and, per texture, the same area facing the same way within
// what that rounding moves.
void expectSameOutline(const Drawing& built, const Drawing& direct, const std::string& what) {
    for (int axis = 0; axis < 3; ++axis) {
        const auto [lowB, highB] = std::minmax_element(
            built.positions.begin(), built.positions.end(),
            [axis](const auto& x, const auto& y) { return x[axis] < y[axis]; });
        const auto [lowD, highD] = std::minmax_element(
            direct.positions.begin(), direct.positions.end(),
            [axis](const auto& x, const auto& y) { return x[axis] < y[axis]; });
        EXPECT_NEAR((*lowB)[axis], (*lowD)[axis], 1) << what << " axis " << axis;
        EXPECT_NEAR((*highB)[axis], (*highD)[axis], 1) << what << " axis " << axis;
    }
    ASSERT_EQ(built.byTexture.size(), direct.byTexture.size()) << what;
    for (const auto& [texture, drawn] : direct.byTexture) {
        const Texturing& b = built.byTexture.at(texture);
        const double tolerance = 2e-3 * std::max(1.0, drawn.area);
        EXPECT_NEAR(b.area, drawn.area, tolerance) << what << " " << texture;
        for (int i = 0; i < 3; ++i)
            EXPECT_NEAR(b.vectorArea[i], drawn.vectorArea[i], tolerance) << what << " " << texture;
    }
}

// `object` written as `name` (a 3ds Max ASE export or an OBJ with its MTL)
// into `folder`, with a 16 x 16 BMP for each of its textures.
void writeModel(const fs::path& folder, const std::string& name,
                const meshsmith::bench::RandomObject& object) {
    fs::create_directories(folder);
    if (name.ends_with(".obj")) {
        writeFile((folder / name).string(), meshsmith::bench::objText(object, "model.mtl"));
        writeFile((folder / "model.mtl").string(), meshsmith::bench::mtlText(object));
    } else {
        writeFile((folder / name).string(), meshsmith::bench::maxAseText(object));
    }
    meshsmith::BmpImage image{16, 16, std::vector<meshsmith::Colour>(256, 0x00406080)};
    for (const std::string& texture : object.textures)
        ASSERT_TRUE(meshsmith::writeBmpFile((folder / (texture + ".bmp")).string(), image).done());
}

} // namespace

// Random scenery (boxes, houses, stands, fences, stars, blobs, terrain) in
// either format, imported and built, draws what the converter draws of the
// file itself: built from the object in the editor, the same vertex
// positions and per texture the same polygons with the same area facing the
// same way; imported and built by meshsmith-batch (through a project file),
// the same bounds and areas.
TEST(BatchSession, ImportedModelsBuildAsTheConverterBuildsTheFile) {
    // Objects of up to 900 faces stay within 100 m of the origin, where the
    // editor's ASE file keeps coordinates to 0.00001 (7 digits beyond).
    const std::vector<std::pair<std::uint32_t, int>> objects = {
        {1, 12}, {2, 60}, {3, 150}, {4, 400}, {5, 900}, {6, 30}, {7, 250}, {9, 700}, {11, 90}};
#ifdef _WIN32
    const std::size_t count = 2; // every program started under Wine takes a while
#else
    const std::size_t count = objects.size();
#endif
    for (const std::string name : {"model.obj", "model.ase"}) {
        const auto format = name.ends_with(".obj") ? meshsmith::ModelFormat::WavefrontObj
                                                   : meshsmith::ModelFormat::MaxAse;
        for (const auto& [seed, faces] : std::span(objects).first(count)) {
            const std::string what = name + " seed " + std::to_string(seed);
            TempFolder dir;
            const auto object = meshsmith::bench::randomObject(seed, faces);
            writeModel(dir.path(), name, object);
            ASSERT_EQ(runProgram("3DO-Kiln", {dir.file(name)}).status, 0) << what;
            const Drawing direct = drawingOf(dir.file("model.3do"));

            meshsmith::Project p;
            ScriptedPrompts prompts;
            RecordingLog log;
            meshsmith::RandomColours colours(1);
            ASSERT_TRUE(
                importModelFile(p, dir.file(name), format, prompts, log, colours, nullptr).done())
                << what;
            writeFile(dir.file("editor.ase"), meshsmith::aseText(p));
            ASSERT_EQ(runProgram("3DO-Kiln", {dir.file("editor.ase")}).status, 0) << what;
            expectSameDrawing(drawingOf(dir.file("editor.3do")), direct, what);

            const Args import = {"import", name, "--out", "batch.3dp"};
            ASSERT_EQ(runProgram("meshsmith-batch", import, dir.folder()).status, 0) << what;
            ASSERT_EQ(runProgram("meshsmith-batch", {"build", "batch.3dp"}, dir.folder()).status, 0)
                << what;
            expectSameOutline(drawingOf(dir.file("batch.3do")), direct, what);
        }
    }
}
