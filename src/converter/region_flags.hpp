#pragma once
// The polygons inside the region of one node, kept from node to node: the
// live polygons that pass the node's side test, in index order, with where
// they stand against the parent planes and their relation to the node's own
// plane. A child's region is its parent's filtered by the child's own edge,
// so a node costs one plane test per polygon of its parent's region instead
// of one per polygon of the table and parent plane. Slots rewritten since
// (the build's change log) and appended slots are worked out again in full.
// The region is only a faster way to the same answers, so it may be given
// back and worked out again when memory is short.

#include "kiln_state.hpp"

#include <cstdint>
#include <vector>

namespace meshsmith::kiln {

class RegionFlags {
  public:
    // Outside the node's region by the side test.
    static constexpr std::uint8_t kOutside = 1;
    // Its inPlane is one of the parent planes.
    static constexpr std::uint8_t kInParentPlane = 2;
    // Somewhere not strictly on the region's side of a parent plane (in it,
    // straddling it or outside).
    static constexpr std::uint8_t kOffSide = 4;
    // The flags of a polygon that is not live or not in the region.
    static constexpr std::uint8_t kDead = kOutside | kOffSide;

    // The region of node `n`; `parent` holds that of n's parent node (none
    // for the root, whose region is every live polygon).
    RegionFlags(const KilnState& k, const node* n, RegionFlags* parent,
                const std::vector<int>& changes);

    // Brings the region up to date with the tables.
    void refresh(const std::vector<int>& changes);

    // The polygons in the region at the last refresh, in index order (some
    // may have been placed since).
    const std::vector<int>& members() const { return members_; }
    // The flags of members()[i], and of any polygon (kDead outside the region).
    std::uint8_t flagsAt(std::size_t i) const { return flags_[i]; }
    std::uint8_t operator[](int p) const;
    // PolyPlaneREL of members()[i] with the node's own plane, worked out once.
    int relationAt(std::size_t i);

    // Gives back the memory; the next refresh works every live polygon out in full.
    void release();
    bool released() const { return released_; }
    std::size_t bytes() const;

  private:
    std::uint8_t edgeFlags(int p, const node* w, int relation) const;
    std::uint8_t walkFlags(int p) const;
    void rebuild();

    const KilnState& k_;
    const node* n_;
    std::vector<int> members_;
    std::vector<std::uint8_t> flags_;
    std::vector<std::int8_t> relations_; // kUnknown until asked
    int known_ = 0;                      // slots below this were looked at
    std::size_t applied_ = 0;
    bool released_ = false;
};

} // namespace meshsmith::kiln
