#include "threedo_geometry.hpp"

#include "threedo_check.hpp"

#include <algorithm>
#include <array>
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

int facingAgainst(const ThreeDoFile& file, const Record& polygon, const Plane& plane) {
    const std::size_t n = polygon.vertices.size();
    std::array<double, 3> normal{0, 0, 0};
    double longest = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const Vertex& a = file.vertices[static_cast<std::size_t>(polygon.vertices[i])];
        const Vertex& b = file.vertices[static_cast<std::size_t>(polygon.vertices[(i + 1) % n])];
        normal[0] += (double{a.y} - b.y) * (double{a.z} + b.z);
        normal[1] += (double{a.z} - b.z) * (double{a.x} + b.x);
        normal[2] += (double{a.x} - b.x) * (double{a.y} + b.y);
        longest = std::max(longest, std::hypot(double{a.x} - b.x, double{a.y} - b.y,
                                                double{a.z} - b.z));
    }
    const double area = std::hypot(normal[0], normal[1], normal[2]) / 2;
    if (!(area >= kPlaneTolerance * longest) || !(area > 0)) return 0;
    const double along = normal[0] * plane.a + normal[1] * plane.b + normal[2] * plane.c;
    return along > 0 ? 1 : along < 0 ? -1 : 0;
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

// A polygon of a node and the group it was filed in.
struct Filed {
    const Record* polygon;
    bool back;
};

class GeometryCheck {
  public:
    explicit GeometryCheck(const ThreeDoFile& file)
        : f_(file), polygons_(file.records.size()), boxes_(file.records.size()) {}

    GeometryFindings run() {
        for (std::size_t i = 0; i < f_.records.size(); ++i) {
            const Record& node = f_.records[i];
            if (!isNodeType(node.type)) continue;
            collect(node, i);
            if (!checkOwnPolygons(node, i) || !checkFacing(node, i) ||
                !checkSubtree(node, node.left, true) || !checkSubtree(node, node.right, false))
                break;
        }
        return {violation_, thinPolygons_};
    }

  private:
    const ThreeDoFile& f_;
    std::vector<std::vector<Filed>> polygons_; // per node record
    std::vector<Box> boxes_;                   // per node record: its whole subtree
    std::optional<Violation> violation_;
    std::size_t thinPolygons_ = 0;

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

    void addChild(std::int32_t childOffset, bool back, std::vector<Filed>& out) const {
        const Record& child = *f_.recordAt(childOffset);
        if (child.type != kListRecord) {
            out.push_back({&child, back});
            return;
        }
        for (const std::int32_t item : child.items)
            out.push_back({f_.recordAt(item), back});
    }
    void addGroup(std::int32_t groupOffset, bool back, std::vector<Filed>& out) const {
        if (groupOffset == -1) return;
        const Record& group = *f_.recordAt(groupOffset);
        if (group.type != kListRecord) {
            addChild(group.child, back, out);
            return;
        }
        for (const std::int32_t item : group.items)
            addChild(f_.recordAt(item)->child, back, out);
    }

    // The node's polygons and the box of its subtree; children come earlier in
    // the file, so their boxes are ready.
    void collect(const Record& node, std::size_t index) {
        addGroup(node.frontGroup, false, polygons_[index]);
        addGroup(node.backGroup, true, polygons_[index]);
        Box& box = boxes_[index];
        for (const Filed& filed : polygons_[index])
            for (const std::int32_t number : filed.polygon->vertices)
                box.add(f_.vertices[static_cast<std::size_t>(number)]);
        for (const std::int32_t child : {node.left, node.right})
            if (child != -1) box.add(boxes_[indexAt(child)]);
    }

    bool checkOwnPolygons(const Record& node, std::size_t index) {
        for (const Filed& filed : polygons_[index])
            if (sideOfPlane(f_, *filed.polygon, planeOf(node)) != PlaneSide::InPlane)
                return fail("polygon does not lie in plane " + std::to_string(node.plane) +
                                " of its node at data offset " + std::to_string(node.offset),
                            *filed.polygon);
        return true;
    }

    // The game draws a node's front group when the viewer is in front of its
    // plane, the back group from behind: a polygon must face the viewer who
    // sees it drawn.
    bool checkFacing(const Record& node, std::size_t index) {
        for (const Filed& filed : polygons_[index]) {
            const int facing = facingAgainst(f_, *filed.polygon, planeOf(node));
            if (facing == 0) {
                ++thinPolygons_;
                continue;
            }
            if (facing == (filed.back ? -1 : 1)) continue;
            return fail(std::string("polygon in the ") + (filed.back ? "back" : "front") +
                            " group of the node at data offset " + std::to_string(node.offset) +
                            " faces " + (filed.back ? "along" : "against") + " the normal of plane " +
                            std::to_string(node.plane),
                        *filed.polygon);
        }
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
            for (const Filed& filed : polygons_[index])
                if (sideOfPlane(f_, *filed.polygon, plane) == wrong)
                    return fail(std::string("polygon of the ") + (front ? "front" : "back") +
                                    " subtree of the node at data offset " +
                                    std::to_string(node.offset) + " lies wholly " +
                                    (front ? "behind" : "in front of") + " its plane",
                                *filed.polygon);
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

GeometryFindings checkTreeGeometry(const ThreeDoFile& file) {
    return GeometryCheck(file).run();
}

} // namespace meshsmith::inspect3do
