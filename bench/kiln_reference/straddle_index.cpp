#include "straddle_index.hpp"

#include "plane_tests.hpp"

#include <algorithm>

namespace meshsmith::kiln {

void StraddleIndex::update(int plane, Entry& entry) {
    if (entry.scanned > k_.polyCount) entry = Entry{}; // the table shrank: look again
    for (; entry.applied < changes_.size(); ++entry.applied) {
        const int slot = changes_[entry.applied];
        if (slot >= entry.scanned) continue; // scanned below anyway
        const auto at = std::lower_bound(entry.polygons.begin(), entry.polygons.end(), slot);
        const bool listed = at != entry.polygons.end() && *at == slot;
        const bool straddles = PolyPlaneREL(k_, slot, plane) == kStraddles;
        if (listed && !straddles) entry.polygons.erase(at);
        if (!listed && straddles && k_.e[static_cast<std::size_t>(slot)] == 0)
            entry.polygons.insert(at, slot);
    }
    for (; entry.scanned < k_.polyCount; ++entry.scanned)
        if (PolyPlaneREL(k_, entry.scanned, plane) == kStraddles)
            entry.polygons.push_back(entry.scanned);
}

const std::vector<int>& StraddleIndex::straddling(int plane) {
    Entry& entry = entries_[plane];
    update(plane, entry);
    // A polygon placed or discarded during a build never becomes live again
    // (only live polygons are split), so it need not be looked at again.
    std::erase_if(entry.polygons, [&](int p) { return k_.e[static_cast<std::size_t>(p)] != 0; });
    return entry.polygons;
}

} // namespace meshsmith::kiln
