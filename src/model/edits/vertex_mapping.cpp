#include "model/edits/vertex_mapping.hpp"

#include "model/edits/edit.hpp"

#include <cmath>
#include <limits>

namespace meshsmith {
namespace {

bool fitsFloat(double value) {
    return std::isfinite(value) && std::fabs(value) <= std::numeric_limits<float>::max();
}

} // namespace

std::optional<Vertex> storedPosition(const Position& q) {
    if (!fitsFloat(q[0]) || !fitsFloat(q[1]) || !fitsFloat(q[2])) return std::nullopt;
    return Vertex{static_cast<float>(q[0]), static_cast<float>(q[1]), static_cast<float>(q[2])};
}

std::string outOfRangeMessage(std::size_t vertex, const char* nothingWas) {
    return "Vertex " + std::to_string(vertex) +
           " would leave the range of coordinates (about 3.4E38): nothing was " + nothingWas;
}

OperationResult mapVertices(Project& p, const std::string& name, const std::vector<bool>& affected,
                            const Mapping& f, const char* nothingWas,
                            const std::function<void()>& log) {
    std::vector<Vertex> table = p.object.vertices;
    for (std::size_t k = 0; k < table.size(); ++k) {
        if (!affected[k]) continue;
        const auto moved = storedPosition(f(table[k]));
        if (!moved) return OperationResult::refused(outOfRangeMessage(k, nothingWas));
        table[k] = *moved;
    }
    return applyEdit(p, name, [&](Project& p) {
        p.object.vertices = std::move(table);
        updateBounds(p);
        log();
        return OperationResult{};
    });
}

} // namespace meshsmith
