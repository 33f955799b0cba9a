#pragma once
// Where the view's texture images come from: for every texture of the
// library its bitmap and its mask (the texture's own mask, or the default
// mask.bmp beside the program when it has none), as files on disk.

#include "model/project.hpp"

#include <string>
#include <vector>

namespace meshsmith {

struct TextureSource {
    std::string image;       // the bitmap as the file system finds it
    std::string mask;        // its mask, or the default mask
    bool hasOwnMask = false; // drawing uses a mask only for textures that name one
};

// One entry per texture, in table order.
std::vector<TextureSource> textureSources(const Project& project, const std::string& appFolder);

// The log line for an image that could not be read: its polygons are drawn
// without it.
std::string unreadableTextureLine(const std::string& path);

} // namespace meshsmith
