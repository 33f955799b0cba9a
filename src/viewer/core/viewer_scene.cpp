#include "viewer_scene.hpp"

#include <algorithm>

namespace meshsmith::viewer {
namespace {

BoundingBox boundsOf(const inspect3do::ThreeDoFile& f) {
    BoundingBox b;
    for (std::size_t i = 0; i < f.vertices.size(); ++i) {
        const inspect3do::Vertex& v = f.vertices[i];
        b.minX = i == 0 ? v.x : std::min(b.minX, v.x);
        b.minY = i == 0 ? v.y : std::min(b.minY, v.y);
        b.minZ = i == 0 ? v.z : std::min(b.minZ, v.z);
        b.maxX = i == 0 ? v.x : std::max(b.maxX, v.x);
        b.maxY = i == 0 ? v.y : std::max(b.maxY, v.y);
        b.maxZ = i == 0 ? v.z : std::max(b.maxZ, v.z);
    }
    b.centreX = (b.minX + b.maxX) / 2;
    b.centreY = (b.minY + b.maxY) / 2;
    b.centreZ = (b.minZ + b.maxZ) / 2;
    return b;
}

void findBitmaps(ViewerScene& s, const std::vector<std::string>& folders) {
    for (const inspect3do::Record& r : s.file.records) {
        if (r.type != inspect3do::kTextureGroupRecord || s.bitmaps.count(r.stringOffset)) continue;
        const inspect3do::StringEntry* name = s.file.stringAt(r.stringOffset);
        const auto found = name ? findBitmap(name->text, folders) : std::nullopt;
        s.bitmaps[r.stringOffset] = found.value_or("");
        if (!found && name &&
            std::find(s.missingBitmaps.begin(), s.missingBitmaps.end(), name->text) ==
                s.missingBitmaps.end())
            s.missingBitmaps.push_back(name->text);
    }
}

} // namespace

ViewerScene viewerScene(inspect3do::ThreeDoFile file, const std::vector<std::string>& folders) {
    ViewerScene s;
    s.file = std::move(file);
    s.fromBehind = shownFromBehind(s.file);
    s.counts = sceneCounts(s.file, s.fromBehind);
    s.bounds = boundsOf(s.file);
    s.box = viewBox(s.file);
    s.collision = collisionFaces(s.file, s.box);
    findBitmaps(s, folders);
    return s;
}

} // namespace meshsmith::viewer
