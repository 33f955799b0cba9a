#include "editor/qt/view/texture_handles_gl.hpp"

#include "editor/core/view/texture_sources.hpp"
#include "model/bmp_image.hpp"

#include <qopengl.h>

#include <vector>

namespace meshsmith {
unsigned loadBmpTexture(const std::string& path) {
    BmpImage image;
    if (!readBmpFile(path, image).done()) return 0;
    std::vector<unsigned char> rgb;
    rgb.reserve(image.pixels.size() * 3);
    for (int y = image.height - 1; y >= 0; --y)
        for (int x = 0; x < image.width; ++x) {
            const Colour c = image.at(x, y);
            rgb.insert(rgb.end(), {redOf(c), greenOf(c), blueOf(c)});
        }
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, image.width, image.height, 0, GL_RGB, GL_UNSIGNED_BYTE,
                 rgb.data());
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glBindTexture(GL_TEXTURE_2D, 0);
    return name;
}

void TextureHandles::update(const Project& project, std::uint32_t version,
                            const std::string& appFolder, LogSink& log) {
    if (built_ && builtVersion_ == version && handles_.size() == project.object.textures.size())
        return;
    release();
    for (const TextureSource& source : textureSources(project, appFolder)) {
        TextureHandle h{loadBmpTexture(source.image), loadBmpTexture(source.mask)};
        if (!h.image) log.addLine(unreadableTextureLine(source.image));
        if (!h.mask && source.hasOwnMask) log.addLine(unreadableTextureLine(source.mask));
        handles_.push_back(h);
    }
    builtVersion_ = version;
    built_ = true;
}

void TextureHandles::release() {
    for (const TextureHandle& h : handles_)
        for (GLuint name : {h.image, h.mask})
            if (name) glDeleteTextures(1, &name);
    handles_.clear();
    built_ = false;
}

const TextureHandle* TextureHandles::at(std::int32_t index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= handles_.size()) return nullptr;
    return &handles_[static_cast<std::size_t>(index)];
}

} // namespace meshsmith
