#pragma once
// Reading an image file of any common kind (PNG, JPEG, TGA ...) into pixels.
// The editor reads them with its toolkit's image readers; the console tools
// have none and pass no decoder.

#include "model/bmp_image.hpp"

#include <optional>
#include <string>

namespace meshsmith {

class ImageDecoder {
  public:
    virtual ~ImageDecoder() = default;
    // The pixels of the image at `path` (as the file system names it), alpha
    // dropped; nullopt when it cannot be read as an image.
    virtual std::optional<BmpImage> decode(const std::string& path) const = 0;
};

} // namespace meshsmith
