#include "bmp_image.hpp"

#include "paths.hpp"
#include "text_file.hpp"

#include <bit>
#include <cstdint>

namespace meshsmith {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12; // the old OS/2 header: 16-bit sizes, 3-byte palette
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kLargestHeaderSize = 124; // BITMAPV5HEADER

// The header's compression field.
enum Compression : std::uint32_t {
    Uncompressed = 0,
    BitFields = 3,
    AlphaBitFields = 6,
};

std::uint32_t u16(std::string_view b, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8;
}
std::uint32_t u32(std::string_view b, std::size_t at) {
    return u16(b, at) | u16(b, at + 2) << 16;
}

Colour rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return r | g << 8 | b << 16;
}

// One colour channel of a bit-field pixel, scaled to 0..255.
std::uint32_t channel(std::uint32_t pixel, std::uint32_t mask) {
    if (mask == 0) return 0;
    const int shift = std::countr_zero(mask);
    const std::uint32_t top = mask >> shift;
    return static_cast<std::uint32_t>((std::uint64_t{(pixel & mask) >> shift} * 255 + top / 2) /
                                      top);
}

struct Layout {
    int width = 0, height = 0; // height > 0
    bool topDown = false;
    std::uint32_t bitsPerPixel = 0, compression = Uncompressed;
    std::size_t headerEnd = 0;    // where the palette or bit masks begin
    std::size_t pixelOffset = 0;  // where the rows begin
    std::size_t rowStride = 0;    // bytes per row, padded to 4
    std::size_t paletteEntry = 4; // bytes per palette entry
    std::uint32_t paletteCount = 0;
};

OperationResult refusal(std::string message) {
    return OperationResult::failed(std::move(message));
}

OperationResult compressionRefusal(std::uint32_t compression) {
    const char* names[] = {"", "RLE8", "RLE4", "bit-field", "JPEG", "PNG", "bit-field"};
    const std::string name = compression > Uncompressed && compression <= AlphaBitFields
                                 ? names[compression]
                                 : "an unknown";
    return refusal("This bitmap uses " + name +
                   " compression, which is not read here: save it uncompressed");
}

OperationResult readHeader(std::string_view b, Layout& l) {
    if (b.size() < kFileHeaderSize + 4 || b[0] != 'B' || b[1] != 'M')
        return refusal("This file is not a BMP bitmap");
    const std::uint32_t headerSize = u32(b, kFileHeaderSize);
    if (headerSize != kCoreHeaderSize &&
        (headerSize < kInfoHeaderSize || headerSize > kLargestHeaderSize))
        return refusal("This file is not a BMP bitmap");
    l.headerEnd = kFileHeaderSize + headerSize;
    if (b.size() < l.headerEnd) return refusal("This bitmap is cut short");
    std::int64_t width = 0, height = 0;
    if (headerSize == kCoreHeaderSize) {
        width = u16(b, 18);
        height = u16(b, 20);
        l.bitsPerPixel = u16(b, 24);
        l.paletteEntry = 3;
    } else {
        width = static_cast<std::int32_t>(u32(b, 18));
        height = static_cast<std::int32_t>(u32(b, 22));
        l.bitsPerPixel = u16(b, 28);
        l.compression = u32(b, 30);
        l.paletteCount = u32(b, 46);
    }
    l.topDown = height < 0;
    height = height < 0 ? -height : height;
    if (width < 1 || height < 1 || width > kLargestBitmapSide || height > kLargestBitmapSide)
        return refusal("This bitmap's size " + std::to_string(width) + " x " +
                       std::to_string(height) + " cannot be used");
    l.width = static_cast<int>(width);
    l.height = static_cast<int>(height);
    l.pixelOffset = u32(b, 10);
    return {};
}

OperationResult checkFormat(std::string_view b, Layout& l) {
    const std::uint32_t bpp = l.bitsPerPixel;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32)
        return refusal("This bitmap has " + std::to_string(bpp) +
                       " bits per pixel, which is not read");
    const bool fields = l.compression == BitFields || l.compression == AlphaBitFields;
    if (l.compression != Uncompressed && !(fields && (bpp == 16 || bpp == 32)))
        return compressionRefusal(l.compression);
    if (bpp <= 8) {
        const std::uint32_t most = 1u << bpp;
        if (l.paletteCount == 0 || l.paletteCount > most) l.paletteCount = most;
        if (l.headerEnd + l.paletteCount * l.paletteEntry > b.size())
            return refusal("This bitmap is cut short");
    } else {
        l.paletteCount = 0; // a true-colour bitmap's palette is a hint for displays: not read
    }
    // Bit masks stand right after a 40-byte header (later headers hold them at
    // the same place): whatever the header's size, the file must reach them.
    if (fields && kFileHeaderSize + kInfoHeaderSize + 12 > b.size())
        return refusal("This bitmap is cut short");
    if (l.pixelOffset < l.headerEnd) return refusal("This bitmap's header is damaged");
    const std::size_t rowBytes = (static_cast<std::size_t>(l.width) * bpp + 7) / 8;
    l.rowStride = (rowBytes + 3) / 4 * 4;
    // The padding of the last row may be missing; its pixels may not.
    const std::size_t needed = l.rowStride * static_cast<std::size_t>(l.height - 1) + rowBytes;
    if (l.pixelOffset > b.size() || b.size() - l.pixelOffset < needed)
        return refusal("This bitmap is cut short: it ends before its pixels do");
    return {};
}

