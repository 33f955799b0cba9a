#include "draw_order.hpp"

#include "threedo_check.hpp"

namespace meshsmith::viewer {

using inspect3do::Record;
using inspect3do::ThreeDoFile;

bool eyeInFront(const inspect3do::Plane& p, const Eye& eye) {
    return p.a * eye.x + p.b * eye.y + p.c * eye.z + p.d * eye.w > 0;
}

std::size_t recordIndex(const ThreeDoFile& file, const Record& record) {
    return static_cast<std::size_t>(&record - file.records.data());
}

namespace {

// The records a list stands for, or the one record itself.
std::vector<std::int32_t> itemsOf(const ThreeDoFile& f, std::int32_t offset) {
    const Record* r = f.recordAt(offset);
    return r->type == inspect3do::kListRecord ? r->items : std::vector<std::int32_t>{offset};
}

void appendGroup(const ThreeDoFile& f, const Record& node, bool back, bool reversed,
                 std::vector<DrawnPolygon>& out) {
    const std::int32_t group = back ? node.backGroup : node.frontGroup;
    if (group == -1) return;
    for (const std::int32_t g : itemsOf(f, group)) {
        const Record* texture = f.recordAt(g);
        for (const std::int32_t p : itemsOf(f, texture->child))
            out.push_back({f.recordAt(p), texture, &node, back, reversed});
    }
}

// One step of the walk: visit a node's subtree, or draw its facing group.
struct Step {
    const Record* node;
    bool draw;
};

} // namespace

std::vector<DrawnPolygon> drawOrder(const ThreeDoFile& f, const Eye& eye) {
    std::vector<DrawnPolygon> out;
    const Record* root = f.recordAt(f.rootOffset);
    if (root == nullptr) return out;
    std::vector<Step> steps{{root, false}};
    while (!steps.empty()) {
        const Step step = steps.back();
        steps.pop_back();
        const Record& node = *step.node;
        const bool front = eyeInFront(f.planes[static_cast<std::size_t>(node.plane)], eye);
        if (step.draw) {
            const bool twin = node.type == inspect3do::kTwinNode;
            appendGroup(f, node, !front && !twin, !front && twin, out);
            continue;
        }
        // Pushed in reverse: far side, the node's group, near side.
        const std::int32_t nearSide = front ? node.left : node.right;
        const std::int32_t farSide = front ? node.right : node.left;
        if (nearSide != -1) steps.push_back({f.recordAt(nearSide), false});
        steps.push_back({&node, true});
        if (farSide != -1) steps.push_back({f.recordAt(farSide), false});
    }
    return out;
}

std::vector<bool> shownFromBehind(const ThreeDoFile& f) {
    std::vector<bool> flags(f.records.size(), false);
    inspect3do::forEachDrawnPolygon(f, [&](const Record& node, const Record&, const Record& polygon,
                                           bool back) {
        const int facing =
            inspect3do::facingAgainst(f, polygon, f.planes[static_cast<std::size_t>(node.plane)]);
        if (facing == (back ? 1 : -1)) flags[recordIndex(f, polygon)] = true;
    });
    return flags;
}

} // namespace meshsmith::viewer
