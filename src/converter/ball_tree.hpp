#pragma once
// A tree of balls over a set of polygons, for finding the polygons that may
// lie in or across a plane without a test per polygon: a branch whose ball is
// clear of the plane (polygon_balls.hpp) holds only polygons wholly on one
// side of it. The tree describes the records as they were when it was built.

#include "kiln_state.hpp"
#include "polygon_balls.hpp"

#include <array>
#include <vector>

namespace meshsmith::kiln {

// The smallest ball round the centre of the given balls' centres that holds
// them all (a little larger, for rounding). Empty input gives no usable ball.
PolygonBall enclosingBall(const std::vector<PolygonBall>& balls);

class BallTree {
  public:
    // The tree over the polygons `slots`.
    BallTree(const KilnState& k, std::vector<int> slots);

    // Calls visit(slot) for every polygon of the tree whose own ball is not
    // clear of `plane`, in no particular order.
    template <typename Visit> void near(const PlaneBound& plane, Visit&& visit) const {
        if (nodes_.empty()) return;
        // Depth-first: the stack never holds more than one node per level and one more.
        std::array<int, 2 * kMaxDepth> stack{};
        std::size_t top = 0;
        stack[top++] = 0;
        while (top > 0) {
            const Node& n = nodes_[static_cast<std::size_t>(stack[--top])];
            if (clearOf(plane, n.ball)) continue;
            if (n.first < 0) {
                stack[top++] = n.left;
                stack[top++] = n.left + 1;
                continue;
            }
            for (int i = n.first; i < n.last; ++i)
                if (!clearOf(plane, balls_[static_cast<std::size_t>(i)]))
                    visit(slots_[static_cast<std::size_t>(i)]);
        }
    }

  private:
    // Halving a table of at most 2^31 slots gives fewer levels than this.
    static constexpr std::size_t kMaxDepth = 40;
    struct Node {
        PolygonBall ball;
        int left = -1;             // inner node: its children are left and left + 1
        int first = -1, last = -1; // leaf: slots_[first .. last-1]
    };
    // Fills node `at` with the polygons at positions first .. last-1.
    void build(int first, int last, int at);

    std::vector<int> slots_;
    std::vector<PolygonBall> balls_; // by position in slots_
    std::vector<Node> nodes_;
};

} // namespace meshsmith::kiln
