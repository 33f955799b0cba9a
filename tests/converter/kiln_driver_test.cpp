// The converter as the editor runs it: command line, recognition of the input,
// exact output, exit statuses and the 3DO file beside the input.

#include "converter/kiln_driver.hpp"
#include "kiln_runs.hpp"
#include "support/golden.hpp"
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

// Runs of the converter: the golden file holds each command line with the exit
// status, what was printed, the display class of the polygon groups written
// and the collision volumes with the string HAND names. The example project
// keeps its collision behind its line objects.
TEST(KilnDriver, RunsGiveTheirStatusOutputAndFile) {
    TempFolder dir;
    std::string noClass = oneSquare();
    noClass.erase(noClass.find("*DISPLAY_CLASS 3"), 16);
    std::string badVertex = oneSquare();
    badVertex.replace(badVertex.find("*MESH_VERTEX 2"), 14, "*MESH_VERTEX 100");
    const std::pair<std::string, std::string> files[] = {
        {"object.ASE", oneSquare()},
        {"stand.ase", exampleAse()},
        {"sign.ase", noClass},      // without the line the argument decides
        {"own.ase", oneSquare(42)}, // the file's line sets the class again
        {"x.txt", oneSquare()},
        {"other.ase", "*3DSMAX_ASCIIEXPORTX 200\r\n*GEOMOBJECT\r\n"},
        {"wide.ase", std::string("\xFF\xFE*\0C\0", 6)},
        {"full.ase", oneSquare() + "*COLLISION_VOLUMES 31\r\n"},
        {"bad.ase", badVertex},
        {"lines.ase",
         aseHeader({}) + "*LINEOBJECT\r\n*MESH_VERTEX 0 0 0 0\r\n*MESH_VERTEX 1 1 0 0\r\n"},
    };
    for (const auto& [name, text] : files)
        writeFile(dir.file(name), text);
    fs::create_directory(dir.file("box.3do"));
    writeFile(dir.file("box.ase"), oneSquare());
    std::vector<std::vector<std::string>> runs = {
        {"object.ASE"}, {"stand.ase"}, {"own.ase", "out", "7"}, {"missing.ase"}, {}, {"--help"},
        {"x.txt"},      {"other.ase"},           {"wide.ase"},    {"full.ase"},
        {"bad.ase"},    {"lines.ase"},           {"box.ase"}};
    for (const char* c : {"0", "150", "7", "-5", "99", "100", "12abc", "abc"})
        runs.push_back({"sign.ase", "out", c});
    std::string seen;
    for (std::vector<std::string> args : runs) {
        seen += "$";
        for (std::string& a : args)
            seen += " " + a;
        if (!args.empty() && !args[0].starts_with("-")) args[0] = dir.file(args[0]);
        const KilnRun run = runKilnCaptured(args);
        seen += "\nstatus " + std::to_string(run.status) + "\n" + run.out;
        const std::string made = args.empty() ? "" : args[0].substr(0, args[0].rfind('.')) + ".3do";
        if (!fs::is_regular_file(made)) continue;
        seen += "3DO display classes:";
        const inspect::ThreeDoFile f = parsed(made);
        for (const inspect::Record& r : f.records)
            if (r.type == 5) seen += " " + std::to_string(r.displayClass);
        for (std::size_t v = 0; f.collision && v < f.collision->volumes.size(); ++v)
            seen += "; a collision volume of " +
                    std::to_string(f.collision->volumes[v].planes.size()) + " planes";
        for (const inspect::StringEntry& e : f.strings)
            if (f.hand && e.offset == f.hand->stringOffset) seen += "; HAND names " + e.text;
        seen += "\n";
        fs::remove(made);
    }
    meshsmith::test::expectGolden(meshsmith::test::placeholder(seen, dir.folder()),
                                  "converter/kiln_runs.txt");
    EXPECT_TRUE(fs::is_directory(dir.file("box.3do")));
}
