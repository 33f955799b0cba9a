#include "bsp_regions.hpp"

#include "plane_tests.hpp"

namespace meshsmith::kiln {

std::vector<int> ancestorPlanes(const node* n) {
    std::vector<int> planes;
    for (const node* w = n; w != nullptr && w->parentValue != kRootParentValue; w = w->parent)
        planes.push_back(w->parentValue);
    return planes;
}

bool outsideBySplit(const KilnState& k, const node* n, int p) {
    for (const node* w = n; w != nullptr && w->parentValue != kRootParentValue; w = w->parent) {
        const int plane = w->parentValue;
        if (PolyPlaneREL(k, p, plane) == -PolyPlaneREL(k, k.chosenPoly, plane)) return true;
    }
    return false;
}

bool outsideBySide(const KilnState& k, const node* n, int p) {
    for (const node* w = n; w != nullptr && w->parentValue != kRootParentValue; w = w->parent) {
        const int relation = PolyPlaneREL(k, p, w->parentValue);
        if (w->isLeftNode == 1 && relation == -1) return true;
        if (w->isLeftNode == 0 && relation == 1) return true;
    }
    return false;
}

} // namespace meshsmith::kiln
