#include "converter/line_reader.hpp"
#include "converter/scan_format.hpp"

#include <gtest/gtest.h>

using namespace meshsmith::kiln;

TEST(Scanning, KeywordRuleAcceptsAMissingFirstFieldAtTheLineEnd) {
    std::int32_t n = 7;
    EXPECT_TRUE(matches("*GEOMOBJECT\n", "*GEOMOBJECT %i", {&n}));
    EXPECT_EQ(n, 7);
    EXPECT_TRUE(matches("*GEOMOBJECT 12\n", "*GEOMOBJECT %i", {&n}));
    EXPECT_EQ(n, 12);
    EXPECT_FALSE(matches("*GEOMOBJECT x\n", "*GEOMOBJECT %i", {&n}));
    EXPECT_FALSE(matches("*GEOM\n", "*GEOMOBJECT %i", {&n}));
    EXPECT_FALSE(matches(" \n", "*GEOMOBJECT %i", {&n}));
    EXPECT_TRUE(matches("*COMMENT \">>>> - Exported by Meshsmith - <<<<\"\n",
                        "*COMMENT \">>>> - Exported by Meshsmith - <<<<\" %i", {&n}));
}

TEST(Scanning, BlanksInThePatternMatchAnyRunOfWhiteSpaceIncludingNone) {
    std::int32_t i = 0;
    float x = 0, y = 0, z = 0;
    EXPECT_TRUE(matches("\t\t*MESH_VERTEX    3\t1.5  -2 3e1\n", " *MESH_VERTEX %i %f %f %f",
                        {&i, &x, &y, &z}));
    EXPECT_EQ(i, 3);
    EXPECT_EQ(x, 1.5f);
    EXPECT_EQ(y, -2.0f);
    EXPECT_EQ(z, 30.0f);
    EXPECT_TRUE(matches("*MESH_VERTEX3 1 2 3\n", "*MESH_VERTEX %i %f %f %f", {&i, &x, &y, &z}));
}

TEST(Scanning, LaterFieldsFillAsFarAsTheyConvert) {
    std::int32_t i = 0;
    float u = 9, v = 9, w = 9;
    ScanResult r =
        scanFormatted("*MESH_TVERT 2 -1.#IND 0.5 0\n", "*MESH_TVERT %i %f %f %f", {&i, &u, &v, &w});
    EXPECT_EQ(r.converted, 2);
    EXPECT_EQ(u, -1.0f);
    EXPECT_EQ(v, 9.0f);
    EXPECT_EQ(w, 9.0f);
}

TEST(Scanning, IntegerFormsFollowTheCLibrary) {
    std::int32_t v = 0;
    std::uint8_t b = 0;
    EXPECT_TRUE(matches("N 0x1F\n", "N %i", {&v}));
    EXPECT_EQ(v, 31);
    EXPECT_TRUE(matches("N 010\n", "N %i", {&v}));
    EXPECT_EQ(v, 8);
    EXPECT_TRUE(matches("N -12\n", "N %i", {&v}));
    EXPECT_EQ(v, -12);
    EXPECT_TRUE(matches("N 99999999999\n", "N %i", {&v}));
    EXPECT_EQ(v, 2147483647);
    EXPECT_TRUE(matches("C 300\n", "C %hhu", {&b}));
    EXPECT_EQ(b, 44);
}

TEST(Scanning, StringsStopAtWhiteSpaceAndNeverOverrun) {
    std::string name;
    EXPECT_TRUE(matches("  *BITMAP \"wall01\"\n", " *BITMAP \"%s\"", {&name}));
    EXPECT_EQ(name, "wall01\"");
    std::string longText(400, 'a');
    EXPECT_TRUE(matches("usemtl " + longText, "usemtl %s", {&name}));
    EXPECT_EQ(name.size(), kMaxScanString);
}

TEST(LineReader, SkipsCommentsAndEmptyLinesAndDropsCarriageReturns) {
    TextSource in("/ comment\r\n\r\n*A 1\r\n  \r\n*B 2");
    std::string line;
    ASSERT_TRUE(readstr(in, line));
    EXPECT_EQ(line, "*A 1\n");
    ASSERT_TRUE(readstr(in, line));
    EXPECT_EQ(line, "  \n");
    ASSERT_TRUE(readstr(in, line));
    EXPECT_EQ(line, "*B 2\n") << "a last line without a line feed gets one";
    EXPECT_FALSE(readstr(in, line));
    EXPECT_EQ(line, "*z 2\n") << "the previous line no longer matches a keyword";
}

TEST(LineReader, OverlongSignificantLinesAreRefusedWithTheirNumber) {
    TextSource in("/" + std::string(300, 'c') + "\n*A\n" + std::string(255, 'x') + "\n");
    std::string line;
    ASSERT_TRUE(readstr(in, line));
    EXPECT_EQ(line, "*A\n");
    try {
        readstr(in, line);
        FAIL();
    } catch (const InputError& e) {
        EXPECT_EQ(std::string(e.what()), "Line 3 is longer than 254 characters");
    }
}
