// Models of other programs into the project: a mesh's faces, their order,
// texture coordinates and materials; the step of the history; the bitmaps.
#include "editor/core/rule_table.hpp"
#include "import/bitmap_resample.hpp"
#include "import/model_import.hpp"
#include "model/edits/edit.hpp"
#include "support/scripted_prompts.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

using namespace meshsmith;
using namespace meshsmith::test;
using readers::PlainMesh;

namespace {

// Reads "<name>.png" files as images of the size their text gives ("40 20").
class FakeDecoder : public ImageDecoder {
  public:
    std::optional<BmpImage> decode(const std::string& path) const override {
        std::istringstream size(readFile(path));
        int w = 0, h = 0;
        if (!(size >> w >> h)) return std::nullopt;
        return filledBmp(w, h, 0x00336699);
    }
};

// A quad on material 0, which names `bitmap`.
PlainMesh texturedQuad(const std::string& bitmap) {
    PlainMesh m;
    m.positions = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}};
    m.faces = {{{0, 1, 2, 3}, {{0, 0}, {1, 0}, {1, 1}, {0, 1}}, 0, 3}};
    m.materials = {{"brick", bitmap, 1}};
    return m;
}

struct Bench {
    TempFolder dir;
    Project p;
    ScriptedPrompts prompts;
    RecordingLog log;
    RandomColours colours{7};
    FakeDecoder decoder;

    Bench() {
        for (const char* sub : {"maps", "lib"})
            std::filesystem::create_directories(dir.path() / sub);
        for (const char* bmp : {"a.bmp", "maps/m.bmp", "lib/a.bmp", "twin.bmp"})
            writeBmpFile(dir.file(bmp), filledBmp(16, 32, 0));
        writeBmpFile(dir.file("big.bmp"), filledBmp(20, 20, 0));
        writeFile(dir.file("pic.png"), "300 48");
        writeFile(dir.file("twin.png"), "1 1");
        writeFile(dir.file("bad.png"), "?");
        writeFile(dir.file("longer_name.png"), "16 16");
    }
    OperationResult import(const PlainMesh& mesh, bool withDecoder = true) {
        return importMesh(p, mesh, dir.file("model.obj"), ModelFormat::WavefrontObj, prompts, log,
                          colours, withDecoder ? &decoder : nullptr);
    }
};

} // namespace

TEST(ModelImport, FacesComeInAsGivenInOneStepThatUndoTakesBack) {
    Bench b;
    PlainMesh m = texturedQuad("a.bmp");
    m.positions.push_back({2, 0, 0});
    m.positions.push_back({0, 0, 0});                                // a double of vertex 0
    m.faces.push_back({{1, 4, 5}, {}, 0, 4});                        // no texture coordinates
    m.faces.push_back({{0, 5, 1}, {{0, 0}, {0, 0}, {0, 0}}, 0, 5});  // two corners at one place
    m.faces.push_back({{2, 1, 4}, {{0, 0}, {1, 0}, {1, 1}}, -1, 6}); // no material
    ASSERT_TRUE(b.import(m).done());

    const TrackObject& o = b.p.object;
    ASSERT_EQ(o.polygons.size(), 3u);
    EXPECT_EQ(o.polygons[0].VertexIndices, (std::vector<std::int32_t>{0, 1, 2, 3, 0}));
    EXPECT_EQ(o.polygons[0].TexCoords, (std::vector<TexCoord>{{0, 0}, {1, 0}, {1, 1}, {0, 1}}));
    EXPECT_EQ(o.polygons[0].TextureIndex, 0);
    EXPECT_EQ(o.polygons[1].VertexIndices, (std::vector<std::int32_t>{1, 4, 0, 1}));
    EXPECT_FALSE(o.polygons[1].textured() || o.polygons[2].textured());
    ASSERT_EQ(o.textures.size(), 1u);
    EXPECT_TRUE(sameFile(o.textures[0].Filename, b.dir.file("a.bmp")));
    const std::string from = " from file " + b.dir.file("model.obj");
    EXPECT_EQ(b.log.lines,
              (std::vector<std::string>{"6 Vertices loaded" + from, "3 Polygons loaded" + from,
                                        "Texture " + o.textures[0].Filename + " loaded",
                                        "Rebuilding Texture Library.....", "Done.",
                                        "1 face(s) without texture coordinates came in untextured",
                                        "1 face(s) without a material came in untextured",
                                        "Left out 1 face(s) of fewer than three distinct corners",
                                        "Removed 1 overlaying/double Vertices"}));
    EXPECT_EQ(b.p.history.steps(), 1u);
    ASSERT_TRUE(undoEdit(b.p).done());
    EXPECT_TRUE(b.p.object.polygons.empty() && b.p.object.textures.empty());
}

