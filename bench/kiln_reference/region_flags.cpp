#include "region_flags.hpp"

#include "plane_tests.hpp"

namespace meshsmith::kiln {

std::uint8_t RegionFlags::edgeFlags(int p, const node* w) const {
    const int relation = PolyPlaneREL(k_, p, w->parentValue);
    std::uint8_t out = 0;
    if ((w->isLeftNode == 1 && relation == -1) || (w->isLeftNode == 0 && relation == 1))
        out |= kOutside;
    // A node that is neither (never built) has no side: everything is off it.
    const int regionSide = w->isLeftNode == 1 ? 1 : w->isLeftNode == 0 ? -1 : 2;
    if (relation != regionSide) out |= kOffSide;
    if (k_.polygon[static_cast<std::size_t>(p)].inPlane == w->parentValue) out |= kInParentPlane;
    return out;
}

std::uint8_t RegionFlags::walkFlags(int p) const {
    // Placed and discarded polygons never become live again during a build,
    // and only live ones are asked about.
    if (k_.e[static_cast<std::size_t>(p)] != 0) return kDead;
    std::uint8_t out = 0;
    for (const node* w = n_; w != nullptr && w->parentValue != kRootParentValue; w = w->parent)
        out |= edgeFlags(p, w);
    return out;
}

RegionFlags::RegionFlags(const KilnState& k, const node* n, RegionFlags* parent,
                         const std::vector<int>& changes)
    : k_(k), n_(n), applied_(changes.size()) {
    const bool isRoot = n->parentValue == kRootParentValue;
    if (parent != nullptr && !isRoot) parent->refresh(changes);
    flags_.resize(static_cast<std::size_t>(k.polyCount), 0);
    if (isRoot) return;
    for (int p = 0; p < k.polyCount; ++p) {
        const auto u = static_cast<std::size_t>(p);
        if (k.e[u] != 0)
            flags_[u] = kDead;
        else
            flags_[u] = parent != nullptr
                            ? static_cast<std::uint8_t>(edgeFlags(p, n) | (*parent)[p])
                            : walkFlags(p);
    }
}

void RegionFlags::release() {
    std::vector<std::uint8_t>().swap(flags_);
    released_ = true;
}

void RegionFlags::refresh(const std::vector<int>& changes) {
    if (released_) {
        released_ = false;
        applied_ = changes.size();
        flags_.clear();
    }
    const auto known = static_cast<int>(flags_.size());
    for (; applied_ < changes.size(); ++applied_) {
        const int slot = changes[applied_];
        if (slot < known) flags_[static_cast<std::size_t>(slot)] = walkFlags(slot);
    }
    if (k_.polyCount < known) flags_.resize(static_cast<std::size_t>(k_.polyCount));
    for (int p = known; p < k_.polyCount; ++p)
        flags_.push_back(walkFlags(p));
}

} // namespace meshsmith::kiln
