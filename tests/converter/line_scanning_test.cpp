#include "converter/line_reader.hpp"
#include "converter/scan_format.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <type_traits>

using namespace meshsmith::kiln;

namespace {

// The keyword rule's verdict, the count of converted fields and every target
// afterwards (integers start at 7, reals at 9, strings empty).
std::string scanned(const std::string& line, const std::string& pattern) {
    std::int32_t ints[4] = {7, 7, 7, 7};
    float reals[4] = {9, 9, 9, 9};
    std::uint8_t bytes[4] = {};
    std::string strings[4];
    std::vector<ScanTarget> targets;
    for (std::size_t at = pattern.find('%'); at != std::string::npos;
         at = pattern.find('%', at + 1)) {
        const char kind = pattern[at + 1];
        const std::size_t n = targets.size();
        if (kind == 'i' || kind == 'd') targets.emplace_back(&ints[n]);
        if (kind == 'f') targets.emplace_back(&reals[n]);
        if (kind == 'h') targets.emplace_back(&bytes[n]);
        if (kind == 's') targets.emplace_back(&strings[n]);
    }
    std::ostringstream out;
    out << (matches(line, pattern, targets) ? "yes " : "no ")
        << scanFormatted(line, pattern, targets).converted << ":";
    for (const ScanTarget& t : targets)
        std::visit(
            [&](auto* p) {
                if constexpr (std::is_same_v<decltype(p), std::uint8_t*>)
                    out << " " << int{*p};
                else
                    out << " " << *p;
            },
            t);
    return out.str();
}

} // namespace

TEST(Scanning, EachLineAgainstItsPatternGivesItsVerdictAndFields) {
    const std::string quoted = "*COMMENT \">>>> - Exported by Meshsmith - <<<<\"";
    const std::string longText(400, 'a');
    const struct {
        std::string line, pattern, want;
    } cases[] = {
        // The keyword rule accepts a missing first field at the line end.
        {"*GEOMOBJECT\n", "*GEOMOBJECT %i", "yes 0: 7"},
        {"*GEOMOBJECT 12\n", "*GEOMOBJECT %i", "yes 1: 12"},
        {"*GEOMOBJECT x\n", "*GEOMOBJECT %i", "no 0: 7"},
        {"*GEOM\n", "*GEOMOBJECT %i", "no 0: 7"},
        {" \n", "*GEOMOBJECT %i", "no 0: 7"},
        {quoted + "\n", quoted + " %i", "yes 0: 7"},
        // Blanks in the pattern match any run of white space, including none.
        {"\t\t*MESH_VERTEX    3\t1.5  -2 3e1\n", " *MESH_VERTEX %i %f %f %f", "yes 4: 3 1.5 -2 30"},
        {"*MESH_VERTEX3 1 2 3\n", "*MESH_VERTEX %i %f %f %f", "yes 4: 3 1 2 3"},
        // Later fields fill as far as they convert.
        {"*MESH_TVERT 2 -1.#IND 0.5 0\n", "*MESH_TVERT %i %f %f %f", "yes 2: 2 -1 9 9"},
        // Integer forms follow the C library; out of range clamps, bytes wrap.
        {"N 0x1F\n", "N %i", "yes 1: 31"},
        {"N 010\n", "N %i", "yes 1: 8"},
        {"N -12\n", "N %i", "yes 1: -12"},
        {"N 99999999999\n", "N %i", "yes 1: 2147483647"},
        {"C 300\n", "C %hhu", "yes 1: 44"},
        // Strings stop at white space and never overrun.
        {"  *BITMAP \"wall01\"\n", " *BITMAP \"%s\"", "yes 1: wall01\""},
        {"usemtl " + longText, "usemtl %s", "yes 1: " + longText.substr(0, kMaxScanString)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(scanned(c.line, c.pattern), c.want) << c.line;
}

TEST(LineReader, SkipsCommentsAndEmptyLinesDropsCarriageReturnsAndRefusesOverlongLines) {
    TextSource in("/ comment\r\n\r\n*A 1\r\n  \r\n/" + std::string(300, 'c') + "\n*B 2");
    std::string line, seen;
    while (readstr(in, line))
        seen += line;
    // A last line gets a line feed; after the end the last line no longer matches a keyword.
    EXPECT_EQ(seen + line, "*A 1\n  \n*B 2\n*z 2\n");
    TextSource overlong("*A\n" + std::string(255, 'x') + "\n");
    ASSERT_TRUE(readstr(overlong, line));
    EXPECT_THROW(readstr(overlong, line), InputError);
}
