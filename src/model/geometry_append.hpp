#pragma once
// The one way new geometry joins an object: with the offsets of "Offset New
// Vertices ?" added, its indices moved past what the object holds, all of it
// or nothing. Used by Add Data From Another Project and the imports.

#include "file_error.hpp"
#include "project.hpp"
#include "user_interaction.hpp"

#include <optional>
#include <vector>

namespace meshsmith {

// Geometry read from a file, before it joins the object: lines and polygons
// refer to `vertices`, polygons' texture indices to `textures` as numbered
// after the object's (so an index below 0 names a texture the object holds
// already: -1 its last).
struct AddedGeometry {
    std::vector<Vertex> vertices;
    std::vector<std::size_t> lineOfVertex; // 1-based file line of each vertex; may be empty
    std::vector<TextureData> textures;
    std::vector<ObjectData> lines;
    std::vector<ObjectData> polygons;
};

// A position moved by the offset; nullopt when a coordinate leaves the float range.
std::optional<Vertex> offsetVertex(const Vertex& v, VertexOffset offset);

// Appends the geometry: vertices with the offset added,
// textures after the object's, line and polygon vertex indices raised by the
// old vertex count, texture indices by the old texture count (NoTexture stays).
// All or nothing: an offset that moves a vertex out of the float range fails,
// naming the vertex's file line, as does a vertex count beyond the 32-bit
// index range; the object is then as it was.
std::optional<FileError> appendGeometry(TrackObject& object, AddedGeometry&& added,
                                        VertexOffset offset);

} // namespace meshsmith
