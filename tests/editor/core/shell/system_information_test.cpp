// The lines of the About box's system information pane and the platform texts they are read from.

#include "editor/core/shell/system_information.hpp"

#include "../rule_table.hpp"

#include <gtest/gtest.h>

#include <algorithm>

namespace meshsmith {
namespace {

using Lines = std::vector<std::string>;

TEST(SystemInformationTest, NumbersMemoryAndLibraryFilesAsRecorded) {
    test::expectRuleTable("system_information_rules.txt", [](const std::string& kind,
                                                             const std::string& in) {
        if (kind == "thousands") return withThousandsSeparators(std::stoull(in));
        if (kind == "meminfo") return memoryText(parseMemInfo(in));
        if (kind == "version") return "'" + sharedObjectVersion(in) + "'";
        const std::size_t space = in.rfind(' ');
        return std::string(isLibraryFile(in.substr(0, space), in.substr(space + 1)) ? "yes" : "no");
    });
}

// The About box's system information, every section in order, with what this
// platform told (known) or what it says when it could not tell (unknown).
TEST(SystemInformationTest, EverySectionInOrderKnownOrNot) {
    SystemFacts unknown;
    unknown.openGlLibraryName = "libGL";
    test::expectGolden(test::joinedLines(systemInformationLines(unknown)),
                       "editor/system_information_unknown.txt");
    SystemFacts known;
    known.osName = "Debian GNU/Linux 12 (bookworm)";
    known.osVersion = "6.1.0";
    known.processor = "x86_64";
    known.memory = MemoryStatus{2048000, 50};
    known.viewSize = ViewSize{800, 600};
    known.openGl = OpenGlStrings{"llvmpipe",
                                 "Mesa",
                                 "4.5 (Compatibility Profile) Mesa 22.3.6",
                                 {"GL_ARB_multitexture", "GL_EXT_texture"}};
    known.openGlLibraries = {{"/usr/lib/libGL.so.1", "1.7.0", "", "", ""}};
    known.gluLibraries = {
        {"C:\\glu32.dll", "", "Microsoft Windows", "Microsoft Corporation", "(c) Microsoft"}};
    test::expectGolden(test::joinedLines(systemInformationLines(known)),
                       "editor/system_information_known.txt");
    // A context without extensions says so instead of leaving the section empty.
    known.openGl->extensions.clear();
    const Lines lines = systemInformationLines(known);
    const auto at = std::find(lines.begin(), lines.end(), "Supported OpenGL Extensions:");
    ASSERT_NE(at, lines.end());
    EXPECT_EQ(at[1], "none");
}

} // namespace
} // namespace meshsmith
