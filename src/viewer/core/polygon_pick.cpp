#include "polygon_pick.hpp"

#include <unordered_map>

namespace meshsmith::viewer {
namespace {

struct Flat {
    double x, y;
};

// Even-odd rule: a point on an edge may go either way.
bool inside(const std::vector<Flat>& outline, Flat p) {
    bool in = false;
    for (std::size_t i = 0, j = outline.size() - 1; i < outline.size(); j = i++) {
        const Flat a = outline[i], b = outline[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
            in = !in;
    }
    return in;
}

std::optional<std::vector<Flat>> screenOutline(const inspect3do::ThreeDoFile& f,
                                               const inspect3do::Record& polygon,
                                               const Matrix4& combined, const Viewport& viewport) {
    std::vector<Flat> outline;
    for (const std::int32_t v : polygon.vertices) {
        const inspect3do::Vertex& p = f.vertices[static_cast<std::size_t>(v)];
        // Behind the eye a point's projection turns over: such polygons are not picked.
        if (combined.transformPoint({p.x, p.y, p.z}).w <= 0) return std::nullopt;
        const auto w = projectToWindow(combined, viewport, {p.x, p.y, p.z});
        if (!w) return std::nullopt;
        outline.push_back({w->x, w->y});
    }
    return outline;
}

} // namespace

std::optional<std::size_t> polygonUnderPoint(const inspect3do::ThreeDoFile& f,
                                             const std::vector<DrawnPolygon>& drawn,
                                             const Matrix4& combined, const Viewport& viewport,
                                             double x, double y) {
    const Flat point{x, viewport.y + viewport.height - y};
    for (std::size_t k = drawn.size(); k-- > 0;) {
        const auto outline = screenOutline(f, *drawn[k].polygon, combined, viewport);
        if (outline && inside(*outline, point)) return k;
    }
    return std::nullopt;
}

std::vector<const inspect3do::Record*> nodePath(const inspect3do::ThreeDoFile& f,
                                                const inspect3do::Record& node) {
    std::unordered_map<std::int32_t, const inspect3do::Record*> parent;
    for (const inspect3do::Record& r : f.records) {
        if (!inspect3do::isNodeType(r.type)) continue;
        for (const std::int32_t child : {r.left, r.right})
            if (child != -1) parent[child] = &r;
    }
    std::vector<const inspect3do::Record*> path{&node};
    // References are sound, so the records form a tree and the walk ends.
    for (auto it = parent.find(node.offset); it != parent.end();
         it = parent.find(it->second->offset))
        path.insert(path.begin(), it->second);
    return path;
}

Eye eyeOfCamera(const Matrix4& m, bool perspective) {
    if (!perspective) return {m.at(2, 0), m.at(2, 1), m.at(2, 2), 0};
    // The centre is -R^T t for the rotation R and the move t.
    Eye eye;
    eye.x = -(m.at(0, 0) * m.at(0, 3) + m.at(1, 0) * m.at(1, 3) + m.at(2, 0) * m.at(2, 3));
    eye.y = -(m.at(0, 1) * m.at(0, 3) + m.at(1, 1) * m.at(1, 3) + m.at(2, 1) * m.at(2, 3));
    eye.z = -(m.at(0, 2) * m.at(0, 3) + m.at(1, 2) * m.at(1, 3) + m.at(2, 2) * m.at(2, 3));
    return eye;
}

} // namespace meshsmith::viewer
