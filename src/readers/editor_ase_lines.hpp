#pragma once
// The line grammar of the editor's own ASE dialect, which the converter and
// ase2obj both read: the header line, and the keyword lines that carry the
// geometry (one object per polygon, its corners numbered 0, 1, ... by
// *MESH_VERTEX and *MESH_TVERT, ended by its *MATERIAL_REF). Each reader keeps
// its own rules for what the lines may say.

#include <cstdint>
#include <string>

namespace meshsmith::readers {

// The first significant line of the dialect.
inline constexpr const char* kEditorAseHeader =
    "*COMMENT \">>>> - Exported by Meshsmith - <<<<\" %i";

enum class EditorAseKeyword {
    Other, // any other line (faces, normals, the collision block, ...)
    Bitmap,        // ' *BITMAP "name"': token = the first word after *BITMAP, quote included
    DisplayClass,  // "*DISPLAY_CLASS  n"
    GeomObject,    // "*GEOMOBJECT n"
    LineObject,    // "*LINEOBJECT n"
    Vertex,        // "*MESH_VERTEX n x y z"
    TextureVertex, // "*MESH_TVERT n u v [w]": x = u, y = v
    MaterialRef,   // "*MATERIAL_REF n"
};

struct EditorAseLine {
    EditorAseKeyword keyword = EditorAseKeyword::Other;
    int fields = 0; // fields converted, the number first; fewer than the line needs is a fault
    std::int32_t number = 0;
    float x = 0, y = 0, z = 0;
    std::string token;
};

// What `line` is: a keyword line when the keyword is found in full and its
// first field converts or the line ends there.
EditorAseLine readEditorAseLine(const std::string& line);

} // namespace meshsmith::readers
