#pragma once
// The object being built and its records: the vertex, line, polygon, texture
// and collision tables and the object's attributes (invariants in project.hpp,
// checked by object_check.hpp).

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

} // namespace meshsmith
