// The pick sessions as one recorded session (tests/data/editor/pick_session.txt):
// each pick's outcome, log lines, the session that ended, the records it
// rewrote and the session, pivot and shown vertices after it.
#include "editor/core/document/document.hpp"

#include "support/project_builders.hpp"
#include "support/scripted_prompts.hpp"

#include "../rule_table.hpp"

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

const char* const kSessions[] = {"none",     "line",          "polygon",
                                 "redefine-polygon", "redefine-line", "pivot"};

// Ten vertices, the sample's lines and polygons.
struct Session {
    Document doc;
    test::RecordingLog log;
    bool playSound = false;
    std::optional<DocumentChange::PickEnded> ended;

    Session() {
        Project p = test::sampleProject();
        p.object.vertices.resize(10);
        doc.adopt(p);
        doc.listen([this](const DocumentChange& c) {
            if (c.pickEnded) ended = c.pickEnded;
        });
    }

    // "pick v3 p0 a0": vertex 3, polygon 0 and the axis are under the cursor.
    std::string pick(std::istringstream& in) {
        static const char* results[] = {"NoMode", "Rejected", "Recorded", "Completed", "Abandoned"};
        std::vector<PickHit> hits;
        for (std::string hit; in >> hit;)
            hits.push_back({static_cast<HitKind>(std::string("voLlpag").find(hit[0])),
                            std::stoi(hit.substr(1))});
        const TrackObject before = doc.object();
        int beeps = 0;
        const FailureSignal fail(log, playSound, [&] { ++beeps; });
        ended.reset();
        const PickOutcome o = doc.pick(hits, log, fail);
        std::ostringstream text;
        text << "  -> " << results[static_cast<int>(o.result)]
             << (o.restoreArrowCursor ? ", arrow cursor" : "") << (beeps ? ", beep" : "") << "\n";
        if (ended) text << "  ended " << kSessions[ended->session.index()] << "\n";
        for (const std::string& line : std::exchange(log.lines, {}))
            text << "  log: " << line << "\n";
        const TrackObject& now = doc.object();
        for (std::size_t i = 0; i < now.polygons.size(); ++i)
            if (i >= before.polygons.size() ||
                now.polygons[i].VertexIndices != before.polygons[i].VertexIndices)
                text << "  polygon " << i << " corners " << joined(now.polygons[i].VertexIndices)
                     << "\n";
        for (std::size_t i = 0; i < now.lines.size(); ++i)
            if (i >= before.lines.size() || now.lines[i].VertexIndices != before.lines[i].VertexIndices)
                text << "  line " << i << " ends " << joined(now.lines[i].VertexIndices) << "\n";
        text << "  session " << kSessions[doc.pickSession().index()] << " picked "
             << joined(pickedVertices(doc.pickSession())) << ", pivot " << doc.pivot().vertex
             << ", shown " << joined(doc.selected(Purpose::Vertices)) << "\n";
        return text.str();
    }

    // One command of the session; only "pick" has a result.
    std::string run(const std::string& command) {
        std::istringstream in(command);
        std::string word;
        in >> word;
        if (word == "pick") return pick(in);
        if (word == "sound") in >> playSound;
        if (word == "start") {
            std::string kind;
            std::int32_t index = 0;
            in >> kind >> index;
            if (kind == "line") doc.startPick(LinePick{{0, 0, 1}, {}});
            if (kind == "polygon") doc.startPick(PolygonPick{{0, 1, 0}, {}});
            if (kind == "redefine-polygon") doc.startPick(PolygonRedefine{index, {}});
            if (kind == "redefine-line") doc.startPick(LineRedefine{index, {}});
            if (kind == "pivot") doc.startPick(PivotPick{});
        }
        return "";
    }
};

} // namespace

TEST(PickSession, RecordedSessionThroughEveryKind) {
    Session s;
    test::expectSession("pick_session.txt",
                        [&](const std::string& command) { return s.run(command); });
    EXPECT_TRUE(s.doc.canUndo()) << "every change a pick made is a step of the history";
    EXPECT_TRUE(picksOnRelease(PolygonPick{}, false));
    EXPECT_FALSE(picksOnRelease(PolygonPick{}, true)) << "a modifier or other button held";
    EXPECT_FALSE(picksOnRelease(NoPick{}, false));
}
