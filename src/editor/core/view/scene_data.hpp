#pragma once
// The plain data the view draws besides the project tables: the tessellated
// vertex sphere, the point grid, the axis symbol, the line widths, and the
// checks that keep the drawing inside the tables. The drawing and the picking
// both take their shapes from here, so what is picked is what is drawn.

#include "editor/core/document/selections.hpp"
#include "matrix4.hpp"
#include "model/project.hpp"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace meshsmith {

// What the scene shows besides the project's own switches (the Show
// Lines/Polygons/Axis check marks, VertexDisplaySize, AxisSize). Nothing is
// drawn or picked but the background while the project has no geometry
// (GeometryPresent clear).
struct SceneOptions {
    // The vertex spheres (off while "Show Vertices" is off or the camera moves).
    bool showVertices = true;
    // What the windows have chosen, marked in the drawing (none when null).
    const SceneMarks* marks = nullptr;
    // "Check Texture-specific Background Colors": textured polygons are drawn
    // in their texture's background colour.
    bool backColourPreview = false;
    // "Show Polygon Backfaces". Off: the faces that run counter-clockwise on
    // screen are culled, and a culled face can be neither seen nor picked.
    bool showBackfaces = true;
    bool showGrid = false; // "Show 3D Grid"
    int gridScale = 1;     // 1..20
    int gridPointSize = 1; // tenths of a pixel
    std::int32_t pivotVertex = NoSelection;
    bool originPivot = false; // the rotate dialog turns about the origin: a marker sphere there
};

inline constexpr float kLineWidth = 1.5f;
inline constexpr float kSelectedLineWidth = 5.0f;
inline constexpr std::uint16_t kSelectedLineStipple = 0x0FFF; // repeat factor 1
inline constexpr float kVisLineWidth = 0.3f;
inline constexpr float kPolygonOutlineWidth = 5.0f;
inline constexpr float kAxisLineWidth = 3.0f;

// A unit sphere centred at the origin, built once: `points` are the corners
// (on the sphere, poles at +-Z), `triangles` index them counter-clockwise seen
// from outside; `positions` and `normals` list the same triangles flat (x, y, z
// per corner, three corners per triangle) for glDrawArrays(GL_TRIANGLES).
// 16 slices and 16 stacks; the pole triangles that would have no area are left out.
struct SphereMesh {
    std::vector<std::array<float, 3>> points;
    std::vector<std::array<int, 3>> triangles;
    std::vector<float> positions;
    std::vector<float> normals;
};
const SphereMesh& unitSphere();

// Radius of a vertex's sphere: VertexDisplaySize / 15, times 1.5 when the
// vertex is selected. The pivot vertex and the origin marker have a second
// sphere of three times the base radius. A radius of 0 or less draws nothing.
float vertexSphereRadius(std::int32_t vertexDisplaySize);
float drawnVertexRadius(std::int32_t vertexDisplaySize, bool selected);
float pivotSphereRadius(std::int32_t vertexDisplaySize);

// How one repaint draws the vertex spheres; all three kinds look as the
// sphere mesh would. A sphere of less than a pixel's radius on screen lights
// the pixels whose centres it covers, as the mesh does: they are listed in
// window coordinates (x, y, depth 0..1). One of up to kSpriteRadiusLimit
// pixels is drawn as a smooth round point of its diameter (a sprite), the
// sprites of one diameter (in quarter pixels) in one batch. Larger spheres,
// spheres whose centre is not in front of the eye, and the pivot and origin
// spheres are drawn with the mesh. Every list keeps the table order.
inline constexpr double kSpriteRadiusLimit = 4.0; // pixels
struct PointBatch {
    float diameter = 1;         // pixels
    std::vector<float> points;  // x, y, z per point
    std::vector<float> colours; // r, g, b per point
};
struct MeshSphere {
    std::array<float, 3> centre;
    float radius;
    Rgb colour;
};
struct VertexSpheres {
    PointBatch pixels;               // window coordinates
    std::vector<PointBatch> sprites; // by increasing diameter
    std::vector<MeshSphere> meshes;
};
// `combined` maps the scene to clip coordinates in `viewport`.
VertexSpheres vertexSpheres(const Project& project, const SceneOptions& options,
                            const Matrix4& combined, const Viewport& viewport);

// The grid: points (s*i, s*j, s*k) for every integer i from the integer nearest
// to minX to the one nearest to maxX (halves go to the even neighbour), and
// likewise j over Y and k over Z, s = grid scale.
struct GridRange {
    std::int64_t first = 0, last = -1; // empty when last < first
    std::uint64_t count() const;
};
struct Grid {
    GridRange x, y, z;
    int scale = 1;
    std::uint64_t pointCount() const; // saturates instead of overflowing
};
// Largest grid that is drawn and picked; a bigger one is left out.
inline constexpr std::uint64_t kGridPointLimit = 1'000'000;
// nullopt when a box value is not finite or beyond +-2^31.
std::optional<Grid> gridOf(const BoundingBox& box, int scale);
// The points as x, y, z floats; empty when the grid holds more than kGridPointLimit.
std::vector<float> gridPoints(const Grid& grid);

struct AxisSegment {
    std::array<float, 3> to; // from the origin
    Rgb colour;
};
// X in red, Y in green, Z in blue, each AxisSize long.
std::array<AxisSegment, 3> axisSymbol(std::int32_t axisSize);

// A line or visualization line is drawn when it has two vertex indices, both in the table.
bool lineIsDrawable(const Project& project, const ObjectData& line);
// A polygon is drawn when VertexIndices holds its VertexCount entries, at
// least one, all in the vertex table. Its fill needs three corners
// (VertexCount >= 4); a marked polygon's outline runs through all entries.
bool polygonIsDrawable(const Project& project, const ObjectData& polygon);
// The colour a polygon is filled with: its own, or with backColourPreview
// its texture's background colour.
Rgb polygonFillColour(const Project& project, const ObjectData& polygon,
                      const SceneOptions& options);
// The texture a polygon shows, or nullptr when it is untextured or its
// TextureIndex names no texture of the table.
const TextureData* polygonTexture(const Project& project, const ObjectData& polygon);
// True when TexCoords holds a pair for every corner (entries 0 .. VertexCount-2).
bool texCoordsCoverCorners(const ObjectData& polygon);
// The triangles a drawable polygon is filled with, as corner numbers (0 ..
// VertexCount-2): the pieces the converter cuts it into (ears, then a fan
// over the convex rest; geometry/polygon_ears.hpp), so that a concave polygon
// shows the shape the game will draw. None for fewer than three corners.
std::vector<std::array<int, 3>> polygonFill(const Project& project, const ObjectData& polygon);

} // namespace meshsmith
