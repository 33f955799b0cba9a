#include "tree_checks.hpp"

#include "converter/bsp_builder.hpp"
#include "converter/plane_tests.hpp"
#include "converter/tree_choice.hpp"

#include <cmath>
#include <set>

namespace meshsmith::kiln::test {

std::vector<const node*> nodesOf(const node* root) {
    std::vector<const node*> out, stack;
    if (root != nullptr) stack.push_back(root);
    while (!stack.empty()) {
        const node* n = stack.back();
        stack.pop_back();
        out.push_back(n);
        if (n->right != nullptr) stack.push_back(n->right);
        if (n->left != nullptr) stack.push_back(n->left);
    }
    return out;
}

std::vector<int> listedPolygons(const node* n) {
    std::vector<int> out;
    if (n->centre == nullptr) return out;
    for (const list* item = n->centre->next; item != nullptr && item->polyIndex != -1;
         item = item->next)
        out.push_back(item->polyIndex);
    return out;
}

std::array<double, 3> vectorArea(const KilnState& k, int p) {
    const poly& q = k.polygon[static_cast<std::size_t>(p)];
    std::array<double, 3> s{0, 0, 0};
    for (int i = 0; i < q.polyVertexCount; ++i) {
        const auto a = static_cast<std::size_t>(q.vertexList[static_cast<std::size_t>(i)]);
        const auto b = static_cast<std::size_t>(
            q.vertexList[static_cast<std::size_t>((i + 1) % q.polyVertexCount)]);
        s[0] += double(k.y[a]) * k.z[b] - double(k.z[a]) * k.y[b];
        s[1] += double(k.z[a]) * k.x[b] - double(k.x[a]) * k.z[b];
        s[2] += double(k.x[a]) * k.y[b] - double(k.y[a]) * k.x[b];
    }
    return s;
}

double polygonArea(const KilnState& k, int p) {
    const std::array<double, 3> s = vectorArea(k, p);
    return std::sqrt(s[0] * s[0] + s[1] * s[1] + s[2] * s[2]);
}

std::map<int, double> areaByTexture(const KilnState& k, const std::vector<int>& polygons) {
    std::map<int, double> out;
    for (int p : polygons)
        out[k.polygon[static_cast<std::size_t>(p)].stringNum] += polygonArea(k, p);
    return out;
}

std::map<int, double> liveAreaByTexture(const KilnState& k) {
    std::vector<int> live;
    for (int p = 0; p < k.polyCount; ++p)
        if (k.e[static_cast<std::size_t>(p)] == 0) live.push_back(p);
    return areaByTexture(k, live);
}

node* buildTree(KilnState& k, const TreeBuilder& b) {
    const RootPlanes roots = chooseRootPlanes(k);
    k.nodeCount = 0;
    return b.build(k, b.secondRoot ? roots.bestRoot2 : roots.bestRoot, kRootParentValue,
                   &k.rootParent);
}

namespace {

void checkSubtreeSide(const KilnState& k, const node* ancestor, const node* sub, int forbidden,
                      std::vector<std::string>& faults) {
    for (const node* n : nodesOf(sub))
        for (int p : listedPolygons(n))
            if (PolyPlaneREL(k, p, ancestor->nodeValue) == forbidden)
                faults.push_back("polygon " + std::to_string(p) + " on the wrong side of plane " +
                                 std::to_string(ancestor->nodeValue));
}

void checkNode(const KilnState& k, const node* n, std::set<int>& placed,
               std::vector<std::string>& faults) {
    const std::string where = "node of plane " + std::to_string(n->nodeValue) + ": ";
    for (int p : listedPolygons(n)) {
        if (p < 0 || p >= k.polyCount) {
            faults.push_back(where + "polygon " + std::to_string(p) + " out of range");
            continue;
        }
        if (!placed.insert(p).second)
            faults.push_back(where + "polygon " + std::to_string(p) + " listed twice");
        if (k.e[static_cast<std::size_t>(p)] != -1)
            faults.push_back(where + "listed polygon still live");
        if (PolyPlaneREL(k, p, n->nodeValue) != 0)
            faults.push_back(where + "polygon " + std::to_string(p) + " not in the plane");
        if (k.TRIANGULARISE && k.polygon[static_cast<std::size_t>(p)].polyVertexCount != 3)
            faults.push_back(where + "polygon " + std::to_string(p) + " not a triangle");
    }
    for (const node* child : {n->left, n->right}) {
        if (child == nullptr) continue;
        if (child->parent != n || child->parentValue != n->nodeValue ||
            child->isLeftNode != (child == n->left ? 1 : 0))
            faults.push_back(where + "child links disagree");
    }
    checkSubtreeSide(k, n, n->left, -1, faults);
    checkSubtreeSide(k, n, n->right, 1, faults);
}

} // namespace

std::vector<std::string> treeFaults(const KilnState& k, const node* root) {
    std::vector<std::string> faults;
    std::set<int> placed;
    const auto nodes = nodesOf(root);
    for (const node* n : nodes)
        checkNode(k, n, placed, faults);
    for (int p = 0; p < k.polyCount; ++p)
        if (k.e[static_cast<std::size_t>(p)] == 0)
            faults.push_back("polygon " + std::to_string(p) + " left live");
    if (k.nodeCount != static_cast<int>(nodes.size()))
        faults.push_back("nodeCount " + std::to_string(k.nodeCount) + " for " +
                         std::to_string(nodes.size()) + " nodes");
    return faults;
}

} // namespace meshsmith::kiln::test
