#include "editor/qt/textures/qt_image_decoder.hpp"

#include "model/paths.hpp"

#include <QImage>
#include <QImageReader>

namespace meshsmith {

std::optional<BmpImage> QtImageDecoder::decode(const std::string& path) const {
    QImageReader reader(QString::fromStdString(nativePath(path)));
    const QImage read = reader.read();
    if (read.isNull()) return std::nullopt;
    const QImage rgb = read.convertToFormat(QImage::Format_RGB32);
    BmpImage image;
    image.width = rgb.width();
    image.height = rgb.height();
    image.pixels.reserve(static_cast<std::size_t>(image.width) *
                         static_cast<std::size_t>(image.height));
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            image.pixels.push_back(static_cast<Colour>(qRed(line[x])) |
                                   static_cast<Colour>(qGreen(line[x])) << 8 |
                                   static_cast<Colour>(qBlue(line[x])) << 16);
    }
    return image;
}

} // namespace meshsmith
