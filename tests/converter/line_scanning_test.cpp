#include "converter/text_input.hpp"
#include "case_table.hpp"

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
    meshsmith::kiln::test::expectCaseTable("converter/scan_cases.txt", 2,
                                           [](auto f) { return scanned(f[0], f[1]); });
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
