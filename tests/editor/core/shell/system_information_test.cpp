// The lines of the About box's system information pane and the platform texts they are read from.

#include "editor/core/shell/system_information.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

namespace meshsmith {
namespace {

using Lines = std::vector<std::string>;

// The value lines under `label`, up to the empty line that ends the section.
Lines section(const Lines& lines, const std::string& label) {
    auto at = std::find(lines.begin(), lines.end(), label);
    if (at == lines.end()) return {"<no " + label + ">"};
    Lines values;
    for (++at; at != lines.end() && !at->empty(); ++at)
        values.push_back(*at);
    return values;
}

TEST(SystemInformationTest, ThousandsSeparatorsGroupFromTheRight) {
    EXPECT_EQ(withThousandsSeparators(0), "0");
    EXPECT_EQ(withThousandsSeparators(999), "999");
    EXPECT_EQ(withThousandsSeparators(1000), "1,000");
    EXPECT_EQ(withThousandsSeparators(123456), "123,456");
    EXPECT_EQ(withThousandsSeparators(1234567), "1,234,567");
    EXPECT_EQ(withThousandsSeparators(UINT64_MAX), "18,446,744,073,709,551,615");
}

TEST(SystemInformationTest, MemoryTextShowsTotalAndLoadOrWhatIsKnown) {
    EXPECT_EQ(memoryText(MemoryStatus{16318032, 23}),
              "16,318,032 KB, of which 23% are currently used");
    EXPECT_EQ(memoryText(MemoryStatus{512, std::nullopt}), "512 KB");
    EXPECT_EQ(memoryText(std::nullopt), "Unknown");
}

TEST(SystemInformationTest, MemInfoGivesTotalAndLoadFromAvailableMemory) {
    const auto status = parseMemInfo("MemTotal:       16000000 kB\n"
                                     "MemFree:         1000000 kB\n"
                                     "MemAvailable:   12000000 kB\n"
                                     "Buffers:          500000 kB\n"
                                     "Cached:          3000000 kB\n"
                                     "SwapCached:            0 kB\n");
    ASSERT_TRUE(status);
    EXPECT_EQ(status->totalKilobytes, 16000000u);
    EXPECT_EQ(status->loadPercent, 25);
}

TEST(SystemInformationTest, MemInfoOfOldKernelsCountsFreeBuffersAndCached) {
    const auto status = parseMemInfo(
        "MemTotal: 1000 kB\r\nMemFree: 100 kB\r\nBuffers: 100 kB\r\nCached: 133 kB\r\n");
    ASSERT_TRUE(status);
    EXPECT_EQ(status->totalKilobytes, 1000u);
    EXPECT_EQ(status->loadPercent, 67); // 667 of 1000 in use, rounded
    // Without all three parts the load is unknown rather than guessed.
    const auto partial = parseMemInfo("MemTotal: 1000 kB\nMemFree: 100 kB\n");
    ASSERT_TRUE(partial);
    EXPECT_FALSE(partial->loadPercent);
}

TEST(SystemInformationTest, MemInfoWithoutUsableTotalIsUnknown) {
    EXPECT_FALSE(parseMemInfo(""));
    EXPECT_FALSE(parseMemInfo("MemAvailable: 100 kB\n"));
    EXPECT_FALSE(parseMemInfo("MemTotal: 0 kB\nMemAvailable: 0 kB\n"));
    EXPECT_FALSE(parseMemInfo("MemTotal: lots kB\n"));
    EXPECT_FALSE(parseMemInfo("MemTotal: 99999999999999999999999 kB\n")); // past 64 bits
    EXPECT_FALSE(parseMemInfo("MemTotal: -5 kB\n"));
}

TEST(SystemInformationTest, MemInfoClampsAvailableAboveTotalAndSkipsBrokenLines) {
    const auto status =
        parseMemInfo("garbage\nMemTotal: 800\n:\nMemAvailable: 900 kB\nCached 12\n");
    ASSERT_TRUE(status);
    EXPECT_EQ(status->totalKilobytes, 800u);
    EXPECT_EQ(status->loadPercent, 0);
    // Huge free parts saturate instead of wrapping round to a small sum.
    const auto full =
        parseMemInfo("MemTotal: 100\nMemFree: 18446744073709551615\nBuffers: 10\nCached: 10\n");
    ASSERT_TRUE(full);
    EXPECT_EQ(full->loadPercent, 0);
}

TEST(SystemInformationTest, LibraryFilesMatchTheirOwnNameOnly) {
    EXPECT_TRUE(isLibraryFile("/usr/lib/x86_64-linux-gnu/libGL.so.1", "libGL"));
    EXPECT_TRUE(isLibraryFile("libGL.so", "libGL"));
    EXPECT_TRUE(isLibraryFile("/lib/libGLU.so.1.3.1", "libGLU"));
    EXPECT_FALSE(isLibraryFile("/lib/libGLU.so.1", "libGL"));
    EXPECT_FALSE(isLibraryFile("/lib/libGLX.so.0", "libGL"));
    EXPECT_FALSE(isLibraryFile("/lib/libGLdispatch.so.0", "libGL"));
    EXPECT_FALSE(isLibraryFile("/libGL.so/other.so", "libGL"));
    EXPECT_FALSE(isLibraryFile("libGL.sox", "libGL"));
    EXPECT_FALSE(isLibraryFile("", "libGL"));
    EXPECT_TRUE(isLibraryFile("C:\\Windows\\System32\\OPENGL32.DLL", "opengl32.dll"));
    EXPECT_FALSE(isLibraryFile("C:\\Windows\\System32\\opengl32.dll.mui", "opengl32.dll"));
}

TEST(SystemInformationTest, SharedObjectVersionIsTheSuffixAfterSo) {
    EXPECT_EQ(sharedObjectVersion("/usr/lib/libGL.so.1.7.0"), "1.7.0");
    EXPECT_EQ(sharedObjectVersion("libGLU.so.1"), "1");
    EXPECT_EQ(sharedObjectVersion("/usr/lib/libGL.so"), "");
    EXPECT_EQ(sharedObjectVersion("/odd.so.dir/libGL.so"), ""); // only the file name counts
    EXPECT_EQ(sharedObjectVersion("opengl32.dll"), "");
}

// The About box's system information: every section in order, with what this
// platform told or what it says when it could not tell.
TEST(SystemInformationTest, EverySectionInOrderKnownOrNot) {
    SystemFacts unknown;
    unknown.openGlLibraryName = "libGL";
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
    struct Section {
        std::string label;
        Lines whenUnknown, whenKnown;
    };
    const Section sections[] = {
        {"Operating System:", {"Unknown"}, {"Debian GNU/Linux 12 (bookworm), Version 6.1.0"}},
        {"Processor:", {"Unknown Processor"}, {"x86_64"}},
        {"RAM:", {"Unknown"}, {"2,048,000 KB, of which 50% are currently used"}},
        {"Current Dimensions of View Window:", {"not available"}, {"Width = 800, Height = 600"}},
        {"Renderer:", {"not available"}, {"llvmpipe"}},
        {"Vendor:", {"not available"}, {"Mesa"}},
        {"Version:", {"not available"}, {"4.5 (Compatibility Profile) Mesa 22.3.6"}},
        {"OpenGL Version:",
         {"not loaded (libGL)"},
         {"Filename = /usr/lib/libGL.so.1", "FileVersion = 1.7.0"}},
        {"Supported OpenGL Extensions:",
         {"not available"},
         {"GL_ARB_multitexture", "GL_EXT_texture"}},
        {"OpenGL Utilities Version:",
         {"not loaded"},
         {"Filename = C:\\glu32.dll", "FileVersion = Unknown", "ProductName = Microsoft Windows",
          "CompanyName = Microsoft Corporation", "LegalCopyright = (c) Microsoft"}},
    };
    const Lines unknownLines = systemInformationLines(unknown);
    const Lines knownLines = systemInformationLines(known);
    for (const Lines* lines : {&unknownLines, &knownLines}) {
        auto from = lines->begin();
        for (const Section& s : sections) {
            from = std::find(from, lines->end(), s.label);
            ASSERT_NE(from, lines->end()) << s.label << " missing or out of order";
        }
    }
    for (const Section& s : sections) {
        EXPECT_EQ(section(unknownLines, s.label), s.whenUnknown) << s.label;
        EXPECT_EQ(section(knownLines, s.label), s.whenKnown) << s.label;
    }
    // A context without extensions says so instead of leaving the section empty.
    known.openGl->extensions.clear();
    EXPECT_EQ(section(systemInformationLines(known), "Supported OpenGL Extensions:"),
              Lines{"none"});
}

} // namespace
} // namespace meshsmith
