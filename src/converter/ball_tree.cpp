#include "ball_tree.hpp"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace meshsmith::kiln {

namespace {

constexpr int kLeafSize = 8;

PolygonBall enclosing(const PolygonBall* begin, const PolygonBall* end) {
    PolygonBall out;
    const auto n = static_cast<double>(end - begin);
    if (n <= 0) return out;
    double sx = 0, sy = 0, sz = 0;
    for (const PolygonBall* b = begin; b != end; ++b) {
        sx += b->x;
        sy += b->y;
        sz += b->z;
    }
    out.x = sx / n;
    out.y = sy / n;
    out.z = sz / n;
    double reach = 0;
    for (const PolygonBall* b = begin; b != end; ++b) {
        const double dx = b->x - out.x, dy = b->y - out.y, dz = b->z - out.z;
        reach = std::max(reach, std::sqrt(dx * dx + dy * dy + dz * dz) + b->reach);
    }
    // An unusable ball inside makes the whole one unusable (infinite reach).
    out.reach = reach * (1 + kRelativeRoom);
    out.extent = std::max({std::fabs(out.x), std::fabs(out.y), std::fabs(out.z)}) + out.reach;
    if (!std::isfinite(out.extent)) out.reach = std::numeric_limits<double>::infinity();
    return out;
}

} // namespace

PolygonBall enclosingBall(const std::vector<PolygonBall>& balls) {
    return enclosing(balls.data(), balls.data() + balls.size());
}

BallTree::BallTree(const KilnState& k, std::vector<int> slots) : slots_(std::move(slots)) {
    balls_.reserve(slots_.size());
    for (int s : slots_)
        balls_.push_back(ballOf(k, s));
    if (slots_.empty()) return;
    nodes_.emplace_back();
    build(0, static_cast<int>(slots_.size()), 0);
}

void BallTree::build(int first, int last, int at) {
    const PolygonBall* b = balls_.data();
    nodes_[static_cast<std::size_t>(at)].ball = enclosing(b + first, b + last);
    if (last - first <= kLeafSize) {
        nodes_[static_cast<std::size_t>(at)].first = first;
        nodes_[static_cast<std::size_t>(at)].last = last;
        return;
    }
    // Halve along the axis over which the centres spread most.
    double lo[3] = {INFINITY, INFINITY, INFINITY}, hi[3] = {-INFINITY, -INFINITY, -INFINITY};
    for (int i = first; i < last; ++i) {
        const PolygonBall& p = balls_[static_cast<std::size_t>(i)];
        const double c[3] = {p.x, p.y, p.z};
        for (int a = 0; a < 3; ++a) {
            lo[a] = std::min(lo[a], c[a]);
            hi[a] = std::max(hi[a], c[a]);
        }
    }
    int axis = 0;
    for (int a = 1; a < 3; ++a)
        if (hi[a] - lo[a] > hi[axis] - lo[axis]) axis = a;
    const auto coordinate = [axis](const PolygonBall& p) {
        return axis == 0 ? p.x : axis == 1 ? p.y : p.z;
    };
    std::vector<int> order(static_cast<std::size_t>(last - first));
    std::iota(order.begin(), order.end(), first);
    const int middle = (last - first) / 2;
    std::nth_element(order.begin(), order.begin() + middle, order.end(), [&](int i, int j) {
        return coordinate(balls_[static_cast<std::size_t>(i)]) <
               coordinate(balls_[static_cast<std::size_t>(j)]);
    });
    std::vector<int> slots;
    std::vector<PolygonBall> balls;
    for (int i : order) {
        slots.push_back(slots_[static_cast<std::size_t>(i)]);
        balls.push_back(balls_[static_cast<std::size_t>(i)]);
    }
    std::copy(slots.begin(), slots.end(), slots_.begin() + first);
    std::copy(balls.begin(), balls.end(), balls_.begin() + first);
    const int left = static_cast<int>(nodes_.size());
    nodes_[static_cast<std::size_t>(at)].left = left;
    nodes_.emplace_back();
    nodes_.emplace_back();
    build(first, first + middle, left);
    build(first + middle, last, left + 1);
}

} // namespace meshsmith::kiln