struct Masks {
    std::uint32_t red, green, blue;
};

Masks bitMasks(std::string_view b, const Layout& l) {
    if (l.compression == BitFields || l.compression == AlphaBitFields)
        return {u32(b, kFileHeaderSize + kInfoHeaderSize), u32(b, kFileHeaderSize + 44),
                u32(b, kFileHeaderSize + 48)};
    if (l.bitsPerPixel == 16) return {0x7C00, 0x03E0, 0x001F};
    return {0xFF0000, 0xFF00, 0xFF};
}

std::vector<Colour> palette(std::string_view b, const Layout& l) {
    std::vector<Colour> colours;
    for (std::uint32_t k = 0; k < l.paletteCount; ++k) {
        const std::size_t at = l.headerEnd + k * l.paletteEntry;
        colours.push_back(rgb(static_cast<unsigned char>(b[at + 2]),
                              static_cast<unsigned char>(b[at + 1]),
                              static_cast<unsigned char>(b[at])));
    }
    return colours;
}

// The colour of pixel x of the row starting at `row`.
Colour pixelAt(std::string_view b, std::size_t row, int x, const Layout& l,
               const std::vector<Colour>& colours, const Masks& m) {
    const std::size_t bpp = l.bitsPerPixel;
    const std::size_t bit = static_cast<std::size_t>(x) * bpp;
    if (bpp <= 8) {
        const auto byte = static_cast<unsigned char>(b[row + bit / 8]);
        const std::size_t index = (byte >> (8 - bpp - bit % 8)) & ((1u << bpp) - 1);
        return index < colours.size() ? colours[index] : 0; // outside the palette: black
    }
    const std::size_t at = row + bit / 8;
    if (bpp == 24)
        return rgb(static_cast<unsigned char>(b[at + 2]), static_cast<unsigned char>(b[at + 1]),
                   static_cast<unsigned char>(b[at]));
    const std::uint32_t value = bpp == 16 ? u16(b, at) : u32(b, at);
    return rgb(channel(value, m.red), channel(value, m.green), channel(value, m.blue));
}

} // namespace

BmpImage filledBmp(int width, int height, Colour colour) {
    return {width, height,
            std::vector<Colour>(static_cast<std::size_t>(width) * static_cast<std::size_t>(height),
                                colour)};
}

OperationResult decodeBmp(std::string_view bytes, BmpImage& image) {
    Layout l;
    if (OperationResult r = readHeader(bytes, l); !r.done()) return r;
    if (OperationResult r = checkFormat(bytes, l); !r.done()) return r;
    const std::vector<Colour> colours = palette(bytes, l);
    const Masks masks = bitMasks(bytes, l);
    BmpImage decoded{l.width, l.height, {}};
    decoded.pixels.reserve(static_cast<std::size_t>(l.width) * static_cast<std::size_t>(l.height));
    for (int y = 0; y < l.height; ++y) {
        const std::size_t stored = static_cast<std::size_t>(l.topDown ? y : l.height - 1 - y);
        const std::size_t row = l.pixelOffset + stored * l.rowStride;
        for (int x = 0; x < l.width; ++x)
            decoded.pixels.push_back(pixelAt(bytes, row, x, l, colours, masks));
    }
    image = std::move(decoded);
    return {};
}

OperationResult readBmpFile(const std::string& path, BmpImage& image) {
    std::string error;
    const auto bytes = readWholeFile(nativePath(path), &error);
    if (!bytes)
        return OperationResult::failed("The bitmap cannot be read: it is missing or not readable",
                                       path);
    OperationResult r = decodeBmp(*bytes, image);
    if (!r.done()) r.file = path;
    return r;
}

std::string encodeBmp24(const BmpImage& image) {
    const std::size_t stride = (static_cast<std::size_t>(image.width) * 3 + 3) / 4 * 4;
    const std::size_t dataSize = stride * static_cast<std::size_t>(image.height);
    const std::size_t offset = kFileHeaderSize + kInfoHeaderSize;
    std::string out;
    auto put = [&](std::uint32_t value, int bytes) {
        for (int k = 0; k < bytes; ++k)
            out.push_back(static_cast<char>((value >> (8 * k)) & 0xFF));
    };
    out += "BM";
    put(static_cast<std::uint32_t>(offset + dataSize), 4);
    put(0, 4);
    put(static_cast<std::uint32_t>(offset), 4);
    put(kInfoHeaderSize, 4);
    put(static_cast<std::uint32_t>(image.width), 4);
    put(static_cast<std::uint32_t>(image.height), 4);
    put(1, 2);  // planes
    put(24, 2); // bits per pixel
    put(Uncompressed, 4);
    put(static_cast<std::uint32_t>(dataSize), 4);
    put(2835, 4); // 72 dots per inch, in dots per metre
    put(2835, 4);
    put(0, 4);
    put(0, 4);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const Colour c = image.at(x, y);
            out.push_back(static_cast<char>(blueOf(c)));
            out.push_back(static_cast<char>(greenOf(c)));
            out.push_back(static_cast<char>(redOf(c)));
        }
        out.append(stride - static_cast<std::size_t>(image.width) * 3, '\0');
    }
    return out;
}

OperationResult writeBmpFile(const std::string& path, const BmpImage& image) {
    if (auto error = writeFileAtomically(path, encodeBmp24(image)))
        return OperationResult::failed("The bitmap could not be written: " + *error, path);
    return {};
}

} // namespace meshsmith
