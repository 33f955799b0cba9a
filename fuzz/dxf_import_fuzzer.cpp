// Any bytes as a DXF file: the scan and the import of every kind must end
// cleanly, a failed import must leave the project as it was, and a finished
// one must leave every vertex reference in range, also after the merge of
// double vertices that follows it.
#include "model/dxf_import.hpp"
#include "model/dxf_scan.hpp"
#include "model/edits/remove_double_vertices.hpp"
#include "model/object_check.hpp"
#include "model/text_file.hpp"
#include "support/scripted_prompts.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

using namespace meshsmith;

void check(bool ok) {
    if (!ok) std::abort();
}

Project startingProject(bool append) {
    Project p;
    if (!append) return p;
    p.object.vertices = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}};
    ObjectData poly;
    poly.VertexIndices = {0, 1, 2, 0};
    poly.VertexCount = 4;
    p.object.polygons.push_back(poly);
    p.GeometryPresent = true;
    return p;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto lines = splitLines(std::string_view(reinterpret_cast<const char*>(data), size));
    (void)scanDxfLines(lines, "fuzz.dxf");
    for (DxfKind kind : kDxfChoices)
        for (bool append : {false, true}) {
            test::ScriptedPrompts prompts;
            prompts.offsets.push_back(VertexOffset{0.5f, 0, -2});
            test::RecordingLog log;
            const Project start = startingProject(append);
            Project p = start;
            RandomColours colours{1};
            auto r = importDxfLines(p, lines, "fuzz.dxf", kind, prompts, log, colours);
            if (r.outcome != Outcome::Done) {
                check(p.object == start.object && p.GeometryPresent == start.GeometryPresent);
                continue;
            }
            check(!findObjectFault(p.object));
            removeDoubleVerticesCommand(p, log);
            check(!findObjectFault(p.object));
        }
    return 0;
}
