#include "straddle_index.hpp"

#include "plane_tests.hpp"

#include <algorithm>

namespace meshsmith::kiln {

namespace {

// Events per run: few enough that a run's ball stays small (the events of one
// node's splits lie close together), many enough to pass over most at once.
constexpr std::size_t kRunLength = 32;

std::vector<int> liveSlots(const KilnState& k) {
    std::vector<int> slots;
    for (int p = 0; p < k.polyCount; ++p)
        if (k.e[static_cast<std::size_t>(p)] == 0) slots.push_back(p);
    return slots;
}

} // namespace

StraddleIndex::StraddleIndex(const KilnState& k)
    : k_(k), start_(k, liveSlots(k)), logged_(k.polyCount) {
    cover(k.polyCount);
}

void StraddleIndex::cover(int slots) {
    const auto n = static_cast<std::size_t>(slots);
    if (version_.size() >= n) return;
    version_.resize(n, 0);
    stamp_.resize(n, 0);
    balls_.resize(n);
    ballKnown_.resize(n, false);
}

const PolygonBall& StraddleIndex::ball(int slot) {
    const auto u = static_cast<std::size_t>(slot);
    if (!ballKnown_[u]) {
        balls_[u] = ballOf(k_, slot);
        ballKnown_[u] = true;
    }
    return balls_[u];
}

void StraddleIndex::logEvent(int slot) {
    events_.push_back(slot);
    stamp_[static_cast<std::size_t>(slot)] = events_.size();
    const std::size_t open = runs_.empty() ? 0 : runs_.back().last;
    if (events_.size() - open < kRunLength) return;
    // Close the run. Its records are as they are now until a later event.
    std::vector<PolygonBall> balls;
    for (std::size_t i = open; i < events_.size(); ++i)
        if (k_.e[static_cast<std::size_t>(events_[i])] == 0) balls.push_back(ball(events_[i]));
    runs_.push_back({open, events_.size(), enclosingBall(balls)});
}

void StraddleIndex::logAppended() {
    cover(k_.polyCount);
    for (; logged_ < k_.polyCount; ++logged_)
        logEvent(logged_);
}

void StraddleIndex::rewritten(int slot) {
    logAppended();
    const auto u = static_cast<std::size_t>(slot);
    ++version_[u];
    ballKnown_[u] = false;
    changes_.push_back(slot);
    logEvent(slot);
}

std::size_t StraddleIndex::mark() {
    logAppended();
    return events_.size();
}

bool StraddleIndex::straddles(int slot, int plane, const PlaneBound& bound) {
    return !clearOf(bound, ball(slot)) && PolyPlaneREL(k_, slot, plane) == kStraddles;
}

void StraddleIndex::consider(int slot, int plane, const PlaneBound& bound, Entry& entry) {
    const auto u = static_cast<std::size_t>(slot);
    if (k_.e[u] != 0 || !straddles(slot, plane, bound)) return;
    entry.slots.push_back(slot);
    entry.versions.push_back(version_[u]);
}

void StraddleIndex::update(int plane, Entry& entry) {
    logAppended();
    const PlaneBound bound = planeBound(k_, plane);
    // A slot with several events is looked at for its last one only; its
    // earlier listing, of an older version, no longer counts.
    const auto lookAt = [&](std::size_t from, std::size_t to) {
        for (std::size_t i = from; i < to; ++i)
            if (stamp_[static_cast<std::size_t>(events_[i])] == i + 1)
                consider(events_[i], plane, bound, entry);
    };
    auto run = std::upper_bound(runs_.begin(), runs_.end(), entry.applied,
                                [](std::size_t at, const Run& r) { return at < r.last; });
    if (run != runs_.end() && run->first < entry.applied) { // a run looked at in part
        lookAt(entry.applied, run->last);
        entry.applied = run->last;
        ++run;
    }
    for (; run != runs_.end(); ++run)
        if (!clearOf(bound, run->ball)) lookAt(run->first, run->last);
    lookAt(std::max(entry.applied, runs_.empty() ? 0 : runs_.back().last), events_.size());
    entry.applied = events_.size();
}

const std::vector<int>& StraddleIndex::straddling(int plane) {
    auto [at, isNew] = entries_.try_emplace(plane);
    Entry& entry = at->second;
    if (isNew) {
        // Records rewritten since the start are found through their events.
        const PlaneBound bound = planeBound(k_, plane);
        start_.near(bound, [&](int slot) {
            if (version_[static_cast<std::size_t>(slot)] == 0) consider(slot, plane, bound, entry);
        });
    }
    update(plane, entry);
    // A polygon placed or discarded during a build never becomes live again
    // (only live polygons are split), so it need not be looked at again; an
    // older version of a rewritten record is gone.
    std::size_t kept = 0;
    for (std::size_t i = 0; i < entry.slots.size(); ++i) {
        const auto u = static_cast<std::size_t>(entry.slots[i]);
        if (k_.e[u] != 0 || version_[u] != entry.versions[i]) continue;
        entry.slots[kept] = entry.slots[i];
        entry.versions[kept++] = entry.versions[i];
    }
    entry.slots.resize(kept);
    entry.versions.resize(kept);
    return entry.slots;
}

} // namespace meshsmith::kiln
