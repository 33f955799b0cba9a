// Any bytes as a bitmap: decoding must fail cleanly, and what it accepts must
// be a whole picture that the writer and reader carry unchanged.
#include "model/bmp_image.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace meshsmith;
    BmpImage image;
    if (!decodeBmp(std::string_view(reinterpret_cast<const char*>(data), size), image).done())
        return 0;
    if (image.width < 1 || image.height < 1 ||
        image.pixels.size() != static_cast<std::size_t>(image.width) * image.height)
        std::abort();
    BmpImage again;
    if (!decodeBmp(encodeBmp24(image), again).done() || !(again == image)) std::abort();
    return 0;
}
