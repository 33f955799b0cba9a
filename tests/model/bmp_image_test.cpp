// The BMP reader and writer: every layout of one picture decodes alike, the
// writer's files read back, real bitmaps from elsewhere read or are refused
// cleanly, and every cut-short file fails without harm.
#include "model/bmp_image.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <filesystem>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

// The picture of scripts/make-bmp-samples.py, rows from the top.
const std::vector<Colour> kPicture = {0x0000FF, 0x00FF00, 0xFF0000, 0xFFFFFF,
                                      0x000000, 0x00FFFF, 0xFFFF00, 0xFF00FF};
const char* kSamples[] = {"pal8_bottom_up.bmp", "pal8_top_down.bmp",   "pal4_top_down.bmp",
                          "rgb24_top_down.bmp", "rgb32_bottom_up.bmp", "fields32_v5.bmp",
                          "fields16.bmp",       "core_pal8.bmp"};

std::string sample(const char* name) {
    return sourcePath(std::string("fuzz/seeds/bmp/") + name);
}

} // namespace

TEST(BmpImage, EveryLayoutOfThePictureDecodesAlikeAndNoCutShortCopyIsRead) {
    for (const char* name : kSamples) {
        BmpImage image;
        ASSERT_TRUE(readBmpFile(sample(name), image).done()) << name;
        EXPECT_EQ(image.width, 4) << name;
        EXPECT_EQ(image.height, 2) << name;
        EXPECT_EQ(image.pixels, kPicture) << name;
        const std::string bytes = readFile(sample(name));
        for (std::size_t size = 0; size < bytes.size(); ++size) {
            BmpImage cut = image;
            const OperationResult r = decodeBmp(std::string_view(bytes).substr(0, size), cut);
            // Only the last row's padding may be missing.
            EXPECT_TRUE(!r.done() || size + 2 >= bytes.size()) << name << " cut to " << size;
            EXPECT_EQ(cut, image) << "a failed read keeps the image";
        }
    }
}

// Bit masks are read after a 40-byte header whatever the header's size: a
// file of a 41-byte header that ends before them is cut short.
TEST(BmpImage, BitFieldsOfAnOddHeaderBeyondTheEndAreRefused) {
    BmpImage image;
    EXPECT_FALSE(decodeBmp(readFile(sample("found-fields-header41-short.bmp")), image).done());
}

TEST(BmpImage, WrittenBitmapsReadBackForEveryRowPadding) {
    TempFolder folder;
    for (int width = 1; width <= 5; ++width) {
        BmpImage image = filledBmp(width, 3, 0x123456);
        image.pixels.back() = 0xABCDEF;
        const std::string path = folder.file("w" + std::to_string(width) + ".bmp");
        ASSERT_TRUE(writeBmpFile(path, image).done());
        BmpImage back;
        ASSERT_TRUE(readBmpFile(path, back).done());
        EXPECT_EQ(back, image) << width;
    }
}

TEST(BmpImage, RealBitmapsReadOrAreRefusedNamingTheFile) {
    struct Case {
        const char* file;
        int width, height; // 0: refused
        const char* says;
    };
    const Case cases[] = {
        {"bmp/grass_f_32x32_24bit.bmp", 32, 32, ""},
        {"bmp/Wall_128x128_24bit.bmp", 128, 128, ""},
        {"ase/marble.bmp", 175, 131, ""},
        {"bmp/CompressedImage8Bit_256x256_rle8.bmp", 0, 0, "RLE8 compression"},
        {"ase/statue.ASE", 0, 0, "not a BMP"},
    };
    for (const Case& c : cases) {
        const std::string path = corpusPath(c.file);
        if (!std::filesystem::exists(path)) GTEST_SKIP() << "no corpus at " << path;
        BmpImage image;
        const OperationResult r = readBmpFile(path, image);
        EXPECT_EQ(image.width, c.width) << c.file;
        EXPECT_EQ(image.height, c.height) << c.file;
        if (!c.width) {
            EXPECT_NE(r.message.find(c.says), std::string::npos) << r.message;
            EXPECT_EQ(r.file, path);
        }
    }
}

TEST(BmpImage, AFailedWriteLeavesTheFolderAsItWasAndAMissingFileIsNamed) {
    TempFolder folder;
    const std::string path = folder.file("taken.bmp"); // a folder: the rename cannot replace it
    std::filesystem::create_directory(path);
    writeFile(path + "/inside.txt", "kept");
    const OperationResult r = writeBmpFile(path, filledBmp(1, 1, 0));
    EXPECT_EQ(r.outcome, Outcome::Failed);
    EXPECT_EQ(r.file, path);
    EXPECT_EQ(readFile(path + "/inside.txt"), "kept");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1)
        << "no temporary file is left behind";
    BmpImage image;
    EXPECT_EQ(readBmpFile(folder.file("none.bmp"), image).file, folder.file("none.bmp"));
}
