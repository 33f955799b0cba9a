#include "editor/qt/view/texture_handles_gl.hpp"

#include "editor/core/view/texture_sources.hpp"

#include <QImage>
#include <QString>
#include <qopengl.h>

namespace meshsmith {
namespace {

// One texture object from a BMP file: three colour components, linear
// filtering, rows from the bottom up as OpenGL counts them. 0 when the file
// cannot be read.
unsigned loadTexture(const std::string& path) {
    QImage image(QString::fromStdString(path));
    if (image.isNull()) return 0;
    image = image.convertToFormat(QImage::Format_RGBA8888).mirrored(false, true);
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, image.width(), image.height(), 0, GL_RGBA,
                 GL_UNSIGNED_BYTE, image.constBits());
    glBindTexture(GL_TEXTURE_2D, 0);
    return name;
}

} // namespace

void TextureHandles::update(const Project& project, const std::string& appFolder, LogSink& log) {
    if (built_ && builtVersion_ == project.textureLibraryVersion &&
        handles_.size() == project.object.textures.size())
        return;
    release();
    for (const TextureSource& source : textureSources(project, appFolder)) {
        TextureHandle h{loadTexture(source.image), loadTexture(source.mask)};
        if (!h.image) log.addLine(unreadableTextureLine(source.image));
        if (!h.mask && source.hasOwnMask) log.addLine(unreadableTextureLine(source.mask));
        handles_.push_back(h);
    }
    builtVersion_ = project.textureLibraryVersion;
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
