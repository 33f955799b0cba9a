#include "collision_faces.hpp"

#include "editor/core/attributes/attribute_rules.hpp"

#include <algorithm>

namespace meshsmith::viewer {
namespace {

std::vector<Point> cutByOthers(std::vector<Point> piece, const inspect3do::ThreeDoFile& f,
                               const inspect3do::CollisionVolume& volume, std::size_t self) {
    for (std::size_t k = 0; k < volume.planes.size() && !piece.empty(); ++k) {
        if (k == self) continue;
        const inspect3do::Plane& other = f.planes[static_cast<std::size_t>(volume.planes[k].plane)];
        std::vector<Point> behind = clipToSide(piece, other, false);
        piece = behind.empty() ? clipToSide(piece, other, true) : std::move(behind);
    }
    return piece;
}

std::string reboundName(std::int32_t code) {
    const auto& names = reboundNames();
    return code >= 0 && static_cast<std::size_t>(code) < names.size()
               ? names[static_cast<std::size_t>(code)]
               : std::to_string(code);
}

} // namespace

std::vector<CollisionFace> collisionFaces(const inspect3do::ThreeDoFile& f, const Box& box) {
    std::vector<CollisionFace> faces;
    if (!f.collision) return faces;
    for (std::size_t v = 0; v < f.collision->volumes.size(); ++v) {
        const inspect3do::CollisionVolume& volume = f.collision->volumes[v];
        for (std::size_t k = 0; k < volume.planes.size(); ++k) {
            const inspect3do::Plane& plane =
                f.planes[static_cast<std::size_t>(volume.planes[k].plane)];
            std::vector<Point> piece = cutByOthers(planeInBox(plane, box), f, volume, k);
            if (!piece.empty()) faces.push_back({v, volume.planes[k].type, std::move(piece)});
        }
    }
    return faces;
}

std::string volumeLine(const inspect3do::CollisionVolume& volume, std::size_t index) {
    std::vector<std::string> names;
    for (const inspect3do::CollisionPlaneRecord& p : volume.planes) {
        const std::string name = reboundName(p.type);
        if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
    }
    std::string line = "Volume " + std::to_string(index) + ":";
    for (std::size_t k = 0; k < names.size(); ++k)
        line += (k == 0 ? " " : ", ") + names[k];
    const std::size_t n = volume.planes.size();
    return line + " (" + std::to_string(n) + (n == 1 ? " plane)" : " planes)");
}

} // namespace meshsmith::viewer
