#include "model/colour_text.hpp"

#include <gtest/gtest.h>

using namespace meshsmith;

TEST(ColourText, NamedValuesAreWrittenByName) {
    EXPECT_EQ(colourToText(0x00FFFFFF), "clWhite");
    EXPECT_EQ(colourToText(0x00000000), "clBlack");
    EXPECT_EQ(colourToText(0x000000FF), "clRed");
    EXPECT_EQ(colourToText(0x8000000F), "clBtnFace");
    EXPECT_EQ(colourToText(0x80000018), "clInfoBk");
}

TEST(ColourText, OtherValuesAreWrittenAsEightUpperCaseHexDigits) {
    EXPECT_EQ(colourToText(0x00DDDDDD), "$00DDDDDD");
    EXPECT_EQ(colourToText(0x00408000), "$00408000");
    EXPECT_EQ(colourToText(0x80000019), "$80000019");
    EXPECT_EQ(colourToText(0x00abcdef), "$00ABCDEF");
}

TEST(ColourText, NamesAreReadWithoutRegardToCase) {
    EXPECT_EQ(textToColour("clwhite"), 0x00FFFFFFu);
    EXPECT_EQ(textToColour("CLBTNFACE"), 0x8000000Fu);
    EXPECT_EQ(textToColour("cl3DDkShadow"), 0x80000015u);
}

TEST(ColourText, AnythingElseIsReadAsAnInteger) {
    EXPECT_EQ(textToColour("$00408000"), 0x00408000u);
    EXPECT_EQ(textToColour("$004080ff"), 0x004080FFu);
    EXPECT_EQ(textToColour("255"), 255u);
    EXPECT_FALSE(textToColour("white"));
    EXPECT_FALSE(textToColour(""));
    EXPECT_FALSE(textToColour("$00GG0000"));
}

TEST(ColourText, EveryNameAndValueRoundTrips) {
    for (Colour c = 0x80000000u; c <= 0x80000018u; ++c)
        EXPECT_EQ(textToColour(colourToText(c)), c);
    for (Colour c : {0x00000080u, 0x00008000u, 0x00C0C0C0u, 0x00FF00FFu, 0x00123456u})
        EXPECT_EQ(textToColour(colourToText(c)), c);
}

TEST(ColourText, SystemColoursResolveThroughTheDefaultScheme) {
    EXPECT_EQ(colourToRgb(0x8000000F), (Rgb{240 / 255.0f, 240 / 255.0f, 240 / 255.0f}));
    EXPECT_EQ(resolveSystemColour(0x80000005), 0x00FFFFFFu);
    EXPECT_EQ(resolveSystemColour(0x800000FF), 0u);
    EXPECT_EQ(colourToRgb(0x000000FF), (Rgb{1, 0, 0}));
    EXPECT_EQ(colourToRgb(0x00408000), (Rgb{0, 128 / 255.0f, 64 / 255.0f}));
}
