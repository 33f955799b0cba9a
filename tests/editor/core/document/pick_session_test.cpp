// The five pick modes as one recorded session (tests/data/editor/pick_modes.txt):
// each pick's outcome, log lines, hand-overs, the records it rewrote and the
// pick state after it, between commands that set the modes and the project up.
#include "editor/core/view/pick_modes.hpp"

#include "support/project_builders.hpp"
#include "support/scripted_prompts.hpp"

#include "../rule_table.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
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
    std::ostringstream handed; // the receiver calls of one pick

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

    // "pick v3 p0 a0": vertex 3, polygon 0 and the axis are under the cursor.
    std::string pick(std::istringstream& in) {
        static const char* results[] = {"NoMode", "Rejected", "Recorded", "Completed", "Abandoned"};
        std::vector<PickHit> hits;
        for (std::string hit; in >> hit;)
            hits.push_back({static_cast<HitKind>(std::string("voLlpag").find(hit[0])),
                            std::stoi(hit.substr(1))});
        const TrackObject before = project.object;
        int beeps = 0;
        const FailureSignal fail(log, playSound, [&] { ++beeps; });
        const PickOutcome o = handlePick(modes, project, hits, log, fail, *this);
        std::ostringstream text;
        text << "  -> " << results[static_cast<int>(o.result)]
             << (o.restoreArrowCursor ? ", arrow cursor" : "") << (beeps ? ", beep" : "") << "\n"
             << std::exchange(handed, {}).str();
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
        return text.str();
    }

    // One command of the session; only "pick" has a result.
    std::string run(const std::string& command) {
        std::istringstream in(command);
        std::string word;
        in >> word;
        if (word == "pick") return pick(in);
        if (word == "modes") { // line, polygon, redefine, pivot, line redefine as 0 or 1
            std::string on;
            in >> on;
            bool* const all[] = {&modes.LinePickMode, &modes.PolygonPickMode,
                                 &modes.PolygonRedefineMode, &modes.PivotPickMode,
                                 &modes.LineRedefineMode};
            for (std::size_t k = 0; k < std::size(all); ++k)
                *all[k] = on.at(k) == '1';
        }
        const std::vector<std::int32_t> numbers{std::istream_iterator<std::int32_t>(in), {}};
        if (word == "sound") playSound = numbers.at(0) != 0;
        if (word == "line-state") modes.LinePickState = numbers.at(0);
        if (word == "picked") modes.PickedVertices = numbers; // as the polygon window leaves them
        if (word == "selected-polygon") project.SelectedPolygon = numbers.at(0);
        if (word == "selected-line") project.SelectedLine = numbers.at(0);
        if (word == "polygon")
            project.object.polygons.at(numbers.at(0)) =
                test::makePolygon({numbers.begin() + 1, numbers.end()});
        if (word == "select") // vertices to select, none to unselect all
            for (std::size_t v = 0; v < project.object.vertices.size(); ++v)
                project.object.vertices[v].Selected =
                    std::count(numbers.begin(), numbers.end(), static_cast<std::int32_t>(v)) != 0;
        return "";
    }
};

} // namespace

TEST(PickModes, RecordedSessionThroughEveryMode) {
    PickSession s;
    test::expectSession("pick_modes.txt",
                        [&](const std::string& command) { return s.run(command); });
    EXPECT_TRUE(picksOnRelease(s.modes, false));
    EXPECT_FALSE(picksOnRelease(s.modes, true)) << "a modifier or other button held";
    EXPECT_FALSE(picksOnRelease(PickModes{}, false));
}
