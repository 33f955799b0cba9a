// Damaged DXF files: a failed import names the line at fault and leaves the
// project exactly as it was. Random and cut-off bytes are the fuzz harness's
// (its seeds and their cut-off beginnings are replayed by the FuzzReplay tests).

#include "dxf_test_support.hpp"
#include "geometry_text_test_support.hpp"
#include "model/dxf_import.hpp"
#include "model/text_file.hpp"
#include "support/project_builders.hpp"
#include "support/scripted_prompts.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

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

std::unique_ptr<Attempt> attempt(const std::vector<std::string>& lines, DxfKind kind,
                                 VertexOffset offset = {}) {
    auto a = std::make_unique<Attempt>();
    a->prompts.offsets.push_back(offset);
    a->result = importDxfLines(a->project, lines, "bad.dxf", kind, a->prompts, a->log, a->colours);
    return a;
}

std::vector<std::string> entities(const std::vector<std::vector<std::string>>& list) {
    return splitLines(dxfFile(list));
}

} // namespace

TEST(DxfImportFaults, EachFaultNamesItsLineAndAddsNothing) {
    struct Case {
        std::vector<std::string> lines;
        DxfKind kind;
        std::string message;
        std::size_t line;
        VertexOffset offset{};
    };
    const std::vector<Case> cases = {
        // The first point is fine; the second must not leave the first behind.
        {entities({dxfPoint({"100", "100", "100"}), dxfPoint({"1", "2,5", "3"})}), DxfKind::Point,
         "'2,5' is not a valid floating point value", 22},
        {entities({dxfLine({"1", "2", "3"}, {"1e39", "0", "0"})}), DxfKind::Line,
         "'1e39' is not a valid floating point value", 16},
        // A LINE without its end point must not borrow the end point of the next.
        {entities({{"0", "LINE", "8", "0", "10", "1", "20", "2", "30", "3"},
                   dxfLine({"7", "7", "7"}, {"8", "8", "8"})}),
         DxfKind::Line, "The LINE entity has no group code 11", 6},
        {entities({{"0", "3DFACE", "10", "0", "20", "0", "11", "1", "21", "0"}}), DxfKind::Face,
         "The 3DFACE entity has no group code 12", 6},
        {entities({{"0", "POINT", "10", "1", "30", "3"}}), DxfKind::Point,
         "The POINT entity has no group code 20", 6},
        {{"0", "POINT", "10", "1", "20", "2"}, DxfKind::Point,
         "The file ends inside the POINT entity", 2},
        {{"0", "POINT", "10", "1", "20", "2", "30"}, DxfKind::Point,
         "The file ends inside the POINT entity", 2},
        {{"0", "POINT", "10"}, DxfKind::Point, "The file ends inside the POINT entity", 2},
        {{"0", "POINT", "10", "1", "2O", "2", "30", "3", "0", "EOF"}, DxfKind::Point,
         "'2O' is not a valid group code", 5},
        {entities({dxfPoint({"3e38", "0", "0"})}), DxfKind::Point,
         "The offset moves the POINT entity out of the range of coordinates; choose a smaller "
         "offset",
         6, VertexOffset{3e38f, 0, 0}},
    };
    for (const Case& c : cases) {
        auto a = attempt(c.lines, c.kind, c.offset);
        EXPECT_EQ(a->result.outcome, Outcome::Failed) << c.message;
        EXPECT_EQ(a->result.message, c.message);
        EXPECT_EQ(a->result.line, c.line) << c.message;
        EXPECT_TRUE(a->prompts.messages.empty()) << "the caller tells the user";
        EXPECT_EQ(a->log.lines, std::vector<std::string>{"Error importing bad.dxf, line " +
                                                         std::to_string(c.line) + ": " + c.message});
        EXPECT_EQ(projectFingerprint(a->project), projectFingerprint(sampleProject()));
    }
}

TEST(DxfImportFaults, UnreadableOrBinaryFilesAreRefused) {
    TempFolder dir;
    for (const std::string& path : {dir.file("missing.dxf"), dir.folder()}) {
        Attempt a;
        a.result = importDxf(a.project, path, DxfKind::Point, a.prompts, a.log, a.colours);
        EXPECT_EQ(a.result.outcome, Outcome::Failed);
        EXPECT_EQ(a.result.message, "Unable to load file " + path);
        EXPECT_EQ(projectFingerprint(a.project), projectFingerprint(sampleProject()));
    }
    auto a = attempt({"AutoCAD Binary DXF", std::string("\x1a\0", 2) + "junk"}, DxfKind::Point);
    EXPECT_EQ(a->result.outcome, Outcome::Refused);
    EXPECT_EQ(a->result.message, "Binary DXF format not supported...");
}
