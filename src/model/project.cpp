#include "project.hpp"

#include <algorithm>
#include <cmath>

namespace meshsmith {

ProjectFrame frameOf(const Project& p) {
    return {p.ProjectFile, p.ProjectName, p.viewCaption, p.options};
}

void applyFrame(Project& p, const ProjectFrame& frame) {
    p.ProjectFile = frame.ProjectFile;
    p.ProjectName = frame.ProjectName;
    p.viewCaption = frame.viewCaption;
    p.options = frame.options;
}

void resetProject(Project& p) {
    Project fresh;
    fresh.ProjectName = std::move(p.ProjectName);
    fresh.history = std::move(p.history);
    fresh.bounds = p.bounds;
    // The menus' check marks and the Options dialog's boxes keep their state.
    const ProjectOptions& kept = p.options;
    ProjectOptions& o = fresh.options;
    o.ShowAxis = kept.ShowAxis;
    o.ShowVertices = kept.ShowVertices;
    o.ShowLines = kept.ShowLines;
    o.ShowPolygons = kept.ShowPolygons;
    o.ShowTextures = kept.ShowTextures;
    o.Perspective = kept.Perspective;
    o.Overwrite = kept.Overwrite;
    o.SaveToTrackFolder = kept.SaveToTrackFolder;
    o.AutoGPL = kept.AutoGPL;
    o.MakerMinimize = kept.MakerMinimize;
    o.MakerClose = kept.MakerClose;
    o.GPLParam = kept.GPLParam;
    p = std::move(fresh);
}

void updateBounds(Project& p) {
    if (p.object.vertices.empty()) return;
    BoundingBox& b = p.bounds;
    const Vertex& v0 = p.object.vertices.front();
    b.minX = b.maxX = v0.X;
    b.minY = b.maxY = v0.Y;
    b.minZ = b.maxZ = v0.Z;
    for (const Vertex& v : p.object.vertices) {
        if (v.X < b.minX) b.minX = v.X;
        if (v.X > b.maxX) b.maxX = v.X;
        if (v.Y < b.minY) b.minY = v.Y;
        if (v.Y > b.maxY) b.maxY = v.Y;
        if (v.Z < b.minZ) b.minZ = v.Z;
        if (v.Z > b.maxZ) b.maxZ = v.Z;
    }
    b.centreX = static_cast<float>((static_cast<double>(b.minX) + b.maxX) / 2);
    b.centreY = static_cast<float>((static_cast<double>(b.minY) + b.maxY) / 2);
    b.centreZ = static_cast<float>((static_cast<double>(b.minZ) + b.maxZ) / 2);
}

PolygonPlane polygonPlane(const Project& p, const ObjectData& polygon) {
    const Vertex& p0 = p.object.vertices[static_cast<std::size_t>(polygon.VertexIndices[0])];
    const Vertex& p1 = p.object.vertices[static_cast<std::size_t>(polygon.VertexIndices[1])];
    const Vertex& p2 = p.object.vertices[static_cast<std::size_t>(polygon.VertexIndices[2])];
    double x0 = p0.X, y0 = p0.Y, z0 = p0.Z;
    double x1 = p1.X, y1 = p1.Y, z1 = p1.Z;
    double x2 = p2.X, y2 = p2.Y, z2 = p2.Z;
    auto nx = static_cast<float>(y0 * (z1 - z2) + y1 * (z2 - z0) + y2 * (z0 - z1));
    auto ny = static_cast<float>(z0 * (x1 - x2) + z1 * (x2 - x0) + z2 * (x0 - x1));
    auto nz = static_cast<float>(x0 * (y1 - y2) + x1 * (y2 - y0) + x2 * (y0 - y1));
    auto d = static_cast<float>(x0 * (y1 * z2 - y2 * z1) + x1 * (y2 * z0 - y0 * z2) +
                                x2 * (y0 * z1 - y1 * z0));
    double len2 =
        static_cast<double>(nx) * nx + static_cast<double>(ny) * ny + static_cast<double>(nz) * nz;
    auto s = static_cast<float>(1.0 / std::sqrt(len2));
    return {-s * nx, -s * ny, -s * nz, -s * d};
}

bool polygonPlaneIsUsable(const Project& p, const ObjectData& polygon) {
    if (polygon.VertexIndices.size() < 3) return false;
    for (int k = 0; k < 3; ++k) {
        auto i = polygon.VertexIndices[static_cast<std::size_t>(k)];
        if (i < 0 || static_cast<std::size_t>(i) >= p.object.vertices.size()) return false;
    }
    PolygonPlane pl = polygonPlane(p, polygon);
    return std::isfinite(pl.a) && std::isfinite(pl.b) && std::isfinite(pl.c) && std::isfinite(pl.d);
}

std::size_t distinctCorners(const ObjectData& polygon) {
    const auto corners = static_cast<std::size_t>(std::max(polygon.corners(), 0));
    std::vector<std::int32_t> seen(polygon.VertexIndices.begin(),
                                   polygon.VertexIndices.begin() +
                                       static_cast<std::ptrdiff_t>(
                                           std::min(corners, polygon.VertexIndices.size())));
    std::sort(seen.begin(), seen.end());
    return static_cast<std::size_t>(std::unique(seen.begin(), seen.end()) - seen.begin());
}

ViewColours viewColoursOf(const ProjectOptions& o) {
    ViewColours c;
    if (auto bg = textToColour(o.BackgroundColor)) c.background = colourToRgb(*bg);
    if (auto vx = textToColour(o.VertexColor)) c.vertex = colourToRgb(*vx);
    if (auto sel = textToColour(o.SelectedVertexColor)) c.selectedVertex = colourToRgb(*sel);
    return c;
}

bool viewColourTextsValid(const ProjectOptions& o) {
    return textToColour(o.BackgroundColor) && textToColour(o.VertexColor) &&
           textToColour(o.SelectedVertexColor);
}

} // namespace meshsmith
