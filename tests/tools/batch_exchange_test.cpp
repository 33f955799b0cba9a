// The batch tool's exchange commands, end to end over the example project.
#include "support/run_program.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

using namespace meshsmith::test;

namespace {
const std::string kExample = sourcePath("examples/stand/stand.3dp");

ProgramRun batch(const std::vector<std::string>& args) {
    return runProgram("meshsmith-batch", args);
}

std::size_t count(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (auto p = text.find(what); p != std::string::npos; p = text.find(what, p + 1))
        ++n;
    return n;
}
} // namespace

TEST(BatchExchange, WriteAseAndA3DOTextRoundTripWhoseUntexturedCopyAseRefuses) {
    TempFolder dir;
    ProgramRun run = batch({"write-ase", kExample, dir.file("stand.ase")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(count(readFile(dir.file("stand.ase")), "*GEOMOBJECT\r\n"), 24u);
    EXPECT_NE(run.out.find("ASE-file " + dir.file("stand.ase") + " saved !"), std::string::npos);
    ASSERT_EQ(batch({"export-txt", kExample, dir.file("s.txt")}).status, 0);
    ProgramRun imported =
        batch({"import", dir.file("s.txt"), "--out", dir.file("copy.3dp"), "--seed", "4"});
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_NE(imported.out.find("24 Polygons loaded from file"), std::string::npos);
    ProgramRun ase = batch({"write-ase", dir.file("copy.3dp"), dir.file("copy.ase")});
    EXPECT_EQ(ase.status, 1);
    EXPECT_NE(ase.err.find("Only entirely textured objects supported so far !"), std::string::npos)
        << ase.err;
}

TEST(BatchExchange, VertexTextAppendsWithTheGivenOffset) {
    TempFolder dir;
    ASSERT_EQ(batch({"export-vtx", kExample, dir.file("s.vtx")}).status, 0);
    ProgramRun run = batch({"import", dir.file("s.vtx"), "--into", kExample, "--offset", "100", "0",
                            "0", "--out", dir.file("twice.3dp")});
    ASSERT_EQ(run.status, 0) << run.err;
    ProgramRun info = batch({"info", dir.file("twice.3dp")});
    EXPECT_NE(info.out.find("Vertices: 108"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("Bounding box: (0, 0, 0) - (120, 9, 9)"), std::string::npos)
        << info.out;
}

TEST(BatchExchange, DxfExportsAndImportsTheChosenKind) {
    TempFolder dir;
    ASSERT_EQ(batch({"export-dxf", "--mode", "vl", kExample, dir.file("s.dxf")}).status, 0);
    ProgramRun ambiguous = batch({"import", dir.file("s.dxf"), "--out", dir.file("d.3dp")});
    EXPECT_EQ(ambiguous.status, 1);
    EXPECT_NE(ambiguous.err.find("54 POINT objects in DXF"), std::string::npos) << ambiguous.err;
    ProgramRun none =
        batch({"import", dir.file("s.dxf"), "--kind", "3dface", "--out", dir.file("d.3dp")});
    EXPECT_EQ(none.status, 1);
    EXPECT_NE(none.err.find("Sorry, no '3DFACE' objects in DXF file..."), std::string::npos)
        << none.err;
    ProgramRun lines =
        batch({"import", dir.file("s.dxf"), "--kind", "line", "--out", dir.file("d.3dp")});
    ASSERT_EQ(lines.status, 0) << lines.err;
    EXPECT_NE(lines.out.find("3 valid Lines loaded from file"), std::string::npos) << lines.out;
    EXPECT_EQ(batch({"export-dxf", "--mode", "vlp", dir.file("d.3dp"), dir.file("p.dxf")}).status,
              1);
}

TEST(BatchExchange, WrongCommandLinesAreRefused) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"export-dxf", "--mode", "x", kExample, "o.dxf"},
          {"import", "a.vtx"},
          {"import", "a.vtx", "--out", "o.3dp", "--offset", "1", "2"}})
        EXPECT_EQ(batch(args).status, 2);
    TempFolder dir;
    writeFile(dir.file("a.obj"), "v 0 0 0\n");
    EXPECT_EQ(batch({"import", dir.file("a.obj"), "--out", dir.file("o.3dp")}).status, 1);
}
