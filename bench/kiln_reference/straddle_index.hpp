#pragma once
// Which polygons straddle which plane, kept up to date during one tree build
// so that the split counts of candidate planes need not rescan the whole
// polygon table for every node. A polygon's relation to a plane depends only
// on its vertices, so an entry stays right until the record is rewritten; the
// builder reports every rewrite of an existing slot, and slots appended since
// the last look are scanned on the next one.

#include "kiln_state.hpp"

#include <unordered_map>
#include <vector>

namespace meshsmith::kiln {

class StraddleIndex {
  public:
    explicit StraddleIndex(const KilnState& k) : k_(k) {}

    // The live polygons that `plane` straddles, in index order.
    const std::vector<int>& straddling(int plane);

    // The record in `slot` was rewritten.
    void rewritten(int slot) { changes_.push_back(slot); }
    // Every slot rewritten so far, in order.
    const std::vector<int>& changes() const { return changes_; }

  private:
    struct Entry {
        std::vector<int> polygons; // sorted
        int scanned = 0;           // slots 0 .. scanned-1 are reflected
        std::size_t applied = 0;   // changes applied so far
    };
    void update(int plane, Entry& entry);

    const KilnState& k_;
    std::vector<int> changes_;
    std::unordered_map<int, Entry> entries_;
};

} // namespace meshsmith::kiln
