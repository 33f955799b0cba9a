#pragma once
// Where every polygon stands against the parent planes of one node, kept from
// node to node: a child's flags are its parent's plus its own edge, so a node
// costs one plane test per polygon instead of one per polygon and parent.
// Slots rewritten since (the build's change log) and appended slots are
// worked out again in full. The flags are only a faster way to the same
// answers, so they may be given back and worked out again when memory is short.

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

    // The flags of node `n`; `parent` holds those of n's parent node (none for the root).
    RegionFlags(const KilnState& k, const node* n, RegionFlags* parent,
                const std::vector<int>& changes);

    // Brings the flags of the live polygons up to date with the tables.
    void refresh(const std::vector<int>& changes);

    // Gives back the memory; the next refresh works every live polygon out in full.
    void release();
    bool released() const { return released_; }
    std::size_t bytes() const { return flags_.capacity(); }

    // The flags of a polygon that is not live (never asked about).
    static constexpr std::uint8_t kDead = kOutside | kOffSide;

    std::uint8_t operator[](int p) const { return flags_[static_cast<std::size_t>(p)]; }

  private:
    std::uint8_t edgeFlags(int p, const node* w) const;
    std::uint8_t walkFlags(int p) const;

    const KilnState& k_;
    const node* n_;
    std::vector<std::uint8_t> flags_;
    std::size_t applied_ = 0;
    bool released_ = false;
};

} // namespace meshsmith::kiln
