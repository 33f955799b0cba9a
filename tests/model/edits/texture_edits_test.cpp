// The texture library's operations: the three rules with their messages, what
// a load, replace and removal leave behind, and masks, with the object's
// invariants checked after each.
#include "model/edits/edit.hpp"
#include "model/edits/texture_edits.hpp"
#include "model/object_check.hpp"
#include "support/project_builders.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <filesystem>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

// A bitmap file of the given size in `folder`; its path.
std::string bitmap(const TempFolder& folder, const std::string& name, int w, int h) {
    std::filesystem::create_directories(std::filesystem::path(folder.file(name)).parent_path());
    EXPECT_TRUE(writeBmpFile(folder.file(name), filledBmp(w, h, 0x336699)).done());
    return folder.file(name);
}

} // namespace

TEST(TextureEdits, LoadingFollowsTheNameDuplicateAndSizeRules) {
    TempFolder folder;
    const std::string wall = bitmap(folder, "a/wall.bmp", 64, 32);
    struct Case {
        std::string path;
        Outcome outcome;
        std::string message; // its end, for refusals
    };
    const Case cases[] = {
        {wall, Outcome::Done, ""},
        {bitmap(folder, "ABCDEFGHI.bmp", 16, 16), Outcome::Refused,
         "exceed 8 characters !\r\rLength of selected: " + folder.file("ABCDEFGHI")},
        {bitmap(folder, "ABCDEFGH.bmp", 256, 16), Outcome::Done, ""},
        {bitmap(folder, "b/wall.bmp", 64, 32), Outcome::Refused,
         "Filename \"wall.bmp\" already in use\rTexture index = 0\rPath = " + folder.file("a/")},
        {bitmap(folder, "big.bmp", 100, 100), Outcome::Refused,
         "Width/Height of selected: 100, 100"},
        {folder.file("gone.bmp"), Outcome::Failed, "missing or not readable"},
    };
    Project p = sampleProject();
    p.object.textures.clear();
    for (auto& poly : p.object.polygons)
        poly.TextureIndex = NoTexture;
    for (const Case& c : cases) {
        const std::size_t before = p.object.textures.size();
        const OperationResult r = loadTexture(p, c.path);
        EXPECT_EQ(r.outcome, c.outcome) << c.path << ": " << r.message;
        EXPECT_TRUE(r.message.ends_with(c.message)) << r.message;
        EXPECT_EQ(p.object.textures.size(), before + (r.done() ? 1 : 0));
        EXPECT_FALSE(findObjectFault(p.object));
    }
    ASSERT_EQ(p.object.textures.size(), 2u);
    EXPECT_EQ(p.object.textures[1], (TextureData{folder.file("ABCDEFGH.bmp"), 0, "", 0, 0xDDDDDD}));
    EXPECT_EQ(p.SelectedTexture, 1);
}

TEST(TextureEdits, RemovalMakesItsPolygonsUntexturedAndMovesLaterOnesDown) {
    Project p = sampleProject();
    p.object.textures.push_back({"third.bmp", 0, "", 0, 0});
    p.object.polygons[2] = makeTexturedPolygon({0, 4, 5}, 2, {{0, 0}, {1, 0}, {1, 1}});
    const std::uint32_t version = p.textureLibraryVersion;
    ASSERT_TRUE(removeTexture(p, 1).done());
    EXPECT_EQ(p.object.textures.size(), 2u);
    EXPECT_EQ(p.object.polygons[0].TextureIndex, 0);
    EXPECT_EQ(p.object.polygons[1].TextureIndex, NoTexture);
    EXPECT_TRUE(p.object.polygons[1].TexCoords.empty());
    EXPECT_EQ(p.object.polygons[2].TextureIndex, 1);
    EXPECT_GT(p.textureLibraryVersion, version);
    EXPECT_FALSE(findObjectFault(p.object));
    ASSERT_TRUE(undoEdit(p).done());
    EXPECT_EQ(p.object.polygons[1].TextureIndex, 1) << "Undo gives the texture back";
    EXPECT_FALSE(findObjectFault(p.object));
}

TEST(TextureEdits, MasksAndReplacing) {
    TempFolder folder;
    Project p = sampleProject();
    p.object.textures[1].Filename = bitmap(folder, "roof.bmp", 32, 32);
    BmpImage image = filledBmp(2, 2, 0x00FF00);
    image.pixels[3] = 0x0000FF;
    EXPECT_EQ(transparencyMask(image, 0x123456).pixels, std::vector<Colour>(4, 0xFFFFFF));
    const BmpImage mask = transparencyMask(image, 0x0000FF);
    EXPECT_EQ(mask.pixels, (std::vector<Colour>{0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0}));

    const TextureData before = p.object.textures[1];
    const std::string unwritable = folder.file("no/folder/roof_mask.bmp");
    EXPECT_EQ(saveTextureMask(p, 1, mask, unwritable).file, unwritable);
    EXPECT_EQ(p.object.textures[1], before) << "a mask not written changes nothing";
    EXPECT_EQ(saveTextureMask(p, 1, mask, p.object.textures[1].Filename).outcome, Outcome::Refused);

    const std::string maskPath = proposedMaskPath(p, 1);
    EXPECT_EQ(maskPath, folder.file("roof_mask.bmp"));
    ASSERT_TRUE(saveTextureMask(p, 1, mask, maskPath).done());
    BmpImage written;
    ASSERT_TRUE(readBmpFile(maskPath, written).done());
    EXPECT_EQ(written, mask);
    EXPECT_EQ(p.object.textures[1].Transparent, 1);
    ASSERT_TRUE(setTextureBackColor(p, 1, 0x0000C0).done());

    ASSERT_TRUE(replaceTexture(p, 1, bitmap(folder, "new/roof.bmp", 16, 128)).done())
        << "replacing by a bitmap of the same name";
    EXPECT_EQ(p.object.textures[1], (TextureData{folder.file("new/roof.bmp"), 0, "", 0, 0xDDDDDD}));
    EXPECT_EQ(p.object.polygons[1].TextureIndex, 1);
    EXPECT_EQ(replaceTexture(p, 1, bitmap(folder, "c/wall01.bmp", 16, 16)).outcome,
              Outcome::Refused)
        << "texture 0 carries that name";
    EXPECT_FALSE(findObjectFault(p.object));
}
