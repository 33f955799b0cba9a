#include "reader_helpers.hpp"

#include "bsp_builder.hpp"
#include "polygon_preparation.hpp"
#include "readers.hpp"

namespace meshsmith::kiln {

std::int32_t findOrAppendString(KilnState& k, const std::string& name) {
    if (readers::holdsControlCharacter(name)) throw InputError(readers::kControlCharacterInName);
    const std::string stored = name.substr(0, kMaxStringLength);
    for (std::int32_t i = 0; i < k.stringCount; ++i)
        if (k.stringy[static_cast<std::size_t>(i)] == stored) return i;
    return appendString(k, stored);
}

void triangulateNonFlat(KilnState& k) {
    // Each polygon and then its new triangles find their planes in turn, as
    // if right after its triangulation: a polygon's triangulation does not
    // depend on the planes found before. A full polygon table stops the run
    // after the planes of the polygons before, as it would have then.
    const std::int32_t count = k.polyCount;
    std::vector<std::pair<int, int>> turns;
    try {
        for (std::int32_t p = 0; p < count; ++p) {
            const auto u = static_cast<std::size_t>(p);
            if (k.e[u] != 0 || k.polygon[u].inPlane != -1) continue;
            const std::int32_t before = k.polyCount;
            const int grown = Triangulate(k, p, 1);
            turns.emplace_back(p, p + 1);
            if (grown > 0) turns.emplace_back(before, k.polyCount);
        }
    } catch (const CapacityError&) {
        FindPlanesInTurn(k, turns, k.planeCount);
        throw;
    }
    FindPlanesInTurn(k, turns, k.planeCount);
}

void requireSomePolygon(const KilnState& k, const std::string& fileKind) {
    for (std::int32_t p = 0; p < k.polyCount; ++p)
        if (k.e[static_cast<std::size_t>(p)] == 0) return;
    throw InputError("The " + fileKind + " file holds no polygon with an area: nothing to convert");
}

} // namespace meshsmith::kiln
