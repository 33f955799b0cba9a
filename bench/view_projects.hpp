#pragma once
// Generated projects for the view's benchmarks: a rolling terrain of the
// given number of vertices, covered by the given number of quads (cells are
// used again, one layer higher, when there are more quads than cells), seen
// whole by the Custom camera in a 1024 x 768 view.

#include "editor/core/view/camera.hpp"
#include "model/project.hpp"

#include <cmath>

namespace meshsmith::bench {

inline Project terrainProject(int vertexCount, int quadCount) {
    Project p;
    p.GeometryPresent = true;
    const int side = static_cast<int>(std::ceil(std::sqrt(static_cast<double>(vertexCount))));
    for (int i = 0; i < vertexCount; ++i) {
        const int row = i / side, column = i % side;
        p.object.vertices.push_back(
            {column * 10.0f, row * 10.0f, static_cast<float>((row * 7 + column * 3) % 11)});
    }
    const int rows = (vertexCount - 1) / side; // rows with a full row above them
    const int cells = (side - 1) * std::max(rows - 1, 1);
    for (int k = 0; k < quadCount; ++k) {
        const int cell = k % cells;
        const int a = (cell / (side - 1)) * side + cell % (side - 1);
        ObjectData quad;
        quad.Red = 0.8f;
        quad.VertexIndices = {a, a + 1, a + 1 + side, a + side, a};
        quad.VertexCount = 5;
        p.object.polygons.push_back(quad);
    }
    updateBounds(p);
    return p;
}

inline constexpr Viewport kBenchViewport{0, 0, 1024, 768};

// The Custom camera zoomed so that the terrain fills the picture.
inline Matrix4 benchCamera(const Project& p) {
    CameraView view = cameraViewOf(p.options, p.bounds, ViewPreset::Custom, 10);
    const double extent = std::max(p.bounds.maxX - p.bounds.minX, p.bounds.maxY - p.bounds.minY);
    view.zoomRatio = std::max(1, static_cast<int>(extent / 15));
    return cameraMatrices(view, kBenchViewport).combined();
}

} // namespace meshsmith::bench
