// The lines of the About box's system information pane and the platform texts they are read from.

#include "editor/core/shell/system_information.hpp"
#include "support/editor_fixtures.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <tuple>

namespace meshsmith {
namespace {

using Lines = std::vector<std::string>;

TEST(SystemInformationTest, NumbersAndMemoryTexts) {
    EXPECT_EQ(withThousandsSeparators(0) + " " + withThousandsSeparators(999) + " " +
                  withThousandsSeparators(123456) + " " + withThousandsSeparators(1234567),
              "0 999 123,456 1,234,567");
    EXPECT_EQ(withThousandsSeparators(UINT64_MAX), "18,446,744,073,709,551,615");
    EXPECT_EQ(memoryText(MemoryStatus{16318032, 23}),
              "16,318,032 KB, of which 23% are currently used");
    EXPECT_EQ(memoryText(MemoryStatus{512, std::nullopt}), "512 KB");
    EXPECT_EQ(memoryText(std::nullopt), "Unknown");
}

TEST(SystemInformationTest, MemInfoGivesTotalAndLoadOrNothingUsable) {
    struct Case {
        const char* text;
        std::uint64_t total; // 0: no status
        std::optional<int> load;
    };
    const Case cases[] = {
        {"MemTotal:       16000000 kB\nMemFree:         1000000 kB\n"
         "MemAvailable:   12000000 kB\nBuffers:          500000 kB\nCached:          3000000 kB\n",
         16000000, 25},
        // Old kernels: free, buffers and cached; 667 of 1000 in use, rounded.
        {"MemTotal: 1000 kB\r\nMemFree: 100 kB\r\nBuffers: 100 kB\r\nCached: 133 kB\r\n", 1000, 67},
        {"MemTotal: 1000 kB\nMemFree: 100 kB\n", 1000, std::nullopt},             // not guessed
        {"garbage\nMemTotal: 800\n:\nMemAvailable: 900 kB\nCached 12\n", 800, 0}, // clamped
        // Huge free parts saturate instead of wrapping round to a small sum.
        {"MemTotal: 100\nMemFree: 18446744073709551615\nBuffers: 10\nCached: 10\n", 100, 0},
        {"", 0, {}},
        {"MemAvailable: 100 kB\n", 0, {}},
        {"MemTotal: 0 kB\nMemAvailable: 0 kB\n", 0, {}},
        {"MemTotal: lots kB\n", 0, {}},
        {"MemTotal: 99999999999999999999999 kB\n", 0, {}}, // past 64 bits
        {"MemTotal: -5 kB\n", 0, {}},
    };
    for (const Case& c : cases) {
        const auto status = parseMemInfo(c.text);
        ASSERT_EQ(status.has_value(), c.total != 0) << c.text;
        if (!status) continue;
        EXPECT_EQ(status->totalKilobytes, c.total) << c.text;
        EXPECT_EQ(status->loadPercent, c.load) << c.text;
    }
}

TEST(SystemInformationTest, LibraryFilesMatchTheirOwnNameAndTellTheirVersion) {
    const std::tuple<const char*, const char*, bool> files[] = {
        {"/usr/lib/x86_64-linux-gnu/libGL.so.1", "libGL", true},
        {"libGL.so", "libGL", true},
        {"/lib/libGLU.so.1.3.1", "libGLU", true},
        {"/lib/libGLU.so.1", "libGL", false},
        {"/lib/libGLX.so.0", "libGL", false},
        {"/lib/libGLdispatch.so.0", "libGL", false},
        {"/libGL.so/other.so", "libGL", false},
        {"libGL.sox", "libGL", false},
        {"", "libGL", false},
        {"C:\\Windows\\System32\\OPENGL32.DLL", "opengl32.dll", true},
        {"C:\\Windows\\System32\\opengl32.dll.mui", "opengl32.dll", false},
    };
    for (const auto& [file, name, matches] : files)
        EXPECT_EQ(isLibraryFile(file, name), matches) << file << " " << name;
    const std::pair<const char*, const char*> versions[] = {
        {"/usr/lib/libGL.so.1.7.0", "1.7.0"},
        {"/usr/lib/libGL.so", ""},
        {"/odd.so.dir/libGL.so", ""}, // only the file name counts
        {"opengl32.dll", ""}};
    for (const auto& [file, version] : versions)
        EXPECT_EQ(sharedObjectVersion(file), version) << file;
}

// The About box's system information, every section in order, with what this
// platform told (known) or what it says when it could not tell (unknown).
TEST(SystemInformationTest, EverySectionInOrderKnownOrNot) {
    SystemFacts unknown;
    unknown.openGlLibraryName = "libGL";
    test::expectSameLines(systemInformationLines(unknown), "system_information_unknown.txt");
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
    test::expectSameLines(systemInformationLines(known), "system_information_known.txt");
    // A context without extensions says so instead of leaving the section empty.
    known.openGl->extensions.clear();
    const Lines lines = systemInformationLines(known);
    const auto at = std::find(lines.begin(), lines.end(), "Supported OpenGL Extensions:");
    ASSERT_NE(at, lines.end());
    EXPECT_EQ(at[1], "none");
}

} // namespace
} // namespace meshsmith
