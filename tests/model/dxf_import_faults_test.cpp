// Damaged and hostile DXF files: every failed import leaves the project exactly
// as it was and names the line at fault; nothing crashes.

#include "dxf_test_support.hpp"
#include "model/dxf_import.hpp"
#include "model/dxf_scan.hpp"
#include "model/text_file.hpp"
#include "support/project_builders.hpp"
#include "support/scripted_prompts.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <random>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

struct Attempt {
    Project project = sampleProject(); // append mode: what is there must survive
    ScriptedPrompts prompts;
    RecordingLog log;
    RandomColours colours{3};
    OperationResult result;
};

std::unique_ptr<Attempt> attempt(const std::vector<std::string>& lines, DxfKind kind) {
    auto a = std::make_unique<Attempt>();
    a->prompts.offsets.push_back(VertexOffset{});
    a->result = importDxfLines(a->project, lines, "bad.dxf", kind, a->prompts, a->log, a->colours);
    return a;
}

void expectUntouchedWithError(const Attempt& a, const std::string& message, std::size_t line) {
    EXPECT_EQ(a.result.outcome, Outcome::Failed);
    EXPECT_EQ(a.result.message, message);
    EXPECT_EQ(a.result.line, line);
    EXPECT_TRUE(a.prompts.messages.empty()) << "the caller tells the user";
    EXPECT_EQ(a.log.lines, std::vector<std::string>{"Error importing bad.dxf, line " +
                                                    std::to_string(line) + ": " + message});
    expectSameGeometry(a.project, sampleProject());
}

std::vector<std::string> entities(const std::vector<std::vector<std::string>>& list) {
    return splitLines(dxfFile(list));
}

} // namespace

TEST(DxfImportFaults, ValueThatIsNotANumberAddsNothing) {
    // The first point is fine; the second must not leave the first behind.
    auto a = attempt(entities({dxfPoint({"100", "100", "100"}), dxfPoint({"1", "2,5", "3"})}),
                     DxfKind::Point);
    expectUntouchedWithError(*a, "'2,5' is not a valid floating point value", 22);
}

TEST(DxfImportFaults, ValueBeyondSinglePrecisionIsRefused) {
    auto a = attempt(entities({dxfLine({"1", "2", "3"}, {"1e39", "0", "0"})}), DxfKind::Line);
    expectUntouchedWithError(*a, "'1e39' is not a valid floating point value", 16);
}

TEST(DxfImportFaults, CornerCodeIsLookedForInItsOwnEntityOnly) {
    // A LINE without its end point must not borrow the end point of the next.
    auto lines = entities({{"0", "LINE", "8", "0", "10", "1", "20", "2", "30", "3"},
                           dxfLine({"7", "7", "7"}, {"8", "8", "8"})});
    auto a = attempt(lines, DxfKind::Line);
    expectUntouchedWithError(*a, "The LINE entity has no group code 11", 6);
    a = attempt(entities({{"0", "3DFACE", "10", "0", "20", "0", "11", "1", "21", "0"}}),
                DxfKind::Face);
    expectUntouchedWithError(*a, "The 3DFACE entity has no group code 12", 6);
}

TEST(DxfImportFaults, MissingYIsAnError) {
    auto a = attempt(entities({{"0", "POINT", "10", "1", "30", "3"}}), DxfKind::Point);
    expectUntouchedWithError(*a, "The POINT entity has no group code 20", 6);
}

TEST(DxfImportFaults, EntityCutOffByTheEndOfTheFile) {
    for (auto lines : {std::vector<std::string>{"0", "POINT", "10", "1", "20", "2"},
                       std::vector<std::string>{"0", "POINT", "10", "1", "20", "2", "30"},
                       std::vector<std::string>{"0", "POINT", "10"}}) {
        auto a = attempt(lines, DxfKind::Point);
        expectUntouchedWithError(*a, "The file ends inside the POINT entity", 2);
    }
}

