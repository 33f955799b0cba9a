// The OBJ and MTL readers: face order and numbering, the untextured stop,
// vertex merging, and the files other exporters write (CR LF, byte order
// marks, tabs, relative numbers, names with blanks, MTL paths).

#include "converter/console_pause.hpp"
#include "converter/reader_helpers.hpp"
#include "converter/readers.hpp"
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

const poly& polygonOf(const ReaderRun& r, int p) {
    return r.k->polygon[static_cast<std::size_t>(p)];
}

} // namespace

TEST(ReadObj, FaceBoundaryRunsOppositeToTheFileAndRelativeNumbersCountBack) {
    ReaderRun r = readObjText(kTriangle + "f 1/1 2/2 3/3\n");
    ASSERT_TRUE(r.read) << r.error;
    ASSERT_EQ(r.k->polyCount, 1);
    const poly& p = polygonOf(r, 0);
    EXPECT_EQ(
        (std::vector<int>{p.polyVertexCount, p.vertexList[0], p.vertexList[1], p.vertexList[2]}),
        (std::vector<int>{3, 2, 1, 0}));
    EXPECT_FLOAT_EQ(p.tvertx[0], 0.5f); // the texture vertex goes with its vertex
    EXPECT_FLOAT_EQ(p.tverty[0], 1 - 0.6f);
    EXPECT_EQ(r.k->stringy[0], "brick");
    EXPECT_NE(p.inPlane, -1);
    ReaderRun relative = readObjText(kTriangle + "f -3/-3 -2/-2 -1/-1\n");
    ASSERT_TRUE(relative.read) << relative.error;
    EXPECT_EQ(polygonOf(relative, 0).vertexList, p.vertexList);
    EXPECT_EQ(polygonOf(relative, 0).tvertx, p.tvertx);
}

TEST(ReadObj, FirstSignificantLineIsReadLikeEveryOther) {
    ReaderRun r = readObjText("v 0 0 0\nv 1 0 0\nv 0 1 0\nvt 0 0\nusemtl m\nf 1/1 2/1 3/1\n");
    ASSERT_TRUE(r.read) << r.error;
    EXPECT_EQ(r.k->vertCount, 3);

    TempFolder dir;
    writeFile(dir.file("m.mtl"), "newmtl m\nmap_Kd tiles.bmp\n");
    writeFile(dir.file("first.obj"), "mtllib m.mtl\n" + kTriangle + "usemtl m\nf 1/1 2/2 3/3\n");
    ReaderRun withMtl = readObjFile(dir.file("first.obj"));
    ASSERT_TRUE(withMtl.read) << withMtl.error;
    EXPECT_EQ(withMtl.k->stringy[1], "tiles");
}

TEST(ReadObj, FaceWithoutTextureVerticesStopsAsUntextured) {
    testing::internal::CaptureStdout();
    ReaderRun r = readObjText(kTriangle + "vn 0 0 1\nf 1//1 2//1 3//1\n");
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_TRUE(r.untextured);
    EXPECT_NE(out.find("Untextured polygon detected! Terminating...\n"), std::string::npos);
    EXPECT_EQ(out.find("Press any key"), std::string::npos) << "standard input is no terminal";
    EXPECT_TRUE(readObjText(kTriangle + "f 1 2 3\n").untextured);
    EXPECT_EQ(readObjText(kTriangle + "f 1/1 2 3/3\n").error,
              "Line 8: some corners of the face have texture vertices, others not");
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

TEST(ReadObj, VertexLinesNeedABlankOrTabAndVerticesWithinTheToleranceMerge) {
    ReaderRun r = readObjText("v\t0\t0\t0\nvn 5 5 5\nv 1 0 0\nvn 7 7 7\nv 0 1 0\n"
                              "v 1.0009 0.0005 -0.0009\nvt 0 0\nusemtl m\nf 1/1 2/1 3/1\n"
                              "f 4/1 3/1 1/1\n");
    ASSERT_TRUE(r.read) << r.error;
    EXPECT_EQ(r.k->vertCount, 3);
    EXPECT_FLOAT_EQ(r.k->x[1], 1.0f);
    EXPECT_EQ(polygonOf(r, 1).vertexList[2], polygonOf(r, 0).vertexList[1]);
}

TEST(ReadObj, NumbersOutsideTheListsOrTheTablesStopTheRun) {
    // Within 254 characters only corners without texture vertices come to 101.
    std::string big = "f", many;
    for (int i = 0; i < 101; ++i)
        big += " 1";
    for (int i = 0; i <= kMaxVertices; ++i)
        many += "v " + std::to_string(i) + " 0 0\n";
    const std::string cases[] = {
        kTriangle + "f 0/1 2/2 3/3\n",
        kTriangle + "f 1/1 2/2 4/3\n",
        kTriangle + "f 1/1 2/2 -4/3\n",
        kTriangle + "f 1/1 2/2 3/99999999999\n",
        kTriangle + "f 1/1 2/0 3/3\n",
        kTriangle + "f 1/1 2a/2 3/3\n",
        kTriangle + big + "\n",
        "v 0 0 0\nv 1 0 0\nv 0 1 0\nvt 0 0\nf 1/1 2/1 3/1\n",
        many,
        "v 0 nan 0\n",
        "v 0 0 0\nv 1e39 0 0\n",
        "vt -inf 0\n",
        "v 0 0\n",
    };
    std::string seen;
    for (const std::string& text : cases) {
        std::string last = text.substr(text.rfind('\n', text.size() - 2) + 1, 40);
        seen += last.substr(0, last.find('\n')) + " -> " + readObjText(text).error + "\n";
    }
    meshsmith::test::expectGolden(seen, "converter/obj_refusals.txt");
}

TEST(ReadObj, NamesThatCannotBeStoredOrFilesThatNeverEndAreRefused) {
    // The string chunk ends every name with a zero byte, the list with 0xFF.
    const std::string refused =
        "a texture or material name holds a control character or the byte 0xFF";
    EXPECT_EQ(readObjText(std::string("usemtl st\0ne\n", 13)).error, "Line 1: " + refused);
    EXPECT_EQ(readObjText("v 0 0 0\nusemtl \xFF\n").error, "Line 2: " + refused);
    TempFolder dir;
    writeFile(dir.file("bad.mtl"), std::string("newmtl brick\nmap_Kd a\x01b.bmp\n"));
    writeFile(dir.file("bad.obj"), "mtllib bad.mtl\n" + kTriangle + "f 1/1 2/2 3/3\n");
    EXPECT_EQ(readObjFile(dir.file("bad.obj")).error,
              "MTL file " + dir.file("bad.mtl") + ": Line 2: " + refused);
    // A device is no MTL file (reading /dev/zero would never end): the
    // material names stay the texture names.
    testing::internal::CaptureStdout();
    ReaderRun device = readObjText("mtllib /dev/zero\n" + kTriangle + "f 1/1 2/2 3/3\n");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "OBJ format\n\nMTL file not found!\n");
    ASSERT_TRUE(device.read) << device.error;
    EXPECT_EQ(device.k->stringy[0], "brick");
}

