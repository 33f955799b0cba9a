#include "region_flags.hpp"

#include "plane_tests.hpp"

#include <algorithm>

namespace meshsmith::kiln {

namespace {

// PolyPlaneREL's answers in a byte.
constexpr std::int8_t kUnknown = -128, kStraddleCode = 9, kUnhandledCode = 7;

std::int8_t relationCode(int relation) {
    return relation == kStraddles           ? kStraddleCode
           : relation == kUnhandledRelation ? kUnhandledCode
                                            : static_cast<std::int8_t>(relation);
}

int relationOfCode(std::int8_t code) {
    return code == kStraddleCode ? kStraddles : code == kUnhandledCode ? kUnhandledRelation : code;
}

bool isLive(const KilnState& k, int p) {
    return k.e[static_cast<std::size_t>(p)] == 0;
}

} // namespace

std::uint8_t RegionFlags::edgeFlags(int p, const node* w, int relation) const {
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
    if (!isLive(k_, p)) return kDead;
    std::uint8_t out = 0;
    for (const node* w = n_; w != nullptr && w->parentValue != kRootParentValue; w = w->parent) {
        out |= edgeFlags(p, w, PolyPlaneREL(k_, p, w->parentValue));
        if (out & kOutside) return kDead;
    }
    return out;
}

RegionFlags::RegionFlags(const KilnState& k, const node* n, RegionFlags* parent,
                         const std::vector<int>& changes)
    : k_(k), n_(n), known_(k.polyCount), applied_(changes.size()) {
    if (n->parentValue == kRootParentValue || parent == nullptr) {
        rebuild();
        return;
    }
    parent->refresh(changes);
    for (std::size_t i = 0; i < parent->members_.size(); ++i) {
        const int p = parent->members_[i];
        if (!isLive(k, p)) continue;
        // The edge to this node is the parent's own plane.
        const auto f =
            static_cast<std::uint8_t>(parent->flags_[i] | edgeFlags(p, n, parent->relationAt(i)));
        if (f & kOutside) continue;
        members_.push_back(p);
        flags_.push_back(f);
    }
    relations_.assign(members_.size(), kUnknown);
}

void RegionFlags::rebuild() {
    members_.clear();
    flags_.clear();
    for (int p = 0; p < k_.polyCount; ++p) {
        const std::uint8_t f = walkFlags(p);
        if (f & kOutside) continue;
        members_.push_back(p);
        flags_.push_back(f);
    }
    relations_.assign(members_.size(), kUnknown);
    known_ = k_.polyCount;
}

std::uint8_t RegionFlags::operator[](int p) const {
    const auto at = std::lower_bound(members_.begin(), members_.end(), p);
    if (at == members_.end() || *at != p) return kDead;
    return flags_[static_cast<std::size_t>(at - members_.begin())];
}

int RegionFlags::relationAt(std::size_t i) {
    std::int8_t& code = relations_[i];
    if (code == kUnknown) code = relationCode(PolyPlaneREL(k_, members_[i], n_->nodeValue));
    return relationOfCode(code);
}

void RegionFlags::release() {
    std::vector<int>().swap(members_);
    std::vector<std::uint8_t>().swap(flags_);
    std::vector<std::int8_t>().swap(relations_);
    released_ = true;
}

std::size_t RegionFlags::bytes() const {
    return members_.capacity() * sizeof(int) + flags_.capacity() + relations_.capacity();
}

void RegionFlags::refresh(const std::vector<int>& changes) {
    if (released_) {
        released_ = false;
        applied_ = changes.size();
        rebuild();
        return;
    }
    // The slots to work out again: rewritten ones already looked at, and appended ones.
    std::vector<int> again;
    for (; applied_ < changes.size(); ++applied_)
        if (changes[applied_] < known_) again.push_back(changes[applied_]);
    std::sort(again.begin(), again.end());
    again.erase(std::unique(again.begin(), again.end()), again.end());
    for (int p = known_; p < k_.polyCount; ++p)
        again.push_back(p);
    known_ = k_.polyCount;

    std::vector<int> members;
    std::vector<std::uint8_t> flags;
    std::vector<std::int8_t> relations;
    const auto keep = [&](int p, std::uint8_t f, std::int8_t relation) {
        members.push_back(p);
        flags.push_back(f);
        relations.push_back(relation);
    };
    std::size_t j = 0;
    for (std::size_t i = 0; i < members_.size() || j < again.size();) {
        if (j < again.size() && (i == members_.size() || again[j] <= members_[i])) {
            if (i < members_.size() && members_[i] == again[j]) ++i;
            const int p = again[j++];
            if (p >= k_.polyCount) continue; // the table shrank
            const std::uint8_t f = walkFlags(p);
            if (!(f & kOutside)) keep(p, f, kUnknown);
            continue;
        }
        if (isLive(k_, members_[i])) keep(members_[i], flags_[i], relations_[i]);
        ++i;
    }
    members_.swap(members);
    flags_.swap(flags);
    relations_.swap(relations);
}

} // namespace meshsmith::kiln
