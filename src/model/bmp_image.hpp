#pragma once
// Windows bitmap files, the one reader and writer of the editor's textures and
// masks. Reads what modders' tools write: palettised (1, 4 and 8 bits per
// pixel), 16, 24 and 32 bits per pixel, uncompressed or with bit fields,
// stored bottom-up or top-down, with any of the common header versions.
// Writes 24-bit bottom-up bitmaps.

#include "colour_text.hpp"
#include "outcome.hpp"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace meshsmith {

// The largest width or height read: far above any texture, small enough that
// a forged header cannot ask for gigabytes.
inline constexpr int kLargestBitmapSide = 16384;

struct BmpImage {
    int width = 0, height = 0;
    std::vector<Colour> pixels; // width * height colours 0x00BBGGRR, row by row from the top

    Colour at(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
    friend bool operator==(const BmpImage&, const BmpImage&) = default;
};

// A bitmap of the given size in one colour.
BmpImage filledBmp(int width, int height, Colour colour);

// Decodes the bytes of a BMP file into `image`. Fails (with the message only,
// no file; `image` unchanged) for bytes that are not a BMP, a file cut short,
// a compression that is not read (RLE, JPEG, PNG) or an unusable header.
OperationResult decodeBmp(std::string_view bytes, BmpImage& image);

// Reads the BMP file at `path` (as the file system names it). Failures name
// the file (OperationResult::file) and leave `image` unchanged.
OperationResult readBmpFile(const std::string& path, BmpImage& image);

// The bytes of a 24-bit bottom-up BMP file of the image.
std::string encodeBmp24(const BmpImage& image);

// Writes the image as a 24-bit BMP through a temporary file and a rename, so
// a failed write leaves whatever was at `path` untouched. The failure names
// the file.
OperationResult writeBmpFile(const std::string& path, const BmpImage& image);

} // namespace meshsmith
