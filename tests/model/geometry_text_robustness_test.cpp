// Geometry texts cut short or moved out of range: a vertex text file keeps its
// whole blocks, a 3DOText file reads whole or not at all (its end mark tells),
// and an offset that leaves the float range names the vertex line. That every
// failure leaves the project as it was, on any bytes, is the fuzz harness's.

#include "geometry_text_test_support.hpp"
#include "model/text3do_file.hpp"
#include "model/text_file.hpp"
#include "model/vertex_text_file.hpp"
#include "support/prefix_cuts.hpp"
#include "support/project_builders.hpp"

#include <gtest/gtest.h>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

enum class Format { VertexText, Text3DO };

// Imports `text` into `start`, answering the offset question with `offset`.
ImportRun importText(Format format, const std::string& text, const Project& start,
                     VertexOffset offset = {}) {
    ImportRun run;
    run.project = start;
    run.prompts.offsets.push_back(offset);
    RandomColours colours(3);
    const auto lines = splitLines(text);
    run.result = format == Format::VertexText
                     ? importVertexTextLines(run.project, lines, "x", run.prompts, run.log)
                     : import3DOTextLines(run.project, lines, "x", run.prompts, run.log, colours);
    return run;
}

} // namespace

TEST(GeometryTextRobustness, CutOffFilesKeepWholeVertexBlocksOr3DOTextReadsNothing) {
    const Project source = sampleProject();
    for (Format format : {Format::VertexText, Format::Text3DO}) {
        const std::string full = format == Format::VertexText ? vertexTextFileText(source)
                                                              : text3DOFileText(source).text;
        int done = 0, failed = 0;
        for (std::size_t cut : prefixCuts(full)) {
            const ImportRun run = importText(format, full.substr(0, cut), Project{});
            if (run.result.outcome != Outcome::Done) {
                ++failed;
                continue;
            }
            ++done;
            // Whole blocks come back as written; only the very last number may be cut.
            const auto& added = run.project.object.vertices;
            ASSERT_LE(added.size(), source.object.vertices.size()) << cut;
            for (std::size_t k = 0; k < added.size(); ++k) {
                const Vertex& want = source.object.vertices[k];
                EXPECT_TRUE(added[k].X == want.X && added[k].Y == want.Y &&
                            (added[k].Z == want.Z || k + 1 == added.size()))
                    << cut << ", vertex " << k;
            }
            // A 3DOText file reads only when its end mark is there, and then whole.
            if (format == Format::Text3DO) {
                EXPECT_EQ(added.size(), source.object.vertices.size()) << cut;
                const auto& polygons = run.project.object.polygons;
                ASSERT_EQ(polygons.size(), source.object.polygons.size()) << cut;
                for (std::size_t k = 0; k < polygons.size(); ++k)
                    EXPECT_EQ(polygons[k].VertexIndices, source.object.polygons[k].VertexIndices)
                        << cut;
            }
        }
        EXPECT_GT(done, 0);
        EXPECT_GT(failed, 0);
    }
}
