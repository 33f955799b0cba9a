#include "editor/core/view/scene_data.hpp"

#include "geometry/polygon_ears.hpp"

#include <cmath>
#include <limits>
#include <numbers>

namespace meshsmith {

namespace {

constexpr int kSphereSlices = 16;
constexpr int kSphereStacks = 16;
constexpr double kGridCoordinateLimit = 2147483648.0;

using Point = std::array<float, 3>;

Point minus(const Point& a, const Point& b) {
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}

Point cross(const Point& a, const Point& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

float dot(const Point& a, const Point& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

// Rings from the +Z pole to the -Z pole, as the GLU sphere lays them out.
std::vector<Point> spherePoints() {
    std::vector<Point> points;
    for (int stack = 0; stack <= kSphereStacks; ++stack) {
        const double phi = std::numbers::pi * stack / kSphereStacks;
        // The poles exactly, so that the triangles around them meet there.
        const bool pole = stack == 0 || stack == kSphereStacks;
        const double ring = pole ? 0.0 : std::sin(phi);
        const double z = stack == 0 ? 1.0 : stack == kSphereStacks ? -1.0 : std::cos(phi);
        for (int slice = 0; slice < kSphereSlices; ++slice) {
            const double theta = 2.0 * std::numbers::pi * slice / kSphereSlices;
            points.push_back({static_cast<float>(ring * std::sin(theta)),
                              static_cast<float>(ring * std::cos(theta)), static_cast<float>(z)});
        }
    }
    return points;
}

// Adds the triangle counter-clockwise seen from outside, unless it has no area.
void addTriangle(SphereMesh& mesh, int a, int b, int c) {
    const Point& pa = mesh.points[a];
    const Point normal = cross(minus(mesh.points[b], pa), minus(mesh.points[c], pa));
    if (dot(normal, normal) < 1e-12f) return;
    if (dot(normal, pa) < 0) std::swap(b, c);
    mesh.triangles.push_back({a, b, c});
    for (int corner : {a, b, c}) {
        for (float v : mesh.points[corner]) {
            mesh.positions.push_back(v);
            mesh.normals.push_back(v);
        }
    }
}

SphereMesh buildUnitSphere() {
    SphereMesh mesh;
    mesh.points = spherePoints();
    auto at = [](int stack, int slice) { return stack * kSphereSlices + slice % kSphereSlices; };
    for (int stack = 0; stack < kSphereStacks; ++stack) {
        for (int slice = 0; slice < kSphereSlices; ++slice) {
            const int a = at(stack, slice), b = at(stack, slice + 1);
            const int c = at(stack + 1, slice + 1), d = at(stack + 1, slice);
            addTriangle(mesh, a, d, c);
            addTriangle(mesh, a, c, b);
        }
    }
    return mesh;
}

std::optional<GridRange> gridRangeOf(float low, float high) {
    if (!std::isfinite(low) || !std::isfinite(high)) return std::nullopt;
    if (std::fabs(low) >= kGridCoordinateLimit || std::fabs(high) >= kGridCoordinateLimit)
        return std::nullopt;
    // nearbyint rounds halves to the even neighbour in the default rounding mode.
    return GridRange{static_cast<std::int64_t>(std::nearbyint(static_cast<double>(low))),
                     static_cast<std::int64_t>(std::nearbyint(static_cast<double>(high)))};
}

} // namespace

const SphereMesh& unitSphere() {
    static const SphereMesh mesh = buildUnitSphere();
    return mesh;
}

float vertexSphereRadius(std::int32_t vertexDisplaySize) {
    return static_cast<float>(vertexDisplaySize) / 15.0f;
}

float drawnVertexRadius(std::int32_t vertexDisplaySize, bool selected) {
    const float base = vertexSphereRadius(vertexDisplaySize);
    return selected ? base * 1.5f : base;
}

float pivotSphereRadius(std::int32_t vertexDisplaySize) {
    return vertexSphereRadius(vertexDisplaySize) * 3.0f;
}

namespace {

// Pixels per unit of radius at depth w = 1: the scale of the view's rows.
double pixelScale(const Matrix4& combined, const Viewport& viewport) {
    const auto rowScale = [&](int row) {
        return std::hypot(combined.at(row, 0), combined.at(row, 1), combined.at(row, 2));
    };
    return std::max(rowScale(0) * viewport.width, rowScale(1) * viewport.height) / 2;
}

// The mesh's outline seen along an axis is a polygon of kSphereSlices
// corners on the unit circle; a circle of this radius has its area.
const double kMeshOutline = std::sqrt(
    kSphereSlices * std::sin(2 * std::numbers::pi / kSphereSlices) / (2 * std::numbers::pi));

// A sprite's diameter, in quarter pixels, is below this.
constexpr int kSpriteQuarters = static_cast<int>(kSpriteRadiusLimit * 8) + 1;

void addPoint(PointBatch& batch, double x, double y, double z, const Rgb& colour) {
    batch.points.insert(batch.points.end(),
                        {static_cast<float>(x), static_cast<float>(y), static_cast<float>(z)});
    batch.colours.insert(batch.colours.end(), {colour.r, colour.g, colour.b});
}

class SpherePlan {
  public:
    SpherePlan(const Matrix4& combined, const Viewport& viewport)
        : combined_(combined), viewport_(viewport), scale_(pixelScale(combined, viewport)),
          sprites_(kSpriteQuarters) {}

    void add(const Vertex& v, float radius, const Rgb& colour, bool alwaysMesh) {
        if (!(radius > 0)) return;
        const double w = combined_.at(3, 0) * v.X + combined_.at(3, 1) * v.Y +
                         combined_.at(3, 2) * v.Z + combined_.at(3, 3);
        // The radius on screen, of the circle as large as the mesh's outline.
        const double pixels = radius * kMeshOutline * scale_ / w;
        if (alwaysMesh || !(w > 0) || !(pixels < kSpriteRadiusLimit)) {
            out_.meshes.push_back({{v.X, v.Y, v.Z}, radius, colour});
        } else if (pixels < 1) {
            addCoveredPixels(v, pixels, colour);
        } else {
            const auto quarters = static_cast<std::size_t>(std::lround(pixels * 8));
            addPoint(sprites_[quarters], v.X, v.Y, v.Z, colour);
        }
    }

    VertexSpheres done() {
        for (std::size_t quarters = 1; quarters < sprites_.size(); ++quarters) {
            if (sprites_[quarters].points.empty()) continue;
            sprites_[quarters].diameter = static_cast<float>(quarters) / 4;
            out_.sprites.push_back(std::move(sprites_[quarters]));
        }
        return std::move(out_);
    }

  private:
    // The pixels whose centres lie within `pixels` of the projected centre.
    void addCoveredPixels(const Vertex& v, double pixels, const Rgb& colour) {
        const auto at = projectToWindow(combined_, viewport_, {v.X, v.Y, v.Z});
        if (!at) return;
        for (double px = std::floor(at->x - pixels); px <= at->x + pixels; ++px)
            for (double py = std::floor(at->y - pixels); py <= at->y + pixels; ++py) {
                const double dx = px + 0.5 - at->x, dy = py + 0.5 - at->y;
                if (dx * dx + dy * dy <= pixels * pixels)
                    addPoint(out_.pixels, px + 0.5, py + 0.5, at->z, colour);
            }
    }

    Matrix4 combined_;
    Viewport viewport_;
    double scale_;
    std::vector<PointBatch> sprites_; // by diameter in quarter pixels
    VertexSpheres out_;
};

} // namespace

VertexSpheres vertexSpheres(const Project& project, const SceneOptions& options,
                            const Matrix4& combined, const Viewport& viewport) {
    SpherePlan plan(combined, viewport);
    const std::int32_t size = project.options.VertexDisplaySize;
    const ViewColours colours = viewColoursOf(project.options);
    for (std::size_t i = 0; i < project.object.vertices.size(); ++i) {
        const Vertex& v = project.object.vertices[i];
        const bool selected = options.marks && options.marks->vertex(i);
        plan.add(v, drawnVertexRadius(size, selected),
                 selected ? colours.selectedVertex : colours.vertex, false);
        if (static_cast<std::int32_t>(i) == options.pivotVertex)
            plan.add(v, pivotSphereRadius(size), colours.selectedVertex, true);
    }
    if (options.originPivot)
        plan.add({0, 0, 0}, pivotSphereRadius(size), colours.selectedVertex, true);
    return plan.done();
}

std::uint64_t GridRange::count() const {
    return last < first ? 0 : static_cast<std::uint64_t>(last - first) + 1;
}

std::uint64_t Grid::pointCount() const {
    const std::uint64_t limit = std::numeric_limits<std::uint64_t>::max();
    std::uint64_t total = x.count();
    for (std::uint64_t n : {y.count(), z.count()}) {
        if (n != 0 && total > limit / n) return limit;
        total *= n;
    }
    return total;
}

std::optional<Grid> gridOf(const BoundingBox& box, int scale) {
    const auto x = gridRangeOf(box.minX, box.maxX);
    const auto y = gridRangeOf(box.minY, box.maxY);
    const auto z = gridRangeOf(box.minZ, box.maxZ);
    if (!x || !y || !z) return std::nullopt;
    return Grid{*x, *y, *z, scale};
}

std::vector<float> gridPoints(const Grid& grid) {
    std::vector<float> points;
    const std::uint64_t count = grid.pointCount();
    if (count == 0 || count > kGridPointLimit) return points;
    points.reserve(static_cast<std::size_t>(count) * 3);
    auto at = [&](std::int64_t i) { return static_cast<float>(grid.scale * i); };
    for (std::int64_t i = grid.x.first; i <= grid.x.last; ++i)
        for (std::int64_t j = grid.y.first; j <= grid.y.last; ++j)
            for (std::int64_t k = grid.z.first; k <= grid.z.last; ++k)
                points.insert(points.end(), {at(i), at(j), at(k)});
    return points;
}

std::array<AxisSegment, 3> axisSymbol(std::int32_t axisSize) {
    const float s = static_cast<float>(axisSize);
    return {AxisSegment{{s, 0, 0}, Rgb{1, 0, 0}}, AxisSegment{{0, s, 0}, Rgb{0, 1, 0}},
            AxisSegment{{0, 0, s}, Rgb{0, 0, 1}}};
}

namespace {

bool namesVertex(const Project& project, std::int32_t index) {
    return index >= 0 && static_cast<std::size_t>(index) < project.object.vertices.size();
}

} // namespace

bool lineIsDrawable(const Project& project, const ObjectData& line) {
    return line.VertexIndices.size() >= 2 && namesVertex(project, line.VertexIndices[0]) &&
           namesVertex(project, line.VertexIndices[1]);
}

bool polygonIsDrawable(const Project& project, const ObjectData& polygon) {
    if (polygon.VertexCount < 1 ||
        static_cast<std::size_t>(polygon.VertexCount) > polygon.VertexIndices.size())
        return false;
    for (std::int32_t i = 0; i < polygon.VertexCount; ++i)
        if (!namesVertex(project, polygon.VertexIndices[i])) return false;
    return true;
}

const TextureData* polygonTexture(const Project& project, const ObjectData& polygon) {
    if (!polygon.textured() || polygon.TextureIndex < 0 ||
        static_cast<std::size_t>(polygon.TextureIndex) >= project.object.textures.size())
        return nullptr;
    return &project.object.textures[polygon.TextureIndex];
}

Rgb polygonFillColour(const Project& project, const ObjectData& polygon,
                      const SceneOptions& options) {
    if (options.backColourPreview)
        if (const TextureData* texture = polygonTexture(project, polygon))
            return colourToRgb(texture->BackColor);
    return {polygon.Red, polygon.Green, polygon.Blue};
}

bool texCoordsCoverCorners(const ObjectData& polygon) {
    return polygon.VertexCount >= 1 &&
           polygon.TexCoords.size() >= static_cast<std::size_t>(polygon.VertexCount - 1);
}

std::vector<std::array<int, 3>> polygonFill(const Project& project, const ObjectData& polygon) {
    const std::int32_t corners = polygon.VertexCount - 1;
    if (corners < 3) return {};
    if (corners == 3) return {{0, 1, 2}};
    std::vector<geometry::Point3f> outline;
    outline.reserve(static_cast<std::size_t>(corners));
    for (std::int32_t k = 0; k < corners; ++k) {
        const Vertex& v = project.object.vertices[static_cast<std::size_t>(polygon.VertexIndices[k])];
        outline.push_back({v.X, v.Y, v.Z});
    }
    return geometry::fillTriangles(outline);
}

} // namespace meshsmith
