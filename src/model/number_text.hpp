#pragma once
// Number texts of the editor's files. Every form uses "." as the decimal
// separator whatever the process locale, and rounds half away from zero on the
// decimal digits of the value, as the files written by earlier releases do.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace meshsmith {

// Fixed-point text with exactly `decimals` digits after the point, after
// rounding the value to at most `significant` significant digits. Values with
// more integer digits than `significant` keep plain digits (never an exponent).
// A value that rounds to zero is written without a minus sign.
std::string formatFixed(double value, int significant, int decimals);

// Three decimals, 7 significant digits: the vertex coordinates of the project
// file and the ASE collision planes. 1.5 -> "1.500", 123456.78 -> "123456.800".
inline std::string vertexReal(float v) {
    return formatFixed(v, 7, 3);
}
// ASE coordinates and colours: 5 decimals, 7 significant digits.
inline std::string real5(float v) {
    return formatFixed(v, 7, 5);
}

// Shortest text with up to 15 significant digits and no trailing zeros, of the
// single-precision value widened: 0.6f -> "0.600000023841858", 0.5f -> "0.5".
// Magnitudes below 0.00001 and values with more than 15 integer digits use the
// exponent form "1E-6", "1.5E20".
std::string generalReal(float v);

// The conversion messages shown when a text is not a number.
std::string notAnIntegerMessage(std::string_view text);
std::string notAFloatMessage(std::string_view text);

// Integer text: optional leading blanks, optional sign, decimal digits, or "$"
// / "0x" followed by hexadecimal digits (up to 32 bits). Nothing may follow.
std::optional<std::int32_t> parseInteger(std::string_view text);

// Real text: optional blanks, sign, digits with an optional "." and an optional
// exponent, optional trailing blanks. The result must fit a 32-bit float.
std::optional<float> parseReal(std::string_view text);
std::optional<double> parseDouble(std::string_view text);

} // namespace meshsmith
