#pragma once
// The textures an imported model's materials bring.
//
// A material's bitmap is looked up as the project loader looks up bitmaps
// (locateBitmap: beside the imported file, then as the file names it).
//  - A BMP becomes a texture as "Load Texture" loads it: the name rule, the
//    duplicate rule (against the library and what this import added), a
//    readable BMP, the size rule. The same file, already a texture of the
//    library or of this import, is that texture again.
//  - Any other image (PNG, JPEG, TGA ...) stands for the BMP of its name
//    beside it ("wall.png": "wall.bmp"), which is taken when it is there.
//    Otherwise, with a decoder, the user is asked ("Convert Bitmap") whether
//    to write that BMP at the nearest allowed size; on Yes it is written
//    (24-bit, box-filtered) and logged "Wrote <path> (W x H) from <name>",
//    and taken as a BMP. Without a decoder it cannot be used.
// A bitmap that cannot be found or used gives its materials no texture, and
// the reason for the import's log. Nothing of the project changes here.

#include "import/image_decoder.hpp"
#include "model/project.hpp"
#include "model/user_interaction.hpp"
#include "readers/plain_mesh.hpp"

#include <cstdint>
#include <string>
#include <vector>

namespace meshsmith {

// Why polygons come in untextured: "Bitmap <bitmap> <reason>", or for a
// material that names no bitmap "Material <material> names no bitmap".
struct BitmapProblem {
    std::string bitmap; // as found, or as named when not found; "" for none named
    std::string material;
    std::string reason; // one line: "not found", "not used (...)"
};

struct MaterialTextures {
    std::vector<TextureData> added; // new textures, to follow the library's
    // Per material: the texture its polygons take, numbered as the library
    // will be with `added` after it; NoTexture when it has none.
    std::vector<std::int32_t> texture;
    // Per material without a texture: its entry of `problems`; -1 otherwise.
    std::vector<std::int32_t> problem;
    std::vector<BitmapProblem> problems;
    std::vector<std::string> notes; // log lines of the textures loaded
};

// The textures of the materials marked in `used` (the others get NoTexture
// and no problem). `sourcePath` is the imported file; `decoder` may be null.
MaterialTextures materialTextures(const Project& p,
                                  const std::vector<readers::MeshMaterial>& materials,
                                  const std::vector<bool>& used, const std::string& sourcePath,
                                  const ImageDecoder* decoder, UserPrompts& prompts, LogSink& log);

// The log line of a problem that leaves `polygons` polygons untextured.
std::string problemLine(const BitmapProblem& problem, std::size_t polygons);

} // namespace meshsmith
