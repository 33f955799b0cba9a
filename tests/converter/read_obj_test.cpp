// The OBJ and MTL readers: face order and numbering, the untextured stop,
// vertex merging, and the files other exporters write (CR LF, byte order
// marks, tabs, relative numbers, names with blanks, MTL paths).

#include "converter/console_pause.hpp"
#include "converter/readers.hpp"
#include "case_table.hpp"
#include "reader_runs.hpp"
#include "support/golden.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <cstdio>

using namespace meshsmith::kiln;
using namespace meshsmith::kiln::test;
using meshsmith::test::TempFolder;
using meshsmith::test::writeFile;

namespace {

const std::string kTriangle = "v 0 0 0\nv 1 0 0\nv 0 1 0\n"
                              "vt 0.1 0.2\nvt 0.3 0.4\nvt 0.5 0.6\n"
                              "usemtl brick\n";

} // namespace

// Each OBJ text (with its MTL and vertex-colour files beside it when given)
// and what the reader printed and left in the tables; the golden file says
// why each is so.
TEST(ReadObj, TablesOfGoodFilesMatchTheirGoldenDump) {
    const struct {
        std::string name, obj, mtlName = "", mtl = "", lux = "";
    } cases[] = {
        {"boundary runs opposite to the file", kTriangle + "f 1/1 2/2 3/3\n"},
        {"relative numbers count back", kTriangle + "f -3/-3 -2/-2 -1/-1\n"},
        {"first line a vertex", "v 0 0 0\nv 1 0 0\nv 0 1 0\nvt 0 0\nusemtl m\nf 1/1 2/1 3/1\n"},
        {"first line the MTL file", "mtllib m.mtl\n" + kTriangle + "usemtl m\nf 1/1 2/2 3/3\n",
         "m.mtl", "newmtl m\nmap_Kd tiles.bmp\n"},
        {"tabs, normals between, vertices within 0.001 merged",
         "v\t0\t0\t0\nvn 5 5 5\nv 1 0 0\nvn 7 7 7\nv 0 1 0\nv 1.0009 0.0005 -0.0009\nvt 0 0\n"
         "usemtl m\nf 1/1 2/1 3/1\nf 4/1 3/1 1/1\n"},
        {"CR LF, byte order marks, tabs, a Windows path",
         "\xEF\xBB\xBFv 0 0 0\r\nv\t1\t0\t0\r\nv 0 1 0 \r\nvt 0 0\r\nmtllib tex.mtl\r\n"
         "\tusemtl\tstone \r\nf\t1/1/1\t2/1/1 3/1/1 \r\n",
         "tex.mtl", "\xEF\xBB\xBFnewmtl stone\r\n\tmap_Kd\tC:\\maps\\brick.bmp\r\n"},
        // brick has no map_Kd line: it keeps its name; d takes its last map.
        {"MTL name with a blank, paths of either slash",
         "mtllib my car.mtl\n" + kTriangle +
             "usemtl a\nf 1/1 2/2 3/3\nusemtl b\nf 1/1 2/2 3/3\n"
             "usemtl c\nf 1/1 2/2 3/3\nusemtl d\nf 1/1 2/2 3/3\n",
         "my car.mtl",
         "newmtl a\nmap_Kd cars/texture.jpg\nnewmtl b\nmap_Kd .\\wal67ar_small.jpg\n"
         "newmtl c\nKd 1 1 1\nnewmtl d\nmap_Kd old.bmp\nmap_Kd -s 1 1 1 new.png\n"},
        // Face 0 is concave: its ears take table slots before face 1 is read.
        {"colours by face, not by slot",
         "v 0 0 0\nv 4 0 0\nv 4 4 0\nv 2 1 0\nv 0 4 0\nv 9 9 0\nvt 0 0\nusemtl m\n"
         "f 1/1 2/1 3/1 4/1 5/1\nf 2/1 6/1 3/1\n",
         "", "", "POLYGON 1 820\nVERTEX 2 10 20 30 40\n"},
        // A device is no MTL file (reading it would never end).
        {"a device as MTL file", "mtllib /dev/zero\n" + kTriangle + "f 1/1 2/2 3/3\n"},
    };
    std::string seen;
    for (const auto& c : cases) {
        TempFolder dir;
        writeFile(dir.file("in.obj"), c.obj);
        if (!c.mtlName.empty()) writeFile(dir.file(c.mtlName), c.mtl);
        if (!c.lux.empty()) writeFile(dir.file("in.lux"), c.lux);
        testing::internal::CaptureStdout();
        ReaderRun r = readObjFile(dir.file("in.obj"));
        const std::string out = testing::internal::GetCapturedStdout();
        seen += "== " + c.name + "\n" + meshsmith::test::placeholder(out, dir.folder()) + r.error +
                dumpState(*r.k);
    }
    meshsmith::test::expectGolden(seen, "converter/obj_states.txt");
}

TEST(ReadObj, FaceWithoutTextureVerticesStopsAsUntextured) {
    testing::internal::CaptureStdout();
    ReaderRun r = readObjText(kTriangle + "vn 0 0 1\nf 1//1 2//1 3//1\n");
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_TRUE(r.untextured);
    EXPECT_NE(out.find("Untextured polygon detected! Terminating...\n"), std::string::npos);
    EXPECT_EQ(out.find("Press any key"), std::string::npos) << "standard input is no terminal";
}

TEST(ReadObj, PauseWaitsOnlyForAPersonAtATerminal) {
    std::FILE* in = std::tmpfile();
    ASSERT_NE(in, nullptr);
    std::fputs("xy", in);
    std::rewind(in);
    EXPECT_FALSE(isInteractiveTerminal(fileno(in)));
    pauseForKey(false, in);
    EXPECT_EQ(std::ftell(in), 0) << "nothing is read without a terminal";
    testing::internal::CaptureStdout();
    pauseForKey(true, in);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Press any key to continue . . .\n");
    EXPECT_EQ(std::ftell(in), 1);
    std::fclose(in);
}

TEST(ReadObj, NumbersOutsideTheListsOrTheTablesAndNamesThatCannotBeStoredStopTheRun) {
    expectCaseTable("converter/obj_refusals.txt", 1, [](auto f) {
        testing::internal::CaptureStdout();
        const ReaderRun r = readObjText(f[0]);
        testing::internal::GetCapturedStdout();
        return r.untextured ? "untextured" : r.error;
    });
    std::string many;
    for (int i = 0; i <= kMaxVertices; ++i)
        many += "v " + std::to_string(i) + " 0 0\n";
    EXPECT_EQ(readObjText(many).error,
              "Capacity exceeded: the vertex table holds at most 30000 entries");
    // A name in the MTL file is checked as well.
    TempFolder dir;
    writeFile(dir.file("bad.mtl"), std::string("newmtl brick\nmap_Kd a\x01b.bmp\n"));
    writeFile(dir.file("bad.obj"), "mtllib bad.mtl\n" + kTriangle + "f 1/1 2/2 3/3\n");
    EXPECT_EQ(readObjFile(dir.file("bad.obj")).error,
              "MTL file " + dir.file("bad.mtl") +
                  ": Line 2: a texture or material name holds a control character or the byte 0xFF");
}
