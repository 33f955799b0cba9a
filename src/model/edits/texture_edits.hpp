#pragma once
// The texture library: loading, replacing and removing the bitmaps polygons
// can carry, their masks and background colours. Each change is one step of
// the edit history (its name in quotes); the editor rebuilds its texture
// objects from the files when the texture table changed.

#include "model/bmp_image.hpp"
#include "model/outcome.hpp"
#include "model/project.hpp"

#include <array>
#include <string>
#include <vector>

namespace meshsmith {

inline constexpr const char* kBitmapSizeMessage =
    "Unable to load Bitmap, Width and Height must be one of 16,32,64,128 or 256 !\r\r"
    "                        Width/Height of selected: ";

// The file name without its folder is at most 12 characters (8 and the
// extension). Refused with "Filename must not exceed 8 characters !..."
// followed by the path without its last 4 characters.
OperationResult checkTextureName(const std::string& path);

// No loaded texture except `except` has the same file name (compared without
// folder, case-sensitively); refused naming the index and folder of the one
// that has it.
OperationResult checkDuplicateName(const Project& p, const std::string& path,
                                   std::int32_t except = NoTexture);
// The same over a texture table whose relative paths lie in `folder`.
OperationResult checkDuplicateName(const std::vector<TextureData>& textures,
                                   const std::string& folder, const std::string& path,
                                   std::int32_t except = NoTexture);

// The widths and heights a texture bitmap may have.
inline constexpr std::array<int, 5> kTextureSides{16, 32, 64, 128, 256};

// Width and height are each one of kTextureSides; refused with
// kBitmapSizeMessage followed by "<width>, <height>".
OperationResult checkTextureSize(const BmpImage& image);

// "Load Texture": the name rule, the duplicate rule, the bitmap read (a file
// that is not a readable BMP fails naming it) and the size rule; then the
// texture is appended (no mask, transparency 0, repeat value 0, back colour
// 0xDDDDDD) as the last one. Nothing changes on a refusal.
OperationResult loadTexture(Project& p, const std::string& path);

// "Replace Texture": texture `index` (an existing one) gets the bitmap at
// `path` and is reset as a newly loaded one; its number stays, so polygons
// keep it. The rules of loadTexture apply; the duplicate rule ignores the
// texture being replaced.
OperationResult replaceTexture(Project& p, std::int32_t index, const std::string& path);

// "Remove Texture": texture `index` goes and later ones move down by one;
// polygons on it become untextured (their coordinates dropped), polygons on
// later textures follow.
OperationResult removeTexture(Project& p, std::int32_t index);

// "Set Transparency": writes `mask` as a 24-bit BMP to `maskPath` (temporary
// file and rename), then texture `index` takes it as its mask with
// transparency 1. A mask that cannot be written fails naming the file and
// leaves the texture as it was.
OperationResult saveTextureMask(Project& p, std::int32_t index, const BmpImage& mask,
                                const std::string& maskPath);

// "Texture Background Color": texture `index` gets `colour`.
OperationResult setTextureBackColor(Project& p, std::int32_t index, Colour colour);

// The mask of `image` for a transparent colour: black (0x000000) where the
// pixel has that colour, white (0xFFFFFF) everywhere else.
BmpImage transparencyMask(const BmpImage& image, Colour transparent);

// The polygons that carry texture `index`, ascending (none for NoTexture or a
// number that names no texture).
std::vector<std::int32_t> polygonsUsingTexture(const TrackObject& object, std::int32_t index);

// The path the mask of texture `index` (an existing one) is proposed under:
// its bitmap's path on disk without the 4-character extension, then "_mask.bmp".
std::string proposedMaskPath(const Project& p, std::int32_t index);

} // namespace meshsmith
