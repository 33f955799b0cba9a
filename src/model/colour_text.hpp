#pragma once
// Colours as the editor stores them: 32-bit values 0x00BBGGRR, written as one of
// 41 names ("clWhite", "clBtnFace" ...) or "$" and eight hexadecimal digits.
// Values 0x80000000 .. 0x80000018 are system colours; they are resolved to RGB
// through one table of the standard Windows default scheme.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace meshsmith {

using Colour = std::uint32_t;

struct Rgb {
    float r = 0, g = 0, b = 0; // 0..1, byte / 255
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Name when the value is one of the named colours, else "$" + 8 upper-case hex digits.
std::string colourToText(Colour c);

// A name (any letter case) or an integer text ("$" introduces hexadecimal).
// nullopt when the text is neither; the caller shows notAnIntegerMessage(text).
std::optional<Colour> textToColour(std::string_view text);

// The RGB value of a colour, with system colours resolved through the default scheme.
Colour resolveSystemColour(Colour c);
Rgb colourToRgb(Colour c);
inline std::uint8_t redOf(Colour c) {
    return static_cast<std::uint8_t>(c & 0xFF);
}
inline std::uint8_t greenOf(Colour c) {
    return static_cast<std::uint8_t>((c >> 8) & 0xFF);
}
inline std::uint8_t blueOf(Colour c) {
    return static_cast<std::uint8_t>((c >> 16) & 0xFF);
}

} // namespace meshsmith
