// Files read by the converter's readers: the good files under
// tests/data/converter/readers, and the real files of the shared corpus, each
// converted to a 3DO that passes the inspector or refused saying why.

#include "case_table.hpp"
#include "converter/text_input.hpp"
#include "reader_runs.hpp"
#include "support/golden.hpp"
#include "support/run_program.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <tuple>

using namespace meshsmith::kiln;
using namespace meshsmith::kiln::test;
using meshsmith::test::corpusPath;
using meshsmith::test::expectGolden;
using meshsmith::test::placeholder;
using meshsmith::test::sourcePath;

namespace {

bool corpusPresent() {
    return std::filesystem::exists(corpusPath("ase")) && std::filesystem::exists(corpusPath("obj"));
}

std::vector<std::string> stringsOf(const KilnState& k) {
    return {k.stringy.begin(), k.stringy.begin() + k.stringCount};
}

} // namespace

// Each file under readers/<reader> (with its MTL and vertex-colour files beside
// it): what its reader printed and left in the tables, and whether its 3DO is
// sound; one golden file per reader. readers/README.md says why each is so.
TEST(ReaderFiles, TablesOfGoodFilesMatchTheirGoldenDump) {
    const std::tuple<std::string, std::string, ReaderRun (*)(const std::string&)> readers[] = {
        {"obj", ".obj", readObjFile},
        {"meshsmith", ".ase", readMeshsmithFile},
        {"3dsmax", ".ase", read3dsMaxFile}};
    for (const auto& [reader, extension, read] : readers) {
        const std::string folder = sourcePath("tests/data/converter/readers/" + reader + "/");
        std::vector<std::filesystem::path> files;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            if (entry.path().extension() == extension) files.push_back(entry.path());
        std::sort(files.begin(), files.end());
        std::string seen;
        for (const std::filesystem::path& file : files) {
            testing::internal::CaptureStdout();
            ReaderRun r = read(file.string());
            const std::string out = testing::internal::GetCapturedStdout();
            seen += "== " + file.stem().string() + "\n" + placeholder(out, folder) + r.error +
                    dumpState(*r.k);
            const std::string verdict = r.read ? threeDoVerdict(*r.k) : "not read";
            seen += "3DO: " + (verdict.empty() ? "sound" : verdict) + "\n";
        }
        expectGolden(seen, "converter/" + reader + "_states.txt");
    }
}

TEST(ReaderCorpus, TexturedFilesConvertSoundlyOthersAreRefusedSayingWhy) {
    if (!corpusPresent()) GTEST_SKIP() << "no corpus at " << corpusPath("");
    expectCaseTable("converter/corpus_files.txt", 1, [](auto f) {
        const std::string path = corpusPath(f[0]);
        testing::internal::CaptureStdout();
        ReaderRun r = f[0].starts_with("obj/") ? readObjFile(path) : read3dsMaxFile(path);
        testing::internal::GetCapturedStdout();
        if (!r.read) return r.untextured ? std::string("untextured") : r.error;
        std::string seen = std::to_string(r.k->polyCount) + " polygons, " +
                           std::to_string(r.k->vertCount) + " vertices, textures";
        for (const std::string& s : stringsOf(*r.k))
            seen += " " + s;
        const std::string verdict = threeDoVerdict(*r.k);
        return seen + "; 3DO " + (verdict.empty() ? "sound" : verdict);
    });
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
