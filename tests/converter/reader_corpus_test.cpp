// The real files of the shared corpus: each converts to a 3DO that passes the
// inspector, or is refused with the message that says why.

#include "converter/line_reader.hpp"
#include "reader_runs.hpp"
#include "support/run_program.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <filesystem>

using namespace meshsmith::kiln;
using namespace meshsmith::kiln::test;
using meshsmith::test::corpusPath;

namespace {

bool corpusPresent() {
    return std::filesystem::exists(corpusPath("ase")) && std::filesystem::exists(corpusPath("obj"));
}

struct Converted {
    const char* file;
    int polygons, vertices;
    std::vector<std::string> strings;
};

std::vector<std::string> stringsOf(const KilnState& k) {
    return {k.stringy.begin(), k.stringy.begin() + k.stringCount};
}

} // namespace

TEST(ReaderCorpus, TexturedFilesConvertToSoundThreeDoFiles) {
    if (!corpusPresent()) GTEST_SKIP() << "no corpus at " << corpusPath("");
    const std::vector<Converted> files{
        {"ase/UVTransform_Normal.ASE", 16, 25, {"UVTransformTestImg"}},
        // The map's offset, tiling and angle are not applied: the same polygons.
        {"ase/UVTransform_ScaleUV1-2_OffsetUV0-0.9_Rotate-72_mirrorU.ase",
         16,
         25,
         {"UVTransformTestImg"}},
        // The converter does not read bitmaps: marble.bmp's size does not matter.
        {"ase/statue.ASE", 2831, 1450, {"marble"}},
        {"obj/spider.obj", 1368, 722, {"SpiderTex", "wal67ar_small", "drkwood2", "engineflare1"}},
        {"obj/mustang.obj",
         1257,
         913,
         {"texture", "texture", "wire_224198087", "wire_224086086", "wire_143224087",
          "wire_087224198"}},
        {"obj/usemtl-issue-68.obj", 400, 218, {"Material.001", "Material.003"}},
    };
    for (const Converted& c : files) {
        const std::string path = corpusPath(c.file);
        ReaderRun r =
            std::string(c.file).starts_with("obj/") ? readObjFile(path) : read3dsMaxFile(path);
        ASSERT_TRUE(r.read) << c.file << ": " << r.error;
        EXPECT_EQ(r.k->polyCount, c.polygons) << c.file;
        EXPECT_EQ(r.k->vertCount, c.vertices) << c.file;
        EXPECT_EQ(stringsOf(*r.k), c.strings) << c.file;
        EXPECT_EQ(threeDoVerdict(*r.k), "") << c.file;
    }
}

TEST(ReaderCorpus, FilesWithoutTexturesAreRefusedSayingWhy) {
    if (!corpusPresent()) GTEST_SKIP() << "no corpus at " << corpusPath("");
    EXPECT_EQ(read3dsMaxFile(corpusPath("ase/ThreeCubesGreen.ASE")).error,
              "Line 113: Mesh \"Quader01\" (line 63) uses material 0 (\"02 - Default\"), which "
              "has no bitmap");
    EXPECT_EQ(read3dsMaxFile(corpusPath("ase/RotatingCube.ASE")).error,
              "Mesh \"Box01\" (line 15) has faces but no *MATERIAL_REF: give it a material with "
              "a bitmap");
    EXPECT_EQ(read3dsMaxFile(corpusPath("ase/TonneTest_LoD5.ase")).error,
              "Mesh \"Tonne1_lod5\" (line 51) has faces but no *MATERIAL_REF: give it a "
              "material with a bitmap");
    EXPECT_TRUE(readObjFile(corpusPath("obj/box_no_texcoords.obj")).untextured);
}

// TonneTest given the material reference it lacks: its second texture
// channel (with -1.#IND values) does not disturb the first.
TEST(ReaderCorpus, TonneTestWithAMaterialReadsItsFirstTextureChannel) {
    if (!corpusPresent()) GTEST_SKIP() << "no corpus at " << corpusPath("");
    std::string text = meshsmith::test::readFile(corpusPath("ase/TonneTest_LoD5.ase"));
    text.insert(text.rfind('}'), "\t*MATERIAL_REF 0\r\n");
    ReaderRun r = read3dsMaxText(text);
    ASSERT_TRUE(r.read) << r.error;
    EXPECT_EQ(stringsOf(*r.k), std::vector<std::string>{"sharprock_dark"});
    for (int p = 0; p < r.k->polyCount; ++p)
        for (int v = 0; v < r.k->polygon[p].polyVertexCount; ++v) {
            const float x = r.k->polygon[p].tvertx[v], y = r.k->polygon[p].tverty[v];
            EXPECT_TRUE(x > 0 && x < 1.01f && y >= 0 && y < 1.01f) << p << " " << x << " " << y;
        }
    EXPECT_EQ(threeDoVerdict(*r.k), "");
}

// The program itself, once it is built: the untextured stop ends with 666 and
// does not wait for a key when standard input is not a terminal.
TEST(ReaderCorpus, ConverterStopsAtAnUntexturedObjWithoutWaiting) {
    if (!corpusPresent()) GTEST_SKIP() << "no corpus at " << corpusPath("");
    if (!std::filesystem::exists(meshsmith::test::programPath("3DO-Kiln")))
        GTEST_SKIP() << "3DO-Kiln is not built";
    meshsmith::test::TempFolder dir;
    std::filesystem::copy_file(corpusPath("obj/box_no_texcoords.obj"), dir.file("box.obj"));
    auto run = meshsmith::test::runProgram("3DO-Kiln", {dir.file("box.obj")}, "", "x\n");
#ifdef _WIN32
    EXPECT_EQ(run.status, 666) << "Windows keeps the whole exit code";
#else
    EXPECT_EQ(run.status, 666 % 256) << "POSIX keeps the low 8 bits of an exit status";
#endif
    EXPECT_NE(run.out.find("Untextured polygon detected! Terminating...\n"), std::string::npos);
    EXPECT_EQ(run.out.find("Press any key"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.file("box.3do")));
}
