#pragma once
// Random scenery objects for comparing and timing the converter: a ground
// of items (boxes, some turned, houses with gable roofs, grandstands with
// stair-shaped side walls, fences of double-sided panels, towers with many-
// cornered caps, star-shaped signs, lumpy blobs and bumpy terrain patches
// whose quads are not flat), some overlapping their neighbours so that the
// tree has polygons to split. Each object is a function of its seed and size
// only, and can be written in each of the converter's three input formats.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace meshsmith::bench {

using Point = std::array<float, 3>;
using UV = std::array<float, 2>;

struct Face {
    std::vector<Point> corners; // 3 to 40, in boundary order
    std::vector<UV> uv;         // one per corner
    int texture = 0;            // index into RandomObject::textures
    int item = 0;               // the item it belongs to (a mesh of its own in 3ds Max files)
    // Triangles for formats that need them: a fan from corner 0 (which sees
    // every other corner), or, for star-shaped outlines, a fan round the
    // centre of the corners.
    bool fanFromCentre = false;
};

struct RandomObject {
    std::vector<std::string> textures; // names without extension
    std::vector<Face> faces;
};

// An object of exactly `faces` faces (at least 1); the last item may be cut short.
RandomObject randomObject(std::uint32_t seed, int faces);

// The object in the editor's ASE dialect: one object per face.
std::string editorAseText(const RandomObject& object);
// The object as a 3ds Max ASE export: one mesh per item and texture, faces as
// triangles with their texture faces.
std::string maxAseText(const RandomObject& object);
// The object as a Wavefront OBJ file naming `mtlName`, and its MTL file.
std::string objText(const RandomObject& object, const std::string& mtlName);
std::string mtlText(const RandomObject& object);

} // namespace meshsmith::bench
