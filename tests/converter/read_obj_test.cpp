// The OBJ and MTL readers: the untextured stop, the pause, and the numbers
// and names they refuse. The good files they read (CR LF, byte order marks,
// tabs, relative numbers, names with blanks, MTL paths) are under
// tests/data/converter/readers/obj.

#include "converter/console_pause.hpp"
#include "converter/readers.hpp"
#include "case_table.hpp"
#include "reader_runs.hpp"
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
