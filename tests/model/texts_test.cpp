// Numbers and colours written and read as the files hold them: the cases of
// tests/data/texts/conversions.txt, each form|given|expected.

#include "model/colour_text.hpp"
#include "model/number_text.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

// What the form makes of the given text; "-" when it is not read.
std::string converted(const std::string& form, const std::string& given,
                      const std::string& expected) {
    const auto hex = [](Colour c) {
        char text[9];
        std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(c));
        return std::string(text);
    };
    if (form == "fixed3") return vertexReal(std::stof(given));
    if (form == "fixed5") return real5(std::stof(given));
    if (form == "general") return generalReal(std::stof(given));
    if (form == "general read")
        return parseReal(generalReal(std::stof(given))) == std::stof(given) ? given : "differs";
    if (form == "integer") return parseInteger(given) ? std::to_string(*parseInteger(given)) : "-";
    if (form == "real") {
        const auto value = parseReal(given);
        if (!value) return "-";
        return expected != "-" && *value == std::stof(expected) ? expected : generalReal(*value);
    }
    if (form == "colour") return colourToText(static_cast<Colour>(std::stoul(given, nullptr, 0)));
    if (form == "colour read") return textToColour(given) ? hex(*textToColour(given)) : "-";
    ADD_FAILURE() << "no form " << form;
    return "";
}

} // namespace

TEST(Texts, EveryRecordedConversion) {
    std::istringstream cases(readFile(sourcePath("tests/data/texts/conversions.txt")));
    int count = 0;
    for (std::string line; std::getline(cases, line);) {
        if (line.empty() || line[0] == '#') continue;
        const auto bar = line.find('|'), last = line.rfind('|');
        const std::string given = line.substr(bar + 1, last - bar - 1),
                          expected = line.substr(last + 1);
        EXPECT_EQ(converted(line.substr(0, bar), given, expected), expected) << line;
        ++count;
    }
    EXPECT_EQ(count, 81) << "cases read";
}

TEST(Texts, SystemColoursReadBackAndResolveThroughTheDefaultScheme) {
    for (Colour c = 0x80000000u; c <= 0x80000018u; ++c)
        EXPECT_EQ(textToColour(colourToText(c)), c);
    EXPECT_EQ(colourToRgb(0x8000000F), (Rgb{240 / 255.0f, 240 / 255.0f, 240 / 255.0f}));
    EXPECT_EQ(resolveSystemColour(0x80000005), 0x00FFFFFFu);
    EXPECT_EQ(resolveSystemColour(0x800000FF), 0u);
    EXPECT_EQ(colourToRgb(0x00408000), (Rgb{0, 128 / 255.0f, 64 / 255.0f}));
}
