#pragma once
// The toolkit's image readers (PNG, JPEG, and TGA with the image formats
// plug-ins) for the imports' bitmap conversion.

#include "import/image_decoder.hpp"

namespace meshsmith {

class QtImageDecoder : public ImageDecoder {
  public:
    std::optional<BmpImage> decode(const std::string& path) const override;
};

} // namespace meshsmith
