#pragma once
// Objects modelled elsewhere come into the editor: Wavefront OBJ files (with
// their MTL file) and 3ds Max ASE exports, read by the converter's rules.

#include "import/image_decoder.hpp"
#include "model/outcome.hpp"
#include "model/project.hpp"
#include "model/random_colours.hpp"
#include "model/user_interaction.hpp"
#include "readers/plain_mesh.hpp"

#include <string>

namespace meshsmith {

enum class ModelFormat { WavefrontObj, MaxAse };

// Imports the model file at `path` as one step of the edit history:
//  - Replace mode while the project holds no geometry, else append mode with
//    the offsets asked through "Offset New Vertices ?" (Cancel: Cancelled,
//    nothing changed; asked before any bitmap question).
//  - Every vertex of the file comes in (offset added); every face with
//    corners at three or more distinct positions becomes a polygon over them
//    in the order given, in random colours from `colours`; the others are
//    left out and counted in the log.
//  - A face's material's bitmap becomes a texture (import_bitmaps.hpp; the
//    conversion of other images needs `decoder`, which may be null); the
//    polygon takes its texture coordinates as the file gives them. Faces
//    without texture coordinates or material, and those whose bitmap cannot
//    be found or used, come in untextured; the log counts them, naming each
//    bitmap.
//  - Then double vertices are merged as by Remove Double Vertices, in the
//    same step; the bounds are updated and GeometryPresent set.
// The log gets the counts of vertices and polygons as the 3DOText import
// words them, the textures loaded and the faces untextured or left out.
// A file the reader refuses is Failed with the reader's message, logged with
// the file and line; the project is then as before.
OperationResult importModelFile(Project& p, const std::string& path, ModelFormat format,
                                UserPrompts& prompts, LogSink& log, RandomColours& colours,
                                const ImageDecoder* decoder);

// The same for a mesh read from `path` already, as the readers give it: its
// corners in the order the converter takes as the boundary (the editor's
// corner order too), positions unmerged or merged.
OperationResult importMesh(Project& p, const readers::PlainMesh& mesh, const std::string& path,
                           ModelFormat format, UserPrompts& prompts, LogSink& log,
                           RandomColours& colours, const ImageDecoder* decoder);

} // namespace meshsmith
