#pragma once
// Formatted scanning of a text line against a pattern, as the C library's
// sscanf does it in the "C" locale, without its hazards: conversions write to
// typed targets, strings never overrun, and the result tells the keyword rule
// apart from the count of converted fields.
//
// Pattern elements:
//  - white space (blank, tab, line feed) matches any run of white space, including none;
//  - "%i" (sign, then 0x.. hexadecimal, 0.. octal or decimal), "%d" (decimal),
//    "%hhu" (unsigned decimal kept modulo 256), "%f" (a real: sign, digits, point,
//    exponent, or inf/nan), "%s" (a run of non-white characters, at most
//    kMaxScanString), each skipping leading white space;
//  - any other character matches itself.
// A field that does not convert ends the scan; targets of fields that were not
// converted keep their values. Integers out of range are clamped to 32 bits.

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace meshsmith::readers {

inline constexpr std::size_t kMaxScanString = 255;

using ScanTarget = std::variant<std::int32_t*, std::uint8_t*, float*, std::string*>;

struct ScanResult {
    int converted = 0;          // fields converted, in pattern order
    bool literalPrefix = false; // the pattern's text before its first field was matched in full
    bool endBeforeField =
        false; // the line ended (only white space left) where the first field began
};

ScanResult scanFormatted(std::string_view line, std::string_view pattern,
                         const std::vector<ScanTarget>& targets);

// The keyword rule of the readers: the literal text up to the first field is
// found in full, and the first field either converts or meets the end of the
// line. A pattern without fields matches when its text is matched in full.
bool matches(std::string_view line, std::string_view pattern,
             const std::vector<ScanTarget>& targets = {});

} // namespace meshsmith::readers
