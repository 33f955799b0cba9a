#include "model/edits/transformations.hpp"

#include "model/edits/edit.hpp"
#include "model/edits/record_edits.hpp"
#include "model/edits/vertex_mapping.hpp"
#include "model/number_text.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace meshsmith {
namespace {

// Which vertices the scope takes; the refusal when there are none.
OperationResult chooseVertices(const Project& p, const VertexChoice& which,
                               std::vector<bool>& affected) {
    const std::vector<Vertex>& vertices = p.object.vertices;
    if (vertices.empty()) return OperationResult::refused(kNoVerticesMessage);
    affected.assign(vertices.size(), true);
    if (which.scope == VertexScope::All) return {};
    affected = flagsOf(which.selected, vertices.size());
    if (!anyFlag(affected))
        return OperationResult::refused(kNoVerticesSelectedMessage);
    return {};
}

// The step `name` over the vertices of the scope.
OperationResult transformStep(
    Project& p, const std::string& name, const VertexChoice& which, const char* nothingWas,
    const Mapping& f, const std::function<void()>& log = [] {}) {
    std::vector<bool> affected;
    if (OperationResult r = chooseVertices(p, which, affected); !r.done()) return r;
    return mapVertices(p, name, affected, f, nothingWas, log);
}

std::size_t axisIndex(Axis axis) {
    return static_cast<std::size_t>(axis);
}

const char* const kAxisLogNames[] = {"X-Axis", "Y-Axis", "Z-Axis"};

// sin and cos of 0 <= degrees < 90, exact at 0, 30, 45 and 60.
std::pair<double, double> firstQuadrant(double degrees) {
    const double half3 = std::numbers::sqrt3 / 2, half2 = std::numbers::sqrt2 / 2;
    if (degrees == 0) return {0, 1};
    if (degrees == 30) return {0.5, half3};
    if (degrees == 45) return {half2, half2};
    if (degrees == 60) return {half3, 0.5};
    const double radians = degrees * std::numbers::pi / 180;
    return {std::sin(radians), std::cos(radians)};
}

} // namespace

const char* axisName(Axis axis) {
    const char* const names[] = {"X", "Y", "Z"};
    return names[axisIndex(axis)];
}

std::optional<TypedNumber> typedNumber(const std::string& text) {
    const auto value = parseReal(text);
    if (!value) return std::nullopt;
    return TypedNumber{text, *value};
}

Rotation rotationByDegrees(Axis axis, double degrees) {
    if (!std::isfinite(degrees)) return {axis, 0, 1};
    const double turned = std::fmod(std::fabs(degrees), 360.0);
    const int quarters = static_cast<int>(turned / 90);
    const auto [s, c] = firstQuadrant(turned - 90.0 * quarters);
    // sin and cos of (r + 90 q) from those of r.
    const std::pair<double, double> quarter[] = {{s, c}, {c, -s}, {-s, -c}, {-c, s}};
    Rotation r{axis, quarter[quarters].first, quarter[quarters].second};
    if (degrees < 0) r.sin = -r.sin;
    return r;
}

OperationResult rotateVerticesAbout(Project& p, const Rotation& r, const Vertex& pivot,
                                    const VertexChoice& which) {
    return transformStep(
        p, "Rotate Vertices", which, "turned",
        [&](const Vertex& v) {
            // The two coordinates that turn: about X y and z, about Y x and z, about Z x and y.
            const std::size_t a = r.axis == Axis::X ? 1 : 0, b = r.axis == Axis::Z ? 1 : 2;
            const Position centre = positionOf(pivot);
            Position q = positionOf(v);
            const double da = q[a] - centre[a], db = q[b] - centre[b];
            q[a] = centre[a] + da * r.cos - db * r.sin;
            q[b] = centre[b] + da * r.sin + db * r.cos;
            return q;
        });
}

OperationResult rotateVertices(Project& p, const Rotation& r, std::int32_t pivotVertex,
                               const VertexChoice& which) {
    Vertex pivot;
    if (pivotVertex != NoSelection) {
        if (pivotVertex < 0 || static_cast<std::size_t>(pivotVertex) >= p.object.vertices.size())
            return OperationResult::refused("The pivot vertex " + std::to_string(pivotVertex) +
                                            " no longer exists: choose the pivot again !");
        pivot = p.object.vertices[static_cast<std::size_t>(pivotVertex)];
    }
    return rotateVerticesAbout(p, r, pivot, which);
}

OperationResult moveVertices(Project& p, const std::array<TypedNumber, 3>& offsets,
                             const VertexChoice& which, LogSink& log) {
    const auto f = [&](const Vertex& v) {
        Position q = positionOf(v);
        for (std::size_t k = 0; k < 3; ++k)
            q[k] += offsets[k].value;
        return q;
    };
    return transformStep(p, "Move Vertices", which, "moved", f, [&] {
        const char* what =
            which.scope == VertexScope::All ? "Objects moved " : "Selected Vertice(s) moved ";
        for (std::size_t k = 0; k < 3; ++k)
            if (offsets[k].text != "0.0")
                log.addLine(what + offsets[k].text + " units along " + kAxisLogNames[k]);
    });
}

OperationResult mirrorVertices(Project& p, Axis axis, bool keepOriginal,
                               const VertexChoice& which, LogSink& log) {
    const std::size_t a = axisIndex(axis);
    std::vector<bool> affected;
    if (OperationResult r = chooseVertices(p, which, affected); !r.done()) return r;
    return applyEdit(p, "Mirror Vertices", [&](Project& p) {
        const std::size_t existing = p.object.vertices.size();
        for (std::size_t k = 0; k < existing; ++k) {
            if (!affected[k]) continue;
            Position q = positionOf(p.object.vertices[k]);
            if (keepOriginal && q[a] == 0) continue; // on the mirror plane: not doubled
            q[a] = -q[a];
            const Vertex mirrored{static_cast<float>(q[0]), static_cast<float>(q[1]),
                                  static_cast<float>(q[2])};
            if (keepOriginal)
                p.object.vertices.push_back(mirrored);
            else
                p.object.vertices[k] = mirrored;
        }
        updateBounds(p);
        log.addLine(std::string(keepOriginal ? "Vertices added, mirrored along "
                                             : "Objects mirrored along ") +
                    kAxisLogNames[a]);
        return OperationResult{};
    });
}

OperationResult scaleVertices(Project& p, const TypedNumber& factor, std::optional<Axis> axis,
                              const VertexChoice& which, LogSink& log) {
    const auto f = [&](const Vertex& v) {
        Position q = positionOf(v);
        for (std::size_t k = 0; k < 3; ++k)
            if (!axis || axisIndex(*axis) == k) q[k] *= factor.value;
        return q;
    };
    return transformStep(p, "Scale Vertices", which, "scaled", f, [&] {
        log.addLine((which.scope == VertexScope::All ? "All Vertices scaled by "
                                               : "Selected Vertices scaled by ") +
                    factor.text);
    });
}

OperationResult centerVertices(Project& p) {
    if (p.object.vertices.empty()) return OperationResult::refused(kNoVerticesMessage);
    updateBounds(p);
    const Position centre{p.bounds.centreX, p.bounds.centreY, p.bounds.centreZ};
    OperationResult result = transformStep(
        p, "Center All Vertices", VertexChoice{}, "moved",
        [&](const Vertex& v) {
            Position q = positionOf(v);
            for (std::size_t k = 0; k < 3; ++k)
                q[k] -= centre[k];
            return q;
        });
    if (result.done()) p.bounds.centreX = p.bounds.centreY = p.bounds.centreZ = 0;
    return result;
}

} // namespace meshsmith
