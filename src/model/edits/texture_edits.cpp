#include "model/edits/texture_edits.hpp"

#include "model/bitmap_lookup.hpp"
#include "model/edits/edit.hpp"
#include "model/paths.hpp"

#include <algorithm>

namespace meshsmith {
namespace {

bool validTexture(const Project& p, std::int32_t index) {
    return index >= 0 && static_cast<std::size_t>(index) < p.object.textures.size();
}

TextureData newTexture(const std::string& path) {
    TextureData t;
    t.Filename = path;
    return t; // transparency 0, no mask, repeat value 0, back colour 0xDDDDDD
}

// The rules every new bitmap passes, and the bitmap itself.
OperationResult readNewBitmap(const Project& p, const std::string& path, std::int32_t replaced) {
    if (OperationResult r = checkTextureName(path); !r.done()) return r;
    if (OperationResult r = checkDuplicateName(p, path, replaced); !r.done()) return r;
    BmpImage image;
    if (OperationResult r = readBmpFile(path, image); !r.done()) return r;
    return checkTextureSize(image);
}

OperationResult noTexture() {
    return OperationResult::refused("No texture selected !");
}

} // namespace

OperationResult checkTextureName(const std::string& path) {
    if (fileNameOf(path).size() <= 12) return {};
    return OperationResult::refused(
        "Filename must not exceed 8 characters !\r\rLength of selected: " + withoutLast4(path));
}

OperationResult checkDuplicateName(const Project& p, const std::string& path, std::int32_t except) {
    return checkDuplicateName(p.object.textures, projectFolderOf(p), path, except);
}

OperationResult checkDuplicateName(const std::vector<TextureData>& textures,
                                   const std::string& folder, const std::string& path,
                                   std::int32_t except) {
    const std::string name = fileNameOf(path);
    for (std::size_t k = 0; k < textures.size(); ++k) {
        const std::string& loaded = textures[k].Filename;
        if (static_cast<std::int32_t>(k) == except || fileNameOf(loaded) != name) continue;
        return OperationResult::refused(
            "No duplicate filenames allowed !\r\rFilename \"" + name + "\" already in use" +
            "\rTexture index = " + std::to_string(k) +
            "\rPath = " + folderOf(nativePath(resolveAgainst(folder, loaded))));
    }
    return {};
}

OperationResult checkTextureSize(const BmpImage& image) {
    auto usable = [](int side) {
        return std::find(kTextureSides.begin(), kTextureSides.end(), side) != kTextureSides.end();
    };
    if (usable(image.width) && usable(image.height)) return {};
    return OperationResult::refused(kBitmapSizeMessage + std::to_string(image.width) + ", " +
                                    std::to_string(image.height));
}

OperationResult loadTexture(Project& p, const std::string& path) {
    if (OperationResult r = readNewBitmap(p, path, NoTexture); !r.done()) return r;
    return applyEdit(p, "Load Texture", [&](Project& p) {
        p.object.textures.push_back(newTexture(path));
        return OperationResult{};
    });
}

OperationResult replaceTexture(Project& p, std::int32_t index, const std::string& path) {
    if (!validTexture(p, index)) return noTexture();
    if (OperationResult r = readNewBitmap(p, path, index); !r.done()) return r;
    return applyEdit(p, "Replace Texture", [&](Project& p) {
        p.object.textures[static_cast<std::size_t>(index)] = newTexture(path);
        return OperationResult{};
    });
}

OperationResult removeTexture(Project& p, std::int32_t index) {
    if (!validTexture(p, index)) return noTexture();
    return applyEdit(p, "Remove Texture", [&](Project& p) {
        p.object.textures.erase(p.object.textures.begin() + index);
        for (ObjectData& poly : p.object.polygons) {
            if (poly.TextureIndex == index) {
                poly.TextureIndex = NoTexture;
                poly.TexCoords.clear();
            } else if (poly.TextureIndex > index && poly.TextureIndex < NoTexture) {
                --poly.TextureIndex;
            }
        }
        return OperationResult{};
    });
}

OperationResult saveTextureMask(Project& p, std::int32_t index, const BmpImage& mask,
                                const std::string& maskPath) {
    if (!validTexture(p, index)) return noTexture();
    const TextureData& texture = p.object.textures[static_cast<std::size_t>(index)];
    if (sameFile(maskPath, bitmapPathOnDisk(p, texture.Filename)))
        return OperationResult::refused("The mask cannot be saved over its own texture's bitmap");
    if (OperationResult r = writeBmpFile(maskPath, mask); !r.done())
        return OperationResult::failed(r.message + "\rThe texture keeps its previous mask.",
                                       r.file);
    return applyEdit(p, "Set Transparency", [&](Project& p) {
        TextureData& t = p.object.textures[static_cast<std::size_t>(index)];
        t.MaskFilename = maskPath;
        t.Transparent = 1;
        return OperationResult{};
    });
}

OperationResult setTextureBackColor(Project& p, std::int32_t index, Colour colour) {
    if (!validTexture(p, index)) return noTexture();
    return applyEdit(p, "Texture Background Color", [&](Project& p) {
        p.object.textures[static_cast<std::size_t>(index)].BackColor = colour;
        return OperationResult{};
    });
}

BmpImage transparencyMask(const BmpImage& image, Colour transparent) {
    BmpImage mask = image;
    for (Colour& c : mask.pixels)
        c = c == transparent ? 0x000000 : 0xFFFFFF;
    return mask;
}

std::vector<std::int32_t> polygonsUsingTexture(const TrackObject& object, std::int32_t index) {
    std::vector<std::int32_t> using_;
    if (index < 0 || static_cast<std::size_t>(index) >= object.textures.size()) return using_;
    for (std::size_t k = 0; k < object.polygons.size(); ++k)
        if (object.polygons[k].TextureIndex == index) using_.push_back(static_cast<std::int32_t>(k));
    return using_;
}

std::string proposedMaskPath(const Project& p, std::int32_t index) {
    return withoutLast4(bitmapPathOnDisk(
               p, p.object.textures.at(static_cast<std::size_t>(index)).Filename)) +
           "_mask.bmp";
}

} // namespace meshsmith
