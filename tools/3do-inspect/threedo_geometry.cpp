#include "threedo_geometry.hpp"

#include "threedo_check.hpp"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace meshsmith::inspect3do {

PlaneSide sideOfPlane(const ThreeDoFile& file, const Record& polygon, const Plane& plane) {
    if (polygon.vertices.empty()) return PlaneSide::Other;
    double lowest = std::numeric_limits<double>::infinity();
    double highest = -lowest;
    for (const std::int32_t number : polygon.vertices) {
        const Vertex& v = file.vertices[static_cast<std::size_t>(number)];
        const double distance =
            double{plane.a} * v.x + double{plane.b} * v.y + double{plane.c} * v.z + double{plane.d};
        if (!std::isfinite(distance)) return PlaneSide::Other;
        lowest = std::min(lowest, distance);
        highest = std::max(highest, distance);
    }
    if (lowest >= -kPlaneTolerance && highest <= kPlaneTolerance) return PlaneSide::InPlane;
    if (lowest > kPlaneTolerance) return PlaneSide::WhollyInFront;
    if (highest < -kPlaneTolerance) return PlaneSide::WhollyBehind;
    return PlaneSide::Other;
}

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// Axis-aligned bounds of the vertices of a subtree's polygons.
struct Box {
    std::array<double, 3> low{kInfinity, kInfinity, kInfinity};
    std::array<double, 3> high{-kInfinity, -kInfinity, -kInfinity};

    bool empty() const { return low[0] > high[0]; }
    void add(const Vertex& v) {
        const std::array<double, 3> p{v.x, v.y, v.z};
        for (std::size_t i = 0; i < 3; ++i) {
            low[i] = std::min(low[i], p[i]);
            high[i] = std::max(high[i], p[i]);
        }
    }
    void add(const Box& other) {
        for (std::size_t i = 0; i < 3; ++i) {
            low[i] = std::min(low[i], other.low[i]);
            high[i] = std::max(high[i], other.high[i]);
        }
    }
    // The least (or greatest) distance of any point of the box to the plane.
    double extremeDistance(const Plane& plane, bool least) const {
        const std::array<double, 3> normal{plane.a, plane.b, plane.c};
        double sum = plane.d;
        for (std::size_t i = 0; i < 3; ++i)
            sum += normal[i] * (((normal[i] >= 0) == least) ? low[i] : high[i]);
        return sum;
    }
};

class GeometryCheck {
  public:
    explicit GeometryCheck(const ThreeDoFile& file)
        : f_(file), polygons_(file.records.size()), boxes_(file.records.size()) {}

    std::optional<Violation> run() {
        for (std::size_t i = 0; i < f_.records.size(); ++i) {
            const Record& node = f_.records[i];
            if (!isNodeType(node.type)) continue;
            collect(node, i);
            if (!checkOwnPolygons(node, i) || !checkSubtree(node, node.left, true) ||
                !checkSubtree(node, node.right, false))
                break;
        }
        return violation_;
    }

  private:
    const ThreeDoFile& f_;
    std::vector<std::vector<const Record*>> polygons_; // per node record
    std::vector<Box> boxes_;                           // per node record: its whole subtree
    std::optional<Violation> violation_;

    std::size_t indexAt(std::int32_t offset) const {
        return static_cast<std::size_t>(f_.recordAt(offset) - f_.records.data());
    }
    const Plane& planeOf(const Record& node) const {
        return f_.planes[static_cast<std::size_t>(node.plane)];
    }
    bool fail(std::string what, const Record& polygon) {
        violation_ = Violation{std::move(what), true, polygon.offset};
        return false;
    }

    void addChild(std::int32_t childOffset, std::vector<const Record*>& out) const {
        const Record& child = *f_.recordAt(childOffset);
        if (child.type != kListRecord) {
            out.push_back(&child);
            return;
        }
        for (const std::int32_t item : child.items)
            out.push_back(f_.recordAt(item));
    }
    void addGroup(std::int32_t groupOffset, std::vector<const Record*>& out) const {
        if (groupOffset == -1) return;
        const Record& group = *f_.recordAt(groupOffset);
        if (group.type != kListRecord) {
            addChild(group.child, out);
            return;
        }
        for (const std::int32_t item : group.items)
            addChild(f_.recordAt(item)->child, out);
    }

    // The node's polygons and the box of its subtree; children come earlier in
    // the file, so their boxes are ready.
    void collect(const Record& node, std::size_t index) {
        addGroup(node.frontGroup, polygons_[index]);
        addGroup(node.backGroup, polygons_[index]);
        Box& box = boxes_[index];
        for (const Record* polygon : polygons_[index])
            for (const std::int32_t number : polygon->vertices)
                box.add(f_.vertices[static_cast<std::size_t>(number)]);
        for (const std::int32_t child : {node.left, node.right})
            if (child != -1) box.add(boxes_[indexAt(child)]);
    }

    bool checkOwnPolygons(const Record& node, std::size_t index) {
        for (const Record* polygon : polygons_[index])
            if (sideOfPlane(f_, *polygon, planeOf(node)) != PlaneSide::InPlane)
                return fail("polygon does not lie in plane " + std::to_string(node.plane) +
                                " of its node at data offset " + std::to_string(node.offset),
                            *polygon);
        return true;
    }

    // No polygon of the subtree at `childOffset` lies wholly on the wrong side of
    // the node's plane: behind it for the front subtree, in front for the back.
    bool checkSubtree(const Record& node, std::int32_t childOffset, bool front) {
        if (childOffset == -1) return true;
        const Plane& plane = planeOf(node);
        const PlaneSide wrong = front ? PlaneSide::WhollyBehind : PlaneSide::WhollyInFront;
        std::vector<std::size_t> pending{indexAt(childOffset)};
        while (!pending.empty()) {
            const std::size_t index = pending.back();
            pending.pop_back();
            if (clearOfWrongSide(boxes_[index], plane, front)) continue;
            for (const Record* polygon : polygons_[index])
                if (sideOfPlane(f_, *polygon, plane) == wrong)
                    return fail(std::string("polygon of the ") + (front ? "front" : "back") +
                                    " subtree of the node at data offset " +
                                    std::to_string(node.offset) + " lies wholly " +
                                    (front ? "behind" : "in front of") + " its plane",
                                *polygon);
            const Record& sub = f_.records[index];
            for (const std::int32_t child : {sub.right, sub.left})
                if (child != -1) pending.push_back(indexAt(child));
        }
        return true;
    }

    // Half the tolerance as a margin, so that rounding in the box bound never
    // passes over a polygon that the exact test would report.
    static bool clearOfWrongSide(const Box& box, const Plane& plane, bool front) {
        if (box.empty()) return true;
        return front ? box.extremeDistance(plane, true) >= -kPlaneTolerance / 2
                     : box.extremeDistance(plane, false) <= kPlaneTolerance / 2;
    }
};

} // namespace

std::optional<Violation> checkTreeGeometry(const ThreeDoFile& file) {
    return GeometryCheck(file).run();
}

} // namespace meshsmith::inspect3do
