#include "model/colour_text.hpp"

#include <gtest/gtest.h>

using namespace meshsmith;

TEST(ColourText, NamesOrEightHexDigitsWrittenAndReadBack) {
    const std::pair<Colour, const char*> written[] = {
        {0x00FFFFFF, "clWhite"},  {0x000000FF, "clRed"},     {0x8000000F, "clBtnFace"},
        {0x80000018, "clInfoBk"}, {0x00DDDDDD, "$00DDDDDD"}, {0x80000019, "$80000019"},
        {0x00abcdef, "$00ABCDEF"}};
    for (const auto& [colour, text] : written)
        EXPECT_EQ(colourToText(colour), text);
    // Names without regard to case; anything else as an integer.
    const std::pair<const char*, Colour> read[] = {{"clwhite", 0x00FFFFFF},
                                                   {"CLBTNFACE", 0x8000000F},
                                                   {"cl3DDkShadow", 0x80000015},
                                                   {"$004080ff", 0x004080FF},
                                                   {"255", 255}};
    for (const auto& [text, colour] : read)
        EXPECT_EQ(textToColour(text), colour) << text;
    for (const char* text : {"white", "", "$00GG0000"})
        EXPECT_FALSE(textToColour(text)) << text;
    for (Colour c = 0x80000000u; c <= 0x80000018u; ++c)
        EXPECT_EQ(textToColour(colourToText(c)), c);
}

TEST(ColourText, SystemColoursResolveThroughTheDefaultScheme) {
    EXPECT_EQ(colourToRgb(0x8000000F), (Rgb{240 / 255.0f, 240 / 255.0f, 240 / 255.0f}));
    EXPECT_EQ(resolveSystemColour(0x80000005), 0x00FFFFFFu);
    EXPECT_EQ(resolveSystemColour(0x800000FF), 0u);
    EXPECT_EQ(colourToRgb(0x00408000), (Rgb{0, 128 / 255.0f, 64 / 255.0f}));
}
