#pragma once
// Which polygons straddle which plane, kept up to date during one tree build
// so that the split counts of candidate planes need not rescan the whole
// polygon table for every node. A polygon's relation to a plane depends only
// on its vertices, so an entry stays right until the record is rewritten.
// The polygons of the table at the start are found through a tree of balls;
// the builder reports every rewrite of a slot, and appended slots are seen on
// the next look; both go into a log whose events are grouped in runs with a
// ball round each run, so that a run clear of the plane is passed over whole.

#include "ball_tree.hpp"
#include "kiln_state.hpp"
#include "polygon_balls.hpp"

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace meshsmith::kiln {

class StraddleIndex {
  public:
    // The index over the tables as they are now.
    explicit StraddleIndex(const KilnState& k);

    // The live polygons that `plane` straddles, in no particular order.
    const std::vector<int>& straddling(int plane);

    // The record in `slot` was rewritten.
    void rewritten(int slot);
    // Every slot rewritten so far, in order.
    const std::vector<int>& changes() const { return changes_; }

    // The length of the log now (slots appended so far are logged first).
    std::size_t mark();
    // 0 while the slot holds the record it had at the start, else one more
    // than its latest place in the log: changed after mark m when above m.
    std::size_t stamp(int slot) const { return stamp_[static_cast<std::size_t>(slot)]; }
    // Whether live polygon `slot` straddles the plane (PolyPlaneREL 999).
    bool straddles(int slot, int plane, const PlaneBound& bound);
    // The ball of the record in `slot` now.
    const PolygonBall& ball(int slot);

  private:
    struct Entry {
        std::vector<int> slots;
        std::vector<std::uint32_t> versions; // of each slot's record when it was found
        std::size_t applied = 0;             // events looked at so far
    };
    struct Run {
        std::size_t first, last; // events first .. last-1
        PolygonBall ball;        // round the live records of those events when closed
    };
    // Makes room in the tables by slot for slots 0 .. slots-1.
    void cover(int slots);
    void logEvent(int slot);
    void logAppended();
    void consider(int slot, int plane, const PlaneBound& bound, Entry& entry);
    void update(int plane, Entry& entry);

    const KilnState& k_;
    BallTree start_;                     // the live polygons at the start
    std::vector<int> changes_;           // rewrites reported by the builder
    std::vector<int> events_;            // rewrites and appends, in order
    std::vector<Run> runs_;              // closed runs of events_
    std::vector<std::uint32_t> version_; // per slot: rewrites so far
    std::vector<std::size_t> stamp_;     // per slot: see stamp()
    std::vector<PolygonBall> balls_;     // per slot, for its current record
    std::vector<bool> ballKnown_;
    int logged_; // slots appended from here on are not logged yet
    std::unordered_map<int, Entry> entries_;
};

} // namespace meshsmith::kiln
