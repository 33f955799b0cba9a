#pragma once
// The view's OpenGL texture objects: for every texture of the library one for
// its image and one for its mask (TextureHandles). Rebuilt from the files
// whenever the library changes; a bitmap that is missing or unreadable leaves
// its object out (0), so its polygons are drawn without the image.

#include "model/project.hpp"
#include "model/user_interaction.hpp"

#include <cstdint>
#include <vector>

namespace meshsmith {

// One texture object from a BMP file: three colour components, linear
// filtering, rows from the bottom up as OpenGL counts them. 0 when the file
// cannot be read. Needs a current context.
unsigned loadBmpTexture(const std::string& path);

struct TextureHandle {
    unsigned image = 0; // 0: no image could be read
    unsigned mask = 0;
};

class TextureHandles {
  public:
    // Needs the view's context to be current, as every call here does.
    ~TextureHandles() = default;

    // Rebuilds the objects when the library changed since the last build (the
    // document's texture version); logs each file that could not be read.
    void update(const Project& project, std::uint32_t version, const std::string& appFolder,
                LogSink& log);
    // Deletes every object.
    void release();

    // The handle of texture `index`, or nullptr when there is none.
    const TextureHandle* at(std::int32_t index) const;

  private:
    std::vector<TextureHandle> handles_;
    std::uint32_t builtVersion_ = 0;
    bool built_ = false;
};

} // namespace meshsmith
