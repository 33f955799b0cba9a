// Any bytes as a scene, a camera and a click: picking and its hover hint end
// cleanly, and every hit names a row of its own table, whatever the
// coordinates (NaN, infinities, huge values), indices, zoom, rotations, pans,
// pivot or window size.
#include "editor/core/view/camera.hpp"
#include "editor/core/view/hit_names.hpp"
#include "editor/core/view/picking.hpp"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <cstdlib>

namespace {

using namespace meshsmith;

// Takes the next value from the bytes, zero once they run out.
class Bytes {
  public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    template <typename T> T next() {
        T value{};
        const std::size_t n = std::min(sizeof(T), size_ - at_);
        // Empty input may come as a null pointer, which memcpy must never get.
        if (n > 0) std::memcpy(&value, data_ + at_, n);
        at_ += n;
        return value;
    }
    bool empty() const { return at_ >= size_; }

  private:
    const std::uint8_t* data_;
    std::size_t size_, at_ = 0;
};

// A record, and whether the windows have it chosen (marked in the scene).
ObjectData record(Bytes& in, int maxCorners, std::vector<std::uint8_t>& marks) {
    ObjectData o;
    const int corners = 2 + in.next<std::uint8_t>() % (maxCorners - 1);
    for (int c = 0; c < corners; ++c)
        o.VertexIndices.push_back(in.next<std::int8_t>());
    o.VertexCount = static_cast<std::int32_t>(o.VertexIndices.size()) + in.next<std::int8_t>() % 3;
    marks.push_back(in.next<std::uint8_t>() & 1);
    return o;
}

std::size_t tableSize(const Project& p, HitKind kind) {
    switch (kind) {
    case HitKind::Vertex: return p.object.vertices.size();
    case HitKind::Line: return p.object.lines.size();
    case HitKind::VisLine: return p.object.visLines.size();
    case HitKind::Polygon: return p.object.polygons.size();
    default: return 1;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes in(data, size);
    Project p;
    p.GeometryPresent = true;
    const std::uint8_t switches = in.next<std::uint8_t>();
    p.options.ShowAxis = switches & 1;
    p.options.Perspective = switches & 2;
    SceneMarks marks;
    std::vector<std::uint8_t> visMarks; // visualization lines are never marked
    p.options.VertexDisplaySize = in.next<std::uint8_t>() % 32;
    for (int v = in.next<std::uint8_t>() % 24; v > 0; --v) {
        p.object.vertices.push_back({in.next<float>(), in.next<float>(), in.next<float>()});
        marks.vertices.push_back(in.next<std::uint8_t>() & 1);
    }
    for (int k = in.next<std::uint8_t>() % 6; k > 0; --k)
        p.object.lines.push_back(record(in, 3, marks.lines));
    for (int k = in.next<std::uint8_t>() % 6; k > 0; --k)
        p.object.visLines.push_back(record(in, 3, visMarks));
    for (int k = in.next<std::uint8_t>() % 8; k > 0; --k)
        p.object.polygons.push_back(record(in, 12, marks.polygons));
    updateBounds(p);
    SceneOptions scene;
    scene.showVertices = switches & 4;
    scene.marks = &marks;
    scene.showGrid = switches & 8;
    scene.showBackfaces = switches & 16;
    scene.originPivot = switches & 32;
    scene.pivotVertex = in.next<std::int32_t>();
    CameraView view = cameraViewOf(p.options, p.bounds,
                                   static_cast<ViewPreset>(in.next<std::uint8_t>() % 8), 10);
    view.zoomRatio = in.next<std::int32_t>();
    view.rotationX = in.next<std::int32_t>();
    view.rotationZ = in.next<std::int32_t>();
    view.panY = in.next<std::int32_t>();
    const Viewport viewport{0, 0, 1 + in.next<std::uint16_t>() % 1200, 1 + in.next<std::uint16_t>() % 900};
    const Matrix4 m = cameraMatrices(view, viewport).combined();
    const auto hits = pickScene(p, scene, m, viewport, in.next<std::int16_t>(), in.next<std::int16_t>());
    for (const PickHit& hit : hits)
        if (hit.index < 0 || static_cast<std::size_t>(hit.index) >= tableSize(p, hit.kind))
            std::abort();
    (void)hoverHint(p, hits);
    return 0;
}
