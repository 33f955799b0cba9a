// Damaged and hostile input into the 3ds Max and OBJ readers: every run ends
// with a result whose 3DO passes the inspector, or with an InputError,
// CapacityError or the untextured stop; never with a crash.

#include "reader_runs.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

using namespace meshsmith::kiln;
using namespace meshsmith::kiln::test;
using meshsmith::test::corpusPath;

namespace {

// The fuzz seeds: sub-materials, a clipper, faces with and without smoothing
// groups, a second texture channel, CR LF; relative numbers, a concave face.
const std::string kAse = meshsmith::test::readFile(
    meshsmith::test::sourcePath("fuzz/seeds/kiln_3dsmax/multi_box_channel.ase"));
const std::string kObj =
    meshsmith::test::readFile(meshsmith::test::sourcePath("fuzz/seeds/kiln_obj/square_roof.obj"));

enum class Reader { Max, Obj };

ReaderRun readText(Reader reader, const std::string& text) {
    return reader == Reader::Max ? read3dsMaxText(text) : readObjText(text);
}

// A refusal, or a result whose 3DO is sound (the converter refuses a
// result without any plane).
void expectCleanEnd(Reader reader, const std::string& text, const std::string& what) {
    ReaderRun r = readText(reader, text);
    if (r.read && r.k->planeCount > 0) {
        EXPECT_EQ(threeDoVerdict(*r.k), "") << what;
    }
}

void everyPrefix(Reader reader, const std::string& text, std::size_t step, const char* name) {
    for (std::size_t n = 0; n < text.size(); n += step)
        expectCleanEnd(reader, text.substr(0, n),
                       std::string(name) + " cut at " + std::to_string(n));
}

// Small damage: characters replaced by digits, signs, blanks, line feeds or
// any byte; lines dropped or repeated.
std::string damaged(std::string text, std::mt19937& random) {
    const std::string alphabet = "0123456789-+.eE \t\n/#{}\"*:";
    const int changes = 1 + static_cast<int>(random() % 4);
    for (int c = 0; c < changes && !text.empty(); ++c) {
        const std::size_t at = random() % text.size();
        switch (random() % 4) {
        case 0:
            text[at] = alphabet[random() % alphabet.size()];
            break;
        case 1:
            text[at] = static_cast<char>(random() % 256);
            break;
        case 2: {
            const std::size_t end = text.find('\n', at);
            text.erase(at, end == std::string::npos ? std::string::npos : end - at);
            break;
        }
        default: {
            const std::size_t start = text.rfind('\n', at) + 1;
            const std::size_t end = text.find('\n', at);
            if (end != std::string::npos) text.insert(start, text.substr(start, end - start + 1));
        }
        }
    }
    return text;
}

} // namespace

TEST(ReaderHostile, EveryTruncatedPrefixEndsCleanly) {
    ASSERT_TRUE(read3dsMaxText(kAse).read && readObjText(kObj).read) << "the whole files convert";
    everyPrefix(Reader::Max, kAse, 2, "sample ASE");
    everyPrefix(Reader::Obj, kObj, 1, "sample OBJ");
    if (!std::filesystem::exists(corpusPath("ase"))) GTEST_SKIP() << "no corpus";
    everyPrefix(Reader::Max, meshsmith::test::readFile(corpusPath("ase/TonneTest_LoD5.ase")), 29,
                "TonneTest");
    everyPrefix(Reader::Max, meshsmith::test::readFile(corpusPath("ase/UVTransform_Normal.ASE")),
                47, "UVTransform");
    everyPrefix(Reader::Obj, meshsmith::test::readFile(corpusPath("obj/usemtl-issue-68.obj")), 1511,
                "usemtl-issue-68");
}

TEST(ReaderHostile, DamagedFilesEndCleanly) {
    std::mt19937 random(20240611);
    for (int i = 0; i < 400; ++i) {
        expectCleanEnd(Reader::Max, damaged(kAse, random), "ASE damage " + std::to_string(i));
        expectCleanEnd(Reader::Obj, damaged(kObj, random), "OBJ damage " + std::to_string(i));
    }
}

TEST(ReaderHostile, RandomBytesEndCleanly) {
    std::mt19937 random(7);
    for (int i = 0; i < 200; ++i) {
        std::string bytes(random() % 600, '\0');
        for (char& c : bytes)
            c = static_cast<char>(random() % 256);
        expectCleanEnd(Reader::Max, bytes, "random bytes");
        expectCleanEnd(Reader::Obj, bytes, "random bytes");
        expectCleanEnd(Reader::Obj, "v 0 0 0\n" + bytes, "random bytes after a vertex");
    }
}

TEST(ReaderHostile, OverlongLinesAndHugeCountsAreRefused) {
    const std::string longLine = "# " + std::string(260, 'x') + "\n";
    EXPECT_EQ(readObjText("v 0 0 0\n" + longLine).error, "Line 2 is longer than 254 characters");
    EXPECT_EQ(read3dsMaxText(kAse.substr(0, 30) + longLine).error,
              "Line 2 is longer than 254 characters");
    const std::vector<std::pair<std::string, std::string>> counts{
        {"*MESH_NUMFACES 2", "*MESH_NUMFACES 2147483647"},
        {"*MESH_NUMVERTEX 4", "*MESH_NUMVERTEX 99999999999"},
        {"*MESH_NUMTVERTEX 4", "*MESH_NUMTVERTEX 20001"},
        {"*MATERIAL_COUNT 2", "*MATERIAL_COUNT 1000000"},
    };
    for (const auto& [from, to] : counts) {
        std::string text = kAse;
        text.replace(text.find(from), from.size(), to);
        EXPECT_TRUE(read3dsMaxText(text).error.starts_with("Capacity exceeded")) << to;
    }
    for (const std::string bad : {"*MESH_NUMFACES -1", "*MESH_VERTEX -1\t0\t0\t0", "*MATERIAL 5 {",
                                  "*MESH_TFACE 9\t0\t0\t0"}) {
        std::string text = kAse;
        const std::string from = bad.substr(0, bad.find_first_of(" \t") + 1);
        const std::size_t at = text.find(from);
        text.replace(at, text.find('\n', at) - at, bad);
        EXPECT_TRUE(read3dsMaxText(text).error.starts_with("Line ")) << bad;
    }
}

TEST(ReaderHostile, VertexTableFullIsACapacityError) {
    std::string text;
    for (int i = 0; i <= kMaxVertices; ++i)
        text += "v " + std::to_string(i) + " 0 0\n";
    EXPECT_EQ(readObjText(text).error,
              "Capacity exceeded: the vertex table holds at most 30000 entries");
}