TEST(ReadObj, WindowsLineEndsByteOrderMarkAndTabsReadAsUsersExpect) {
    TempFolder dir;
    writeFile(dir.file("tex.mtl"), "\xEF\xBB\xBFnewmtl stone\r\n\tmap_Kd\tC:\\maps\\brick.bmp\r\n");
    writeFile(dir.file("crlf.obj"), "\xEF\xBB\xBFv 0 0 0\r\nv\t1\t0\t0\r\nv 0 1 0 \r\n"
                                    "vt 0 0\r\nmtllib tex.mtl\r\n\tusemtl\tstone \r\n"
                                    "f\t1/1/1\t2/1/1 3/1/1 \r\n");
    ReaderRun r = readObjFile(dir.file("crlf.obj"));
    ASSERT_TRUE(r.read) << r.error;
    EXPECT_EQ(r.k->vertCount, 3);
    ASSERT_EQ(r.k->stringCount, 1);
    EXPECT_EQ(r.k->stringy[0], "brick");
}

TEST(ReadObj, MtlNamesWithBlanksAndPathsOfEitherSlash) {
    TempFolder dir;
    writeFile(dir.file("my car.mtl"), "newmtl a\nmap_Kd cars/texture.jpg\n"
                                      "newmtl b\nmap_Kd .\\wal67ar_small.jpg\n"
                                      "newmtl c\nKd 1 1 1\n"
                                      "newmtl d\nmap_Kd old.bmp\nmap_Kd -s 1 1 1 new.png\n");
    writeFile(dir.file("car.obj"), "mtllib my car.mtl\n" + kTriangle +
                                       "usemtl a\nf 1/1 2/2 3/3\nusemtl b\nf 1/1 2/2 3/3\n"
                                       "usemtl c\nf 1/1 2/2 3/3\nusemtl d\nf 1/1 2/2 3/3\n");
    testing::internal::CaptureStdout();
    ReaderRun r = readObjFile(dir.file("car.obj"));
    const std::string out = testing::internal::GetCapturedStdout();
    ASSERT_TRUE(r.read) << r.error;
    EXPECT_NE(out.find("MTL file = " + dir.file("my car.mtl") + "\n"), std::string::npos) << out;
    EXPECT_EQ(extract_filename("W:\\doom\\rock.tga"), "rock.tga");
    // brick is the material of kTriangle without a map_Kd line: it keeps its name.
    EXPECT_EQ((std::vector<std::string>(r.k->stringy.begin(), r.k->stringy.begin() + 5)),
              (std::vector<std::string>{"brick", "texture", "wal67ar_small", "c", "new"}));
}

TEST(ReadObj, VertexColourFileCountsFacesNotTableSlots) {
    TempFolder dir;
    // Face 0 is concave: its ears take table slots before face 1 is read.
    writeFile(dir.file("arrow.obj"), "v 0 0 0\nv 4 0 0\nv 4 4 0\nv 2 1 0\nv 0 4 0\nv 9 9 0\n"
                                     "vt 0 0\nusemtl m\nf 1/1 2/1 3/1 4/1 5/1\nf 2/1 6/1 3/1\n");
    writeFile(dir.file("arrow.lux"), "POLYGON 1 820\nVERTEX 2 10 20 30 40\n");
    ReaderRun r = readObjFile(dir.file("arrow.obj"));
    ASSERT_TRUE(r.read) << r.error;
    ASSERT_GT(r.k->polyCount, 2);
    const poly& last = polygonOf(r, r.k->polyCount - 1);
    EXPECT_EQ(last.vertexList[0], 2) << "face 1, reversed";
    EXPECT_EQ(last.flav, 1);
    EXPECT_EQ((std::vector<int>{last.red[0], last.red[2], last.green[2], last.alpha[2]}),
              (std::vector<int>{255, 10, 20, 40}));
    for (int p = 0; p + 1 < r.k->polyCount; ++p)
        EXPECT_EQ(polygonOf(r, p).flav, 0) << p;
}
