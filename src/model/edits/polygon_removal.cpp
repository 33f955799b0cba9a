#include "model/edits/polygon_removal.hpp"

#include <algorithm>
#include <string>

namespace meshsmith {
namespace {

// Old polygon number -> new one, or -1 for a removed polygon.
std::vector<std::int32_t> newNumbers(std::size_t count, const std::vector<bool>& gone) {
    std::vector<std::int32_t> to(count, -1);
    std::int32_t next = 0;
    for (std::size_t k = 0; k < count; ++k)
        if (!gone[k]) to[k] = next++;
    return to;
}

// Planes follow their polygons; returns how many planes were dropped.
std::size_t renumberPlanes(std::vector<CollVol>& volumes, const std::vector<std::int32_t>& to) {
    std::size_t dropped = 0;
    for (CollVol& vol : volumes) {
        CollVol kept;
        for (std::size_t j = 0; j < vol.PlanePolygons.size(); ++j) {
            const std::int32_t old = vol.PlanePolygons[j];
            const bool known = old >= 0 && static_cast<std::size_t>(old) < to.size();
            if (known && to[static_cast<std::size_t>(old)] < 0) {
                ++dropped;
                continue;
            }
            kept.PlanePolygons.push_back(known ? to[static_cast<std::size_t>(old)] : old);
            kept.PlaneRebounds.push_back(j < vol.PlaneRebounds.size() ? vol.PlaneRebounds[j] : 0);
        }
        kept.PlaneCount = static_cast<std::int32_t>(kept.PlanePolygons.size());
        vol = std::move(kept);
    }
    std::erase_if(volumes, [](const CollVol& v) { return v.PlaneCount == 0; });
    return dropped;
}

} // namespace

std::size_t removePolygons(Project& p, std::vector<std::int32_t> removed, LogSink& log) {
    std::vector<ObjectData>& polygons = p.object.polygons;
    std::vector<bool> gone(polygons.size(), false);
    std::size_t count = 0;
    for (std::int32_t k : removed)
        if (k >= 0 && static_cast<std::size_t>(k) < gone.size() && !gone[k]) {
            gone[static_cast<std::size_t>(k)] = true;
            ++count;
        }
    if (count == 0) return 0;
    const std::vector<std::int32_t> to = newNumbers(polygons.size(), gone);
    std::size_t k = 0;
    std::erase_if(polygons, [&](const ObjectData&) { return gone[k++]; });
    const std::size_t dropped = renumberPlanes(p.object.collision, to);
    if (dropped > 0)
        log.addLine(std::to_string(dropped) + " collision plane(s) of removed polygons dropped");
    return count;
}

} // namespace meshsmith
