// The vertex text and 3DOText files written, compared with the files kept in
// tests/data/exports, and the log lines each export adds.

#include "model/text3do_file.hpp"
#include "model/vertex_text_file.hpp"
#include "support/golden.hpp"
#include "support/project_builders.hpp"
#include "support/scripted_prompts.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <cmath>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

using Export = OperationResult (*)(const Project&, const std::string&, LogSink&);

void expectWritten(Export write, const Project& p, const std::string& name,
                   const std::vector<std::string>& log) {
    TempFolder dir;
    RecordingLog written;
    ASSERT_EQ(write(p, dir.file(name), written).outcome, Outcome::Done) << name;
    expectGolden(readFile(dir.file(name)), "exports/" + name);
    std::vector<std::string> expected;
    for (const auto& line : log)
        expected.push_back(line + dir.file(name));
    EXPECT_EQ(written.lines, expected);
}

} // namespace

TEST(GeometryTextExport, FilesAreWrittenExactly) {
    Project three;
    three.object.vertices = {
        {0.6f, 2, -1.5f}, {std::ldexp(1.0f, -19), -0.0f, 123456.78f}, {-3, 4.25f, 0}};
    three.GeometryPresent = true;
    expectWritten(exportVertexText, three, "three.vtx", {"3 Vertices saved to file "});

    Project two = three;
    two.object.vertices.insert(two.object.vertices.end(),
                               {{1, 0, 0}, {0, 0, 3}, {1, 0, 3}, {1, 1, 3}});
    two.object.polygons = {makePolygon({0, 1, 2, 3}), makeTexturedPolygon({4, 5, 6}, 0, {})};
    expectWritten(export3DOText, two, "two.txt", {"Data saved to 3DO Text file "});

    // "v 0 ..." would not read back as a polygon, and such a record has no shape.
    ObjectData empty;
    empty.VertexCount = 1;
    empty.VertexIndices = {0};
    two.object.polygons = {empty, makePolygon({0})};
    expectWritten(export3DOText, two, "no-corners.txt",
                  {"Warning: 1 polygon(s) without corners were not written to ",
                   "Data saved to 3DO Text file "});
}
