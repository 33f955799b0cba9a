// The collision data at the end of the PRIM chunk: a list of the volumes, and
// per volume a list of its planes followed by the plane records.

#include "threedo_parts.hpp"

#include <algorithm>

namespace meshsmith::kiln {

namespace {
constexpr std::int32_t kListRecord = 4;
constexpr std::int32_t kPlaneRecord = 6;
constexpr std::int32_t kPlaneRecordSize = 24;

std::int32_t writeVolume(const cVolume& v, PrimWriter& w) {
    std::int32_t offset = w.dataOffset();
    std::int32_t m = usableCount(v.numPlanes, kMaxCollisionPlanes, "collision plane");
    w.out.int32(kListRecord);
    w.out.int32(m);
    // The plane records follow the offsets directly.
    std::int32_t firstPlane = w.dataOffset() + 4 * m;
    for (std::int32_t j = 0; j < m; ++j)
        w.out.int32(firstPlane + kPlaneRecordSize * j);
    for (std::size_t j = 0; j < static_cast<std::size_t>(m); ++j) {
        w.out.int32(kPlaneRecord);
        w.out.int32(v.collisionPlane[j]);
        // Points at the next field, where the plane's type entry begins.
        w.out.int32(w.dataOffset() + 4);
        w.out.int32(16);
        w.out.int32(1);
        w.out.int32(v.type[j]);
    }
    return offset;
}
} // namespace

std::int32_t writeCollisionData(const KilnState& k, PrimWriter& w) {
    std::int32_t offset = w.dataOffset();
    std::int32_t n = usableCount(k.numCollisionVolumes, k.collisionVol.size(), "collision volume");
    w.out.int32(kListRecord);
    w.out.int32(n);
    std::size_t slots = w.out.size();
    for (std::int32_t i = 0; i < n; ++i)
        w.out.int32(-1);
    for (std::size_t i = 0; i < static_cast<std::size_t>(n); ++i)
        w.out.patchInt32(slots + 4 * i, writeVolume(k.collisionVol[i], w));
    return offset;
}

} // namespace meshsmith::kiln
