// The five pick modes as one recorded session: each pick's outcome, log
// lines, hand-overs, the records it rewrote and the pick state after it.
#include "editor/core/view/pick_modes.hpp"

#include "support/golden.hpp"
#include "support/project_builders.hpp"
#include "support/scripted_prompts.hpp"

#include <gtest/gtest.h>

#include <sstream>

using namespace meshsmith;

namespace {

std::string joined(const std::vector<std::int32_t>& values) {
    std::string out;
    for (std::int32_t v : values)
        out += (out.empty() ? "" : " ") + std::to_string(v);
    return "{" + out + "}";
}

// Ten vertices, the sample's lines and polygons; every call is written down.
struct PickSession : PickReceiver {
    Project project = test::sampleProject();
    PickModes modes;
    test::RecordingLog log;
    bool playSound = false;
    std::ostringstream text, handed; // handed: the receiver calls of one pick

    PickSession() { project.object.vertices.resize(10); }

    void linePicked(std::int32_t a, std::int32_t b) override {
        handed << "  linePicked " << a << " " << b << "\n";
    }
    void polygonPicked(const std::vector<std::int32_t>& picked) override {
        handed << "  polygonPicked " << joined(picked) << "\n";
    }
    void polygonRedefined(std::int32_t i) override { handed << "  polygonRedefined " << i << "\n"; }
    void lineRedefined(std::int32_t i) override { handed << "  lineRedefined " << i << "\n"; }
    void pivotPicked(std::int32_t v) override { handed << "  pivotPicked " << v << "\n"; }

    void note(const std::string& line) { text << "# " << line << "\n"; }
    // "v3" is vertex 3, "p0" polygon 0, "a0" the axis.
    void pick(const std::vector<PickHit>& hits) {
        static const char* results[] = {"NoMode", "Rejected", "Recorded", "Completed", "Abandoned"};
        text << "pick";
        for (const PickHit& h : hits)
            text << " "
                 << "voLlpag"[static_cast<int>(h.kind)] << h.index;
        const TrackObject before = project.object;
        int beeps = 0;
        const FailureSignal fail(log, playSound, [&] { ++beeps; });
        const PickOutcome o = handlePick(modes, project, hits, log, fail, *this);
        text << " -> " << results[static_cast<int>(o.result)]
             << (o.restoreArrowCursor ? ", arrow cursor" : "") << (beeps ? ", beep" : "") << "\n"
             << handed.str();
        handed.str("");
        for (const std::string& line : std::exchange(log.lines, {}))
            text << "  log: " << line << "\n";
        for (std::size_t i = 0; i < project.object.polygons.size(); ++i)
            if (project.object.polygons[i].VertexIndices != before.polygons[i].VertexIndices)
                text << "  polygon " << i << " corners "
                     << joined(project.object.polygons[i].VertexIndices) << " count "
                     << project.object.polygons[i].VertexCount << "\n";
        for (std::size_t i = 0; i < project.object.lines.size(); ++i)
            if (project.object.lines[i].VertexIndices != before.lines[i].VertexIndices)
                text << "  line " << i << " ends " << joined(project.object.lines[i].VertexIndices)
                     << "\n";
        std::vector<std::int32_t> selected;
        for (std::size_t i = 0; i < project.object.vertices.size(); ++i)
            if (project.object.vertices[i].Selected)
                selected.push_back(static_cast<std::int32_t>(i));
        text << "  modes " << modes.LinePickMode << modes.PolygonPickMode
             << modes.PolygonRedefineMode << modes.PivotPickMode << modes.LineRedefineMode
             << ", line state " << modes.LinePickState << " " << modes.FirstLineVertex << "-"
             << modes.SecondLineVertex << ", picked " << joined(modes.PickedVertices) << ", pivot "
             << modes.PivotVertex << ", selected " << joined(selected) << "\n";
    }
    void pickVertices(std::initializer_list<std::int32_t> vertices) {
        for (std::int32_t v : vertices)
            pick({{HitKind::Vertex, v}});
    }
    void clearSelection() {
        for (Vertex& v : project.object.vertices)
            v.Selected = 0;
    }
};

} // namespace

TEST(PickModes, RecordedSessionThroughEveryMode) {
    PickSession s;
    using K = HitKind;
    s.note("no mode on");
    s.pickVertices({1});
    s.note("polygon pick: candidates missing or not vertices, then beeps instead of log lines");
    s.modes.PolygonPickMode = true;
    s.pick({});
    s.pick({{K::Polygon, 0}, {K::Axis, 0}});
    s.pick({{K::Vertex, 10}});
    s.playSound = true;
    s.pick({});
    s.playSound = false;
    s.note("line pick: the highest candidate; its first vertex anywhere refuses; a next line");
    s.modes.PolygonPickMode = false;
    s.modes.LinePickMode = true;
    s.pick({{K::Vertex, 2}, {K::Vertex, 7}});
    s.pick({{K::Vertex, 7}, {K::Vertex, 9}});
    s.pickVertices({3, 7});
    s.clearSelection();
    s.note("polygon pick: closes on the first vertex, refuses reuse and the last pick");
    s.modes.LinePickMode = false;
    s.modes.LinePickState = 0;
    s.modes.PolygonPickMode = true;
    s.pickVertices({0, 0, 1, 2, 2, 1, 0});
    s.note("the polygon window empties the picks: 1, 0, 1 closes as well");
    s.modes.PickedVertices.clear();
    s.clearSelection();
    s.pickVertices({1, 0, 1});
    s.note("candidates are logged until one is refused");
    s.modes.PickedVertices = {4, 5, 6};
    s.clearSelection();
    s.pick({{K::Vertex, 3}, {K::Vertex, 5}});
    s.note("polygon redefine: a triangle, then a quadrilateral with refusals between");
    s.modes.PolygonPickMode = false;
    s.modes.PickedVertices.clear();
    s.project.object.polygons[2] = test::makePolygon({0, 1, 2});
    s.project.SelectedPolygon = 2;
    s.modes.PolygonRedefineMode = true;
    s.pickVertices({5, 6, 7});
    s.project.SelectedPolygon = 0;
    s.modes.PolygonRedefineMode = true;
    s.pickVertices({9, 9, 8, 7, 6});
    s.note("redefining what is gone, vertex 3 selected");
    s.project.object.vertices[3].Selected = 1;
    s.project.SelectedPolygon = 9999;
    s.modes.PolygonRedefineMode = true;
    s.pickVertices({1});
    s.project.SelectedLine = 2;
    s.modes.LineRedefineMode = true;
    s.pickVertices({1});
    s.note("pivot, then line redefine");
    s.modes.PivotPickMode = true;
    s.pickVertices({4});
    s.project.SelectedLine = 1;
    s.modes.LineRedefineMode = true;
    s.pickVertices({3, 3, 7});
    s.note("several modes on: the first is served");
    s.modes.PivotPickMode = s.modes.PolygonPickMode = s.modes.LineRedefineMode = true;
    s.pickVertices({2});
    test::expectGolden(s.text.str(), "editor/pick_modes.txt");

    EXPECT_TRUE(picksOnRelease(s.modes, false));
    EXPECT_FALSE(picksOnRelease(s.modes, true)) << "a modifier or other button held";
    EXPECT_FALSE(picksOnRelease(PickModes{}, false));
}