TEST(ModelImport, AppendingAsksForOffsetsAndTakesTheLoadedTextureAgain) {
    Bench b;
    ASSERT_TRUE(b.import(texturedQuad("a.bmp")).done());
    const TrackObject before = b.p.object;
    EXPECT_EQ(b.import(texturedQuad("a.bmp")).outcome, Outcome::Cancelled);
    EXPECT_EQ(b.p.object, before);
    EXPECT_EQ(b.p.history.steps(), 1u);

    b.prompts.offsets = {VertexOffset{10, 0, 0}};
    ASSERT_TRUE(b.import(texturedQuad("a.bmp")).done());
    EXPECT_EQ(b.p.object.vertices.at(4), (Vertex{10, 0, 0}));
    EXPECT_EQ(b.p.object.polygons[1].VertexIndices, (std::vector<std::int32_t>{4, 5, 6, 7, 4}));
    EXPECT_EQ(b.p.object.polygons[1].TextureIndex, 0); // no second texture
    EXPECT_TRUE(b.log.contains("1 new Polygons added from file " + b.dir.file("model.obj")));
}

TEST(ModelImport, FileTheReaderRefusesChangesNothing) {
    Bench b;
    const std::string none = b.dir.file("none.obj");
    EXPECT_EQ(
        importModelFile(b.p, none, ModelFormat::WavefrontObj, b.prompts, b.log, b.colours, nullptr)
            .outcome,
        Outcome::Failed);
    EXPECT_TRUE(b.log.lines.size() == 1 && b.log.lines[0].starts_with("Error importing " + none));
    EXPECT_EQ(b.p.history.steps(), 0u);
}

// Each line: the bitmap a quad's material names, then "no" (the answer to
// "Convert Bitmap", otherwise Yes), "batch" (no image reader) or
// "library=<file>" (a texture the project holds). The answer: the quad's
// texture number, the questions asked and the log between the counts and
// the merging of vertices.
TEST(ModelImport, BitmapRules) {
    expectSession("import_bitmaps.txt", [](const std::string& command) {
        Bench b;
        std::istringstream words(command);
        std::string bitmap, word;
        words >> bitmap;
        bool decoder = true;
        while (words >> word) {
            if (word == "no") b.prompts.answers = {Answer::No};
            if (word == "batch") decoder = false;
            if (word.starts_with("library="))
                b.p.object.textures.emplace_back().Filename = b.dir.file(word.substr(8));
        }
        if (b.prompts.answers.empty()) b.prompts.answers = {Answer::Yes};
        b.import(texturedQuad(bitmap), decoder);
        std::string out =
            "  texture " + std::to_string(b.p.object.polygons.at(0).TextureIndex) + "\n";
        for (const std::string& q : b.prompts.questions)
            out += "  asked " + q + "\n";
        for (std::size_t k = 0; k + 1 < b.log.lines.size(); ++k) // the merging last
            if (b.log.lines[k].find(" from file ") == std::string::npos)
                out += "  " + b.log.lines[k] + "\n";
        return placeholder(out, b.dir.folder());
    });
}

TEST(ModelImport, BitmapsTakeTheNearestAllowedSizeByAveraging) {
    for (auto [side, nearest] : {std::pair{1, 16}, {23, 16}, {24, 32}, {100, 128}, {300, 256}})
        EXPECT_EQ(nearestTextureSide(side), nearest) << side;
    BmpImage strip = filledBmp(4, 1, 0);
    strip.pixels = {0x000000, 0x0000FF, 0x00FF00, 0xFF0000};
    EXPECT_EQ(resampleImage(strip, 2, 1).pixels, (std::vector<Colour>{0x000080, 0x808000}));
    EXPECT_EQ(resampleImage(filledBmp(1, 1, 0x123456), 16, 16), filledBmp(16, 16, 0x123456));
}
