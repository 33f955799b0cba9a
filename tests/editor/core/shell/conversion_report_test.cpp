// What the editor reports after a converter run, and placing the 3DO file.

#include "editor/core/shell/conversion_report.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <filesystem>

using namespace meshsmith;
using namespace meshsmith::test;
namespace fs = std::filesystem;

TEST(ConversionReport, OnlyACleanRunWithItsFileIsASuccess) {
    TempFolder dir;
    const std::string built = dir.file("stand.3do");
    EXPECT_EQ(
        finishConversion({false, false, -1, "No such file"}, "3DO-Kiln", built, built).message,
        "Error starting 3DO-Kiln.exe!");
    writeFile(built, "3DO of an earlier run");
    for (ConverterEnd end :
         {ConverterEnd{true, false, -1, "crashed"}, ConverterEnd{true, true, 2, ""}}) {
        ConversionReport r = finishConversion(end, "3DO-Kiln", built, built);
        EXPECT_FALSE(r.ok || r.message.empty());
        EXPECT_EQ(r.logLines.at(0).find(" written !"), std::string::npos) << r.logLines[0];
    }
    ConversionReport r = finishConversion({true, true, 0, ""}, "3DO-Kiln", built, built);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.logLines, std::vector<std::string>{"3DO " + built + " written !"});
    fs::remove(built);
    EXPECT_FALSE(finishConversion({true, true, 0, ""}, "3DO-Kiln", built, built).ok);
}

TEST(ConversionReport, CopiesIntoTheTrackFolderWhole) {
    TempFolder dir;
    fs::create_directory(dir.file("track"));
    const std::string built = dir.file("stand.3do"), target = dir.file("track") + "/stand.3do";
    writeFile(built, "new 3DO");
    writeFile(target, "previous 3DO");
    ConversionReport r = finishConversion({true, true, 0, ""}, "3DO-Kiln", built, target);
    EXPECT_EQ(r.logLines, std::vector<std::string>{"3DO " + target + " written !"});
    EXPECT_EQ(readFile(target), "new 3DO");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.file("track")), fs::directory_iterator()), 1)
        << "no temporary file left beside the target";

    const std::string nowhere = dir.file("missing") + "/stand.3do";
    r = finishConversion({true, true, 0, ""}, "3DO-Kiln", built, nowhere);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find(nowhere), std::string::npos);
}
