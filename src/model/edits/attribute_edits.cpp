#include "model/edits/attribute_edits.hpp"

#include "model/edits/edit.hpp"

#include <algorithm>

namespace meshsmith {
namespace {

// "Polygon No. 5 already used by Volume No.0" for each polygon some volume holds.
std::string alreadyUsed(const Project& p, const std::vector<std::int32_t>& polygons) {
    std::string text;
    for (std::int32_t polygon : polygons)
        for (std::size_t v = 0; v < p.object.collision.size(); ++v) {
            const auto& planes = p.object.collision[v].PlanePolygons;
            if (std::find(planes.begin(), planes.end(), polygon) == planes.end()) continue;
            text += (text.empty() ? "" : "\r") + std::string("Polygon No. ") +
                    std::to_string(polygon) + " already used by Volume No." + std::to_string(v);
        }
    return text;
}

std::string fewCornersMessage(std::int32_t polygon) {
    return "Polygon No. " + std::to_string(polygon) +
           " has fewer than three different corners: it has no plane for a collision volume";
}

OperationResult refusedVolume(const Project& p, std::size_t volume) {
    if (volume < p.object.collision.size()) return {};
    return OperationResult::refused("There is no collision volume " + std::to_string(volume));
}

} // namespace

OperationResult addCollisionVolume(Project& p, std::vector<std::int32_t> polygons,
                                   std::int32_t rebound) {
    if (polygons.empty()) return OperationResult::refused(kSelectPolygonsMessage);
    std::sort(polygons.begin(), polygons.end());
    polygons.erase(std::unique(polygons.begin(), polygons.end()), polygons.end());
    if (polygons.front() < 0 ||
        static_cast<std::size_t>(polygons.back()) >= p.object.polygons.size())
        return OperationResult::refused(
            "There is no polygon " +
            std::to_string(polygons.front() < 0 ? polygons.front() : polygons.back()));
    if (const std::string used = alreadyUsed(p, polygons); !used.empty())
        return OperationResult::refused(used);
    for (std::int32_t k : polygons)
        if (distinctCorners(p.object.polygons[static_cast<std::size_t>(k)]) < 3)
            return OperationResult::refused(fewCornersMessage(k));
    return applyEdit(p, "Add Collision Volume", [&](Project& p) {
        CollVol volume;
        volume.PlaneCount = static_cast<std::int32_t>(polygons.size());
        volume.PlanePolygons = polygons;
        volume.PlaneRebounds.assign(polygons.size(), rebound);
        p.object.collision.push_back(std::move(volume));
        return OperationResult{};
    });
}

OperationResult setVolumeRebound(Project& p, std::size_t volume, std::int32_t rebound) {
    if (OperationResult check = refusedVolume(p, volume); !check.done()) return check;
    return applyEdit(p, "Edit Rebound", [&](Project& p) {
        auto& rebounds = p.object.collision[volume].PlaneRebounds;
        std::fill(rebounds.begin(), rebounds.end(), rebound);
        return OperationResult{};
    });
}

OperationResult removeCollisionVolume(Project& p, std::size_t volume) {
    if (OperationResult check = refusedVolume(p, volume); !check.done()) return check;
    return applyEdit(p, "Remove Collision Volume", [&](Project& p) {
        p.object.collision.erase(p.object.collision.begin() + static_cast<std::ptrdiff_t>(volume));
        return OperationResult{};
    });
}

OperationResult removeAllCollisionVolumes(Project& p) {
    return applyEdit(p, "Remove All Collision Volumes", [](Project& p) {
        p.object.collision.clear();
        return OperationResult{};
    });
}

OperationResult closeCollisionWork(Project& p) {
    if (!p.object.collision.empty() && p.object.collision.back().PlaneCount == 0)
        return removeCollisionVolume(p, p.object.collision.size() - 1);
    return {};
}

OperationResult setDisplayClass(Project& p, std::int32_t displayClass) {
    return applyEdit(p, "Set Object Visibility", [&](Project& p) {
        p.object.DisplayClass = displayClass;
        return OperationResult{};
    });
}

OperationResult setDescription(Project& p, std::string description) {
    // Characters, not bytes: a UTF-8 character's continuation bytes do not count.
    const auto characters = std::count_if(description.begin(), description.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    });
    if (static_cast<std::size_t>(characters) > kDescriptionLimit)
        return OperationResult::refused("A description holds at most " +
                                        std::to_string(kDescriptionLimit) + " characters");
    std::replace_if(
        description.begin(), description.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return applyEdit(p, "Project Description", [&](Project& p) {
        p.object.ProjectDescription = description;
        return OperationResult{};
    });
}

} // namespace meshsmith
