// Any bytes as a vertex text file and as a 3DOText file, imported into an empty
// project and appended to one with geometry. An import either succeeds with
// every reference in range or fails leaving the project exactly as it was.
#include "model/object_check.hpp"
#include "model/text3do_file.hpp"
#include "model/text_file.hpp"
#include "model/vertex_text_file.hpp"
#include "support/scripted_prompts.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace meshsmith;

namespace {

Project withGeometry() {
    Project p;
    p.object.vertices = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}};
    ObjectData tri;
    tri.VertexIndices = {0, 1, 2, 0};
    tri.VertexCount = 4;
    p.object.polygons.push_back(tri);
    ObjectData line;
    line.VertexIndices = {1, 2};
    p.object.lines.push_back(line);
    p.GeometryPresent = true;
    return p;
}

bool sameProject(const Project& a, const Project& b) {
    return a.object == b.object && a.GeometryPresent == b.GeometryPresent;
}

// Sound, and every imported polygon closed.
void requireSound(const Project& p) {
    if (findObjectFault(p.object)) std::abort();
    for (const auto& poly : p.object.polygons)
        if (poly.VertexIndices.front() != poly.VertexIndices.back()) std::abort();
}

template <typename Import> void check(const Project& start, Import import) {
    Project p = start;
    test::ScriptedPrompts prompts;
    prompts.offsets.push_back(VertexOffset{1, -1, 0.5f});
    test::RecordingLog log;
    OperationResult r = import(p, prompts, log);
    if (r.outcome == Outcome::Done)
        requireSound(p);
    else if (!sameProject(p, start) || r.message.empty())
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto lines = splitLines(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const Project& start : {Project{}, withGeometry()}) {
        check(start, [&](Project& p, UserPrompts& prompts, LogSink& log) {
            return importVertexTextLines(p, lines, "fuzz.vtx", prompts, log);
        });
        check(start, [&](Project& p, UserPrompts& prompts, LogSink& log) {
            RandomColours colours(1);
            return import3DOTextLines(p, lines, "fuzz.txt", prompts, log, colours);
        });
    }
    return 0;
}
