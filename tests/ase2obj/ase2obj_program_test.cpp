// The ase2obj program on the example project: its messages, exit statuses,
// output names, and an OBJ file that an independent reader accepts.

#include "conversion_harness.hpp"

#include "export/ase_writer.hpp"
#include "support/run_program.hpp"

#include <gtest/gtest.h>

#include <cstdlib>

namespace meshsmith::test {
namespace {

// The number after "<label>:" at the start of a line of assimp's report, or -1.
long reportedCount(const std::string& report, const std::string& label) {
    std::size_t at = report.find("\n" + label + ":");
    if (at == std::string::npos) return -1;
    return std::strtol(report.c_str() + at + label.size() + 2, nullptr, 10);
}

// "Result:" only for a name without "\\" or "/"; either separator names a folder.
TEST(Ase2objProgram, BareNameReportsTheMissingBackslashAndNamesTheMtlFile) {
    TempFolder dir;
    std::filesystem::create_directory(dir.file("sub"));
    writeFile(dir.file("sub/stand.ase"), aseText(exampleProject()));
    for (const std::string name : {"stand.ase", "sub/stand.ase", "sub\\stand.ase"}) {
        std::filesystem::remove(dir.file("sub/stand.obj"));
        const bool bare = name == "stand.ase";
        ProgramRun run = runProgram("ase2obj", {name}, bare ? dir.file("sub") : dir.folder());
        EXPECT_EQ(run.status, 0) << name;
        EXPECT_EQ(run.out, std::string("ASE format: Meshsmith\n\n") +
                               (bare ? "Result:\t\\ not found\n" : ""));
        EXPECT_NE(readFile(dir.file("sub/stand.obj")).find("\n\nmtllib stand.mtl\n\n"),
                  std::string::npos);
    }
    EXPECT_NE(readFile(dir.file("sub/stand.mtl")).find("map_Kd banner.bmp\n"), std::string::npos);
}

TEST(Ase2objProgram, AFullTableEndsTheProgramWithStatusTwo) {
    TempFolder dir;
    std::string tooMany = aseWith({});
    for (int i = 0; i <= 100; ++i)
        tooMany += "*BITMAP \"t" + std::to_string(i) + "\"\r\n";
    writeFile(dir.file("full.ase"), tooMany);
    ProgramRun full = runProgram("ase2obj", {dir.file("full.ase")});
    EXPECT_EQ(full.status, 2);
    EXPECT_EQ(full.out, "ASE format: Meshsmith\n\nCapacity exceeded at line 103: the material "
                        "name table holds at most 100 entries\n");
}

TEST(Ase2objProgram, AnInputNamedLikeItsOutputIsNotOverwritten) {
    TempFolder dir;
    const std::string ase = aseText(exampleProject());
    writeFile(dir.file("stand.obj"), ase);
    ProgramRun run = runProgram("ase2obj", {dir.file("stand.obj")});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("would replace the input"), std::string::npos) << run.out;
    EXPECT_EQ(readFile(dir.file("stand.obj")), ase);
}

// assimp reads the OBJ raw (no post-processing): every "f" line stays one face
// and every face corner becomes a vertex of its own, so its Faces count must
// equal the project's polygons and its Vertices count their corners.
TEST(Ase2objProgram, ExampleObjIsReadByAnIndependentReader) {
    const std::string assimp = "/usr/bin/assimp";
#ifdef _WIN32
    GTEST_SKIP() << "assimp is a program of the Linux host";
#endif
    if (!std::filesystem::exists(assimp)) GTEST_SKIP() << "assimp missing (assimp-utils)";
    Project p = exampleProject();
    long corners = 0;
    for (const ObjectData& polygon : p.object.polygons)
        corners += polygon.VertexCount - 1;
    TempFolder dir;
    writeFile(dir.file("stand.ase"), aseText(p));
    ASSERT_EQ(runProgram("ase2obj", {dir.file("stand.ase")}).status, 0);
    ProgramRun info = runCommand(assimp, {"info", dir.file("stand.obj"), "-r"});
    ASSERT_EQ(info.status, 0) << info.out << info.err;
    EXPECT_EQ(reportedCount(info.out, "Faces"), static_cast<long>(p.object.polygons.size()));
    EXPECT_EQ(reportedCount(info.out, "Vertices"), corners);
    for (const char* bitmap : {"'seats.bmp'", "'roof.bmp'", "'banner.bmp'"})
        EXPECT_NE(info.out.find(bitmap), std::string::npos) << bitmap;
}

} // namespace
} // namespace meshsmith::test