TEST(DxfImportFaults, GroupCodeLineThatIsNotANumber) {
    auto a = attempt({"0", "POINT", "10", "1", "2O", "2", "30", "3", "0", "EOF"}, DxfKind::Point);
    expectUntouchedWithError(*a, "'2O' is not a valid group code", 5);
}

TEST(DxfImportFaults, OffsetThatLeavesTheFloatRange) {
    auto a = std::make_unique<Attempt>();
    a->prompts.offsets.push_back(VertexOffset{3e38f, 0, 0});
    a->result = importDxfLines(a->project, entities({dxfPoint({"3e38", "0", "0"})}), "bad.dxf",
                               DxfKind::Point, a->prompts, a->log, a->colours);
    expectUntouchedWithError(*a,
                             "The offset moves the POINT entity out of the range of coordinates; "
                             "choose a smaller offset",
                             6);
}

TEST(DxfImportFaults, UnreadableFileGivesAMessage) {
    TempFolder dir;
    for (const std::string& path : {dir.file("missing.dxf"), dir.folder()}) {
        Attempt a;
        a.result = importDxf(a.project, path, DxfKind::Point, a.prompts, a.log, a.colours);
        EXPECT_EQ(a.result.outcome, Outcome::Failed);
        EXPECT_EQ(a.result.message, "Unable to load file " + path);
        expectSameGeometry(a.project, sampleProject());
    }
}

TEST(DxfImportFaults, BinaryDxfIsRefused) {
    auto a = attempt({"AutoCAD Binary DXF", std::string("\x1a\0", 2) + "junk"}, DxfKind::Point);
    EXPECT_EQ(a->result.outcome, Outcome::Refused);
    EXPECT_EQ(a->result.message, "Binary DXF format not supported...");
}

TEST(DxfImportFaults, EveryTruncatedFileFailsCleanlyOrImportsWhatItHolds) {
    const std::string full =
        dxfFile({dxfPoint({"1", "2", "3"}), dxfLine({"0", "0", "0"}, {"1", "2", "3"}),
                 dxfFace({"0", "0", "0"}, {"1", "0", "0"}, {"1", "1", "0"}, {"0", "1", "1"}),
                 dxfPoint({"4", "5", "6"}, "VERTEX")});
    for (std::size_t cut = 0; cut < full.size(); ++cut) {
        const auto lines = splitLines(std::string_view(full).substr(0, cut));
        (void)scanDxfLines(lines, "cut.dxf");
        for (DxfKind kind : kDxfKinds) {
            auto a = attempt(lines, kind);
            if (a->result.outcome != Outcome::Done) expectSameGeometry(a->project, sampleProject());
            ASSERT_FALSE(findObjectFault(a->project.object)) << "cut " << cut;
        }
    }
}

TEST(DxfImportFaults, RandomBytesNeverCrashAndFailuresChangeNothing) {
    std::mt19937 rng(2024);
    const char* pieces[] = {"0",   "  0", "10",   " 20",   "30",     "11",   "21",
                            "31",  "12",  "13",   "POINT", "VERTEX", "LINE", "3DFACE",
                            "1.5", "-0",  "1e38", "x",     "",       " "};
    for (int round = 0; round < 400; ++round) {
        std::vector<std::string> lines;
        const int n = static_cast<int>(rng() % 60);
        for (int i = 0; i < n; ++i) {
            if (rng() % 8 == 0) {
                std::string junk(rng() % 6, '\0');
                for (char& c : junk)
                    c = static_cast<char>(rng());
                lines.push_back(junk);
            } else {
                lines.push_back(pieces[rng() % std::size(pieces)]);
            }
        }
        (void)scanDxfLines(lines, "random.dxf");
        for (DxfKind kind : kDxfKinds) {
            auto a = attempt(lines, kind);
            if (a->result.outcome != Outcome::Done) expectSameGeometry(a->project, sampleProject());
            ASSERT_FALSE(findObjectFault(a->project.object)) << "round " << round;
        }
    }
}
