#include "child_planes.hpp"

#include "ball_tree.hpp"
#include "bsp_regions.hpp"
#include "plane_tests.hpp"

#include <algorithm>
#include <optional>

namespace meshsmith::kiln {

namespace {

bool isLive(const KilnState& k, int p) {
    return k.e[static_cast<std::size_t>(p)] == 0;
}

// numCutPolys for the candidates of one pick. A candidate strictly on the
// region's side of every parent plane leaves out exactly the straddling
// polygons outside the region or in a parent plane, the same for every such
// candidate of a plane; other candidates are counted in full.
//
// The straddling polygons of the region come from the nearest list kept for
// the plane (the node's own from its last pick, else its parent's): its
// polygons unchanged since and still in the region, and the region's
// polygons changed since, tested afresh. Without a list they come from the
// build's index of the whole table. The lists of this pick replace the
// node's when it is done.
class PickCounter {
  public:
    PickCounter(Build& b, Frame& f, const Frame* parent)
        : b_(b), f_(f), parent_(parent), region_(*f.region) {
        next_.mark = b.index.mark();
        std::vector<std::uint8_t>& flags = b_.regionByPolygon;
        if (flags.size() < static_cast<std::size_t>(b_.k.polyCount))
            flags.resize(static_cast<std::size_t>(b_.k.polyCount), RegionFlags::kDead);
        for (std::size_t i = 0; i < region_.members().size(); ++i)
            flags[static_cast<std::size_t>(region_.members()[i])] = region_.flagsAt(i);
        if (b_.countByPlane.empty()) b_.countByPlane.assign(kMaxPlanes, -1);
    }
    ~PickCounter() {
        for (int p : region_.members())
            b_.regionByPolygon[static_cast<std::size_t>(p)] = RegionFlags::kDead;
        for (const StraddlerLists::Span& s : next_.spans)
            b_.countByPlane[static_cast<std::size_t>(s.plane)] = -1;
        std::sort(next_.spans.begin(), next_.spans.end(),
                  [](const auto& a, const auto& b) { return a.plane < b.plane; });
        f_.straddlers = std::move(next_);
    }
    PickCounter(const PickCounter&) = delete;
    PickCounter& operator=(const PickCounter&) = delete;

    // Candidate q is region.members()[i].
    int count(std::size_t i, int plane) {
        const int q = region_.members()[i];
        if (region_.flagsAt(i) & RegionFlags::kOffSide) {
            if (!full_) full_.emplace(b_.k, f_.n, &b_.index);
            return full_->count(q, plane);
        }
        if (b_.k.f[static_cast<std::size_t>(plane)] > kClipperBonus) return -1;
        int& known = b_.countByPlane[static_cast<std::size_t>(plane)];
        if (known >= 0) return known;
        const std::size_t first = next_.slots.size();
        known = collectStraddlers(plane);
        next_.spans.push_back({plane, first, next_.slots.size() - first});
        return known;
    }

  private:
    std::uint8_t flagOf(int r) const {
        const auto u = static_cast<std::size_t>(r);
        // Polygons appended since the region was worked out are outside it.
        return u < b_.regionByPolygon.size() ? b_.regionByPolygon[u] : RegionFlags::kDead;
    }

    // The lists of `plane` nearest to this node, and the span in them.
    std::pair<const StraddlerLists*, const StraddlerLists::Span*> nearest(int plane) const {
        for (const Frame* f : {static_cast<const Frame*>(&f_), parent_})
            if (f != nullptr)
                if (const StraddlerLists::Span* s = f->straddlers.find(plane))
                    return {&f->straddlers, s};
        return {nullptr, nullptr};
    }

    // The region's live polygons whose records changed after a mark, in
    // groups of neighbours in the table (made one after another, mostly
    // side by side) with a ball round each group.
    struct Changed {
        std::size_t mark;
        std::vector<int> slots;
        std::vector<PolygonBall> groups; // group g holds slots[g * kGroup ..]
    };
    static constexpr std::size_t kGroup = 16;

    const Changed& changedSince(std::size_t m) {
        for (const Changed& c : changed_)
            if (c.mark == m) return c;
        Changed c{m, {}, {}};
        for (int p : region_.members())
            if (isLive(b_.k, p) && b_.index.stamp(p) > m) c.slots.push_back(p);
        std::vector<PolygonBall> balls;
        for (std::size_t i = 0; i < c.slots.size(); i += kGroup) {
            balls.clear();
            for (std::size_t j = i; j < std::min(i + kGroup, c.slots.size()); ++j)
                balls.push_back(b_.index.ball(c.slots[j]));
            c.groups.push_back(enclosingBall(balls));
        }
        return changed_.emplace_back(std::move(c));
    }

    // Appends the region's polygons that straddle `plane` to next_.slots and
    // returns how many of them are not in a parent plane.
    int collectStraddlers(int plane) {
        std::vector<int>& out = next_.slots;
        int cuts = 0;
        const auto keep = [&](int r, std::uint8_t flags) {
            out.push_back(r);
            if (!(flags & RegionFlags::kInParentPlane)) ++cuts;
        };
        const auto [lists, span] = nearest(plane);
        if (lists == nullptr) {
            for (int r : b_.index.straddling(plane))
                if (const std::uint8_t f = flagOf(r); !(f & RegionFlags::kOutside)) keep(r, f);
            return cuts;
        }
        const int* from = lists->slots.data() + span->first;
        for (const int* r = from; r != from + span->count; ++r)
            if (const std::uint8_t f = flagOf(*r);
                !(f & RegionFlags::kOutside) && b_.index.stamp(*r) <= lists->mark)
                keep(*r, f);
        const PlaneBound bound = planeBound(b_.k, plane);
        const Changed& changed = changedSince(lists->mark);
        for (std::size_t g = 0; g < changed.groups.size(); ++g) {
            if (clearOf(bound, changed.groups[g])) continue;
            const std::size_t end = std::min((g + 1) * kGroup, changed.slots.size());
            for (std::size_t i = g * kGroup; i < end; ++i)
                if (b_.index.straddles(changed.slots[i], plane, bound))
                    keep(changed.slots[i], flagOf(changed.slots[i]));
        }
        return cuts;
    }

    Build& b_;
    Frame& f_;
    const Frame* parent_;
    RegionFlags& region_;
    StraddlerLists next_;
    std::optional<CutCounter> full_; // for the few candidates off the region's side
    std::vector<Changed> changed_;
};

} // namespace

const StraddlerLists::Span* StraddlerLists::find(int plane) const {
    const auto at = std::lower_bound(spans.begin(), spans.end(), plane,
                                     [](const Span& s, int p) { return s.plane < p; });
    return at != spans.end() && at->plane == plane ? &*at : nullptr;
}

Pick pickChildPlane(Build& b, Frame& f, const Frame* parent, int side) {
    const KilnState& k = b.k;
    RegionFlags& region = *f.region;
    region.refresh(b.index.changes());
    PickCounter counter(b, f, parent);
    Pick best;
    const std::vector<int>& members = region.members();
    for (std::size_t i = 0; i < members.size(); ++i) {
        const int q = members[i];
        const int plane = k.polygon[static_cast<std::size_t>(q)].inPlane;
        // A polygon without a plane cannot supply one.
        if (!isLive(k, q) || plane < 0 || region.relationAt(i) != side) continue;
        const int cuts = counter.count(i, plane);
        if (!best || cuts < best.cuts) best = Pick{q, plane, cuts};
    }
    return best;
}

} // namespace meshsmith::kiln
