#include "threedo_load.hpp"

#include "file_bytes.hpp"
#include "threedo_check.hpp"

#include <algorithm>

namespace meshsmith::viewer {
namespace {

std::string counted(std::size_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

} // namespace

LoadedThreeDo loadThreeDo(const std::string& path) {
    LoadedThreeDo loaded;
    std::string why;
    const auto bytes = inspect3do::readFileBytes(path, why);
    if (!bytes) {
        loaded.refusal = path + ": " + why;
        return loaded;
    }
    inspect3do::ParsedFile parsed = inspect3do::parseThreeDo(*bytes);
    std::optional<inspect3do::Violation> fault = parsed.violation;
    if (!fault)
        fault = inspect3do::checkParsedThreeDo(parsed.file, inspect3do::CheckDepth::References)
                    .violation;
    if (fault)
        loaded.refusal = path + ": not a 3DO file that can be shown (" + fault->text() + ")";
    else
        loaded.file = std::move(parsed.file);
    return loaded;
}

SceneCounts sceneCounts(const inspect3do::ThreeDoFile& f,
                        const std::vector<bool>& fromBehindFlags) {
    SceneCounts c;
    c.vertices = f.vertices.size();
    for (const inspect3do::Record& r : f.records) {
        c.nodes += inspect3do::isNodeType(r.type) ? 1 : 0;
        c.polygons += inspect3do::isPolygonType(r.type) ? 1 : 0;
    }
    c.volumes = f.collision ? f.collision->volumes.size() : 0;
    c.fromBehind =
        static_cast<std::size_t>(std::count(fromBehindFlags.begin(), fromBehindFlags.end(), true));
    return c;
}

std::string countsText(const SceneCounts& c) {
    return counted(c.vertices, "vertex", "vertices") + ", " +
           counted(c.polygons, "polygon", "polygons") + ", " + counted(c.nodes, "node", "nodes") +
           ", " + counted(c.volumes, "collision volume", "collision volumes") + ", " +
           std::to_string(c.fromBehind) + " shown from behind";
}

} // namespace meshsmith::viewer
