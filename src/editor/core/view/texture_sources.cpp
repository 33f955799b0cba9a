#include "editor/core/view/texture_sources.hpp"

#include "model/bitmap_lookup.hpp"

namespace meshsmith {

std::vector<TextureSource> textureSources(const Project& project, const std::string& appFolder) {
    std::vector<TextureSource> sources;
    sources.reserve(project.object.textures.size());
    for (const TextureData& t : project.object.textures) {
        TextureSource s;
        s.image = bitmapPathOnDisk(project, t.Filename);
        s.hasOwnMask = !t.MaskFilename.empty();
        s.mask = s.hasOwnMask ? bitmapPathOnDisk(project, t.MaskFilename) : appFolder + "mask.bmp";
        sources.push_back(std::move(s));
    }
    return sources;
}

std::string unreadableTextureLine(const std::string& path) {
    return "Bitmap " + path + " could not be read: its polygons are drawn without it";
}

} // namespace meshsmith
