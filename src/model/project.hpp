#pragma once
// The one project the editor holds: the object being built (TrackObject, one
// value with every table and attribute), and beside it the editor's state that
// goes with the project: its file, the options saved with it (camera, view
// switches, colours, paths), selections and view flags. Every window shares
// one Project; nothing else keeps project data.
//
// Invariants of the object, kept by every writer of the tables (load,
// imports, editing operations) and checked by objectFault (object_check.hpp):
//  - a line or visualization line has exactly two vertex indices;
//  - a polygon is stored closed: VertexIndices repeats its first corner at the
//    end, so VertexCount = corners + 1 and walks cover entries 0 .. VertexCount-2;
//  - every vertex index is below the vertex count; a TextureIndex is NoTexture
//    or below the texture count; every PlanePolygons entry names a polygon;
//  - every coordinate and texture coordinate is finite.

#include "colour_text.hpp"

#include <cstdint>
#include <string>
#include <vector>

namespace meshsmith {

inline constexpr std::int32_t NoTexture = 999;
inline constexpr std::int32_t NoSelection = 9999; // no line, polygon or pivot vertex
inline constexpr const char* NoProjectFile = "None";
inline constexpr Colour DefaultBackColor = 0x00DDDDDD;

struct Vertex {
    float X = 0, Y = 0, Z = 0;
    std::uint8_t Selected = 0;
    friend bool operator==(const Vertex&, const Vertex&) = default;
};

struct TexCoord {
    float U = 0, V = 0;
    friend bool operator==(const TexCoord&, const TexCoord&) = default;
};

// Record of the line, visualization-line and polygon tables.
struct ObjectData {
    float Red = 0, Green = 0, Blue = 0;
    std::int32_t VertexCount = 0;            // polygons: entries of VertexIndices
    std::vector<std::int32_t> VertexIndices; // lines: start, end
    std::int32_t TextureIndex = NoTexture;   // polygons only
    std::vector<TexCoord> TexCoords;         // polygons only: one pair per entry
    std::uint8_t Selected = 0;

    bool textured() const { return TextureIndex < NoTexture; }
    int corners() const { return VertexCount - 1; }
    friend bool operator==(const ObjectData&, const ObjectData&) = default;
};

struct TextureData {
    std::string Filename;
    std::int32_t Transparent = 0;
    std::string MaskFilename; // empty = no mask
    std::int32_t RepeatValue = 0;
    Colour BackColor = DefaultBackColor;
    friend bool operator==(const TextureData&, const TextureData&) = default;
};

struct CollVol {
    std::int32_t PlaneCount = 0;
    std::vector<std::int32_t> PlanePolygons;
    std::vector<std::int32_t> PlaneRebounds;
    friend bool operator==(const CollVol&, const CollVol&) = default;
};

// The object being built: every table and attribute that the game's 3DO comes
// from. One value: the edit history copies, compares and restores it whole.
struct TrackObject {
    std::vector<Vertex> vertices;
    std::vector<ObjectData> lines;
    std::vector<ObjectData> visLines;
    std::vector<ObjectData> polygons;
    std::vector<TextureData> textures;
    std::vector<CollVol> collision;
    std::string ProjectDescription = "None available";
    std::int32_t DisplayClass = 3;
    friend bool operator==(const TrackObject&, const TrackObject&) = default;
};

struct BoundingBox {
    float minX = 0, minY = 0, minZ = 0;
    float maxX = 0, maxY = 0, maxZ = 0;
    float centreX = 0, centreY = 0, centreZ = 0;
};

// The zoom bar's range. ZoomRatio stays within it on every path: at 0 the
// projection divides by zero, below it the picture turns upside down.
inline constexpr std::int32_t SmallestZoomRatio = 1, LargestZoomRatio = 450;

// The 25 project options, in the order the project file stores them.
struct ProjectOptions {
    std::int32_t ZoomRatio = 70;
    std::int32_t RotationX = 0, RotationY = 0, RotationZ = 0;
    std::int32_t PanX = 0, PanY = 0;
    bool ShowAxis = false, ShowVertices = true, ShowLines = true, ShowPolygons = true;
    bool ShowTextures = false, Perspective = true;
    std::int32_t VertexDisplaySize = 3;
    std::string BackgroundColor = "clwhite";
    std::string VertexColor = "$00408000";
    std::string SelectedVertexColor = "$004080FF";
    bool Overwrite = false, SaveToTrackFolder = false;
    std::string TrackFolder;
    bool AutoGPL = false, MakerMinimize = true, MakerClose = false, GPLParam = false;
    std::string AdditionalGPLParams;
    std::int32_t AxisSize = 10;
};

// Drawing copies of the three view colours (red, green, blue 0..1).
struct ViewColours {
    Rgb background{1, 1, 1};
    Rgb vertex{0, 0.6f, 0};
    Rgb selectedVertex{1, 0, 0};
};

// Plane a*x + b*y + c*z = d of a polygon, unit normal pointing against
// (P1 - P0) x (P2 - P0) of its first three corners.
struct PolygonPlane {
    float a = 0, b = 0, c = 0, d = 0;
};

struct Project {
    TrackObject object;

    std::string ProjectFile = NoProjectFile;
    std::string ProjectName;
    std::int32_t SelectedLine = NoSelection;
    std::int32_t SelectedPolygon = NoSelection;
    std::int32_t SelectedTexture = NoTexture;
    BoundingBox bounds;
    bool GeometryPresent = false;
    bool ViewReady = false;
    bool ShowVerticesNow = true;

    ProjectOptions options;
    ViewColours drawColours;
    // Grows whenever the render textures must be rebuilt from the bitmaps.
    std::uint32_t textureLibraryVersion = 0;
    std::string viewCaption = "New Project";
};

// A new project's object and editor state, with the defaults above. Option
// flags that belong to menus and dialogs keep their state, as do the project
// name and the bounding box.
void resetProject(Project& p);

// Recomputes the bounding box. An empty vertex table keeps the previous box.
void updateBounds(Project& p);

void deselectAllVertices(Project& p);

// The plane of one polygon from its first three corners. The polygon must have
// three corner indices in range; a degenerate polygon gives non-finite values
// (see polygonPlaneIsUsable).
PolygonPlane polygonPlane(const Project& p, const ObjectData& polygon);
bool polygonPlaneIsUsable(const Project& p, const ObjectData& polygon);

// Drawing colours from the three colour texts; false (and no change) when one
// of them is not a colour.
bool applyViewColourTexts(Project& p);

} // namespace meshsmith
