// Scoring planes: the root statistics, clipper priority and the split count
// of a candidate plane.

#include "bsp_builder.hpp"
#include "bsp_regions.hpp"
#include "plane_tests.hpp"

#include <algorithm>
#include <stdexcept>

namespace meshsmith::kiln {

namespace {
bool isLive(const KilnState& k, int p) {
    return k.e[static_cast<std::size_t>(p)] == 0;
}
} // namespace

void SortPlanes(KilnState& k) {
    const auto planes = static_cast<std::size_t>(k.planeCount);
    std::fill(k.f.begin(), k.f.begin() + k.planeCount, 0);
    std::fill(k.g.begin(), k.g.begin() + k.planeCount, 0);
    std::vector<int> relation(planes);
    for (int q = 0; q < k.polyCount; ++q) {
        if (!isLive(k, q)) continue;
        int straddling = 0;
        for (std::size_t p = 0; p < planes; ++p) {
            relation[p] = PolyPlaneREL(k, q, static_cast<int>(p));
            if (relation[p] == kStraddles) ++straddling;
        }
        for (std::size_t p = 0; p < planes; ++p) {
            if (relation[p] == 0) k.f[p] += straddling;
            if (relation[p] == kStraddles) ++k.g[p];
        }
    }
}

int PlaneQuality(const KilnState& k, int planeNum) {
    const auto p = static_cast<std::size_t>(planeNum);
    return k.f.at(p) - k.g.at(p);
}

int PlaneQuality2(const KilnState& k, int planeNum) {
    const auto p = static_cast<std::size_t>(planeNum);
    return k.f.at(p) - k.g.at(p) + (k.g.at(p) == 0 ? 1000 : 0);
}

int FindClippers(KilnState& k) {
    if (k.clipperStringNum == -1) return 0;
    for (int p = 0; p < k.polyCount; ++p) {
        const poly& q = k.polygon[static_cast<std::size_t>(p)];
        // A polygon that found no plane has none to raise.
        if (q.stringNum == k.clipperStringNum && q.inPlane >= 0)
            k.f[static_cast<std::size_t>(q.inPlane)] += kClipperBonus;
    }
    return 1;
}

CutCounter::CutCounter(const KilnState& k, const node* treeNode, StraddleIndex* index)
    : k_(k), index_(index), ancestors_(ancestorPlanes(treeNode)),
      offsets_(static_cast<std::size_t>(k.polyCount), -1) {}

int CutCounter::relationsOf(int q) {
    int& offset = offsets_[static_cast<std::size_t>(q)];
    if (offset < 0) {
        offset = static_cast<int>(relations_.size());
        for (int a : ancestors_)
            relations_.push_back(PolyPlaneREL(k_, q, a));
    }
    return offset;
}

bool CutCounter::excluded(int r, int ownOffset) {
    const int inPlane = k_.polygon[static_cast<std::size_t>(r)].inPlane;
    const int theirOffset = relationsOf(r); // may move relations_: offsets, not pointers
    const int* own = relations_.data() + ownOffset;
    const int* theirs = relations_.data() + theirOffset;
    for (std::size_t i = 0; i < ancestors_.size(); ++i)
        if (ancestors_[i] == inPlane || own[i] == -theirs[i]) return true;
    return false;
}

int CutCounter::count(int polyNum, int planeNum) {
    if (planeNum < 0 || planeNum >= kMaxPlanes) throw std::out_of_range("numCutPolys: plane");
    if (polyNum < 0 || polyNum >= k_.polyCount) throw std::out_of_range("numCutPolys: polygon");
    if (k_.f[static_cast<std::size_t>(planeNum)] > kClipperBonus) return -1;
    const int own = relationsOf(polyNum);
    const auto ownBegin = relations_.begin() + own;
    auto key = std::make_pair(
        planeNum,
        std::vector<int>(ownBegin, ownBegin + static_cast<std::ptrdiff_t>(ancestors_.size())));
    if (auto known = counts_.find(key); known != counts_.end()) return known->second;
    int cuts = 0;
    const auto consider = [&](int r) {
        if (isLive(k_, r) && !excluded(r, own)) ++cuts;
    };
    if (index_ != nullptr) {
        for (int r : index_->straddling(planeNum))
            consider(r);
    } else {
        for (int r = 0; r < k_.polyCount; ++r)
            if (PolyPlaneREL(k_, r, planeNum) == kStraddles) consider(r);
    }
    counts_.emplace(std::move(key), cuts);
    return cuts;
}

int numCutPolys(const KilnState& k, int polyNum, int planeNum, const node* treeNode) {
    return CutCounter(k, treeNode).count(polyNum, planeNum);
}

} // namespace meshsmith::kiln
