#include "scan_format.hpp"

#include <charconv>
#include <cmath>
#include <limits>

namespace meshsmith::readers {
namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t skipSpace(std::string_view s, std::size_t i) {
    while (i < s.size() && isSpace(s[i]))
        ++i;
    return i;
}

std::int32_t clamp32(long double v) {
    if (v > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (v < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(v);
}

// Digits of `base` from i; the value (saturating) and the end position.
std::size_t readDigits(std::string_view s, std::size_t i, int base, long double& value) {
    auto digit = [base](char c) {
        int d = isDigit(c)               ? c - '0'
                : (c >= 'a' && c <= 'f') ? c - 'a' + 10
                : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                                         : 99;
        return d < base ? d : -1;
    };
    value = 0;
    while (i < s.size() && digit(s[i]) >= 0) {
        if (value < 1e30L) value = value * base + digit(s[i]);
        ++i;
    }
    return i;
}

// An integer as strtol with the given base (0: prefix decides); npos when none.
std::size_t scanInteger(std::string_view s, std::size_t i, int base, long double& value) {
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    if (base == 0) {
        if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
            long double v = 0;
            std::size_t end = readDigits(s, i + 2, 16, v);
            if (end == i + 2) { // "0x" without hex digits reads as the 0
                value = 0;
                return i + 1;
            }
            value = negative ? -v : v;
            return end;
        }
        base = (i < s.size() && s[i] == '0') ? 8 : 10;
    }
    std::size_t end = readDigits(s, i, base, value);
    if (end == i) return std::string_view::npos;
    if (negative) value = -value;
    return end;
}

bool startsWithNoCase(std::string_view s, std::size_t i, std::string_view word) {
    if (s.size() - i < word.size()) return false;
    for (std::size_t k = 0; k < word.size(); ++k)
        if ((s[i + k] | 0x20) != word[k]) return false;
    return true;
}

// A real as strtod reads it (decimal form or inf/nan); npos when none.
std::size_t scanReal(std::string_view s, std::size_t i, float& value) {
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    if (startsWithNoCase(s, i, "nan")) {
        value = std::numeric_limits<float>::quiet_NaN();
        return i + 3;
    }
    if (startsWithNoCase(s, i, "inf")) {
        value = negative ? -std::numeric_limits<float>::infinity()
                         : std::numeric_limits<float>::infinity();
        return i + (startsWithNoCase(s, i, "infinity") ? 8 : 3);
    }
    std::size_t digits = 0, j = i;
    while (j < s.size() && isDigit(s[j]))
        ++j, ++digits;
    if (j < s.size() && s[j] == '.') {
        ++j;
        while (j < s.size() && isDigit(s[j]))
            ++j, ++digits;
    }
    if (digits == 0) return std::string_view::npos;
    if (j < s.size() && (s[j] == 'e' || s[j] == 'E')) {
        std::size_t k = j + 1;
        if (k < s.size() && (s[k] == '+' || s[k] == '-')) ++k;
        if (k < s.size() && isDigit(s[k])) {
            while (k < s.size() && isDigit(s[k]))
                ++k;
            j = k;
        }
    }
    std::string body(s.substr(i, j - i));
    if (body.front() == '.') body.insert(body.begin(), '0');
    double v = 0;
    auto r = std::from_chars(body.data(), body.data() + body.size(), v);
    if (r.ec == std::errc::result_out_of_range) {
        bool tiny = body.find_first_of("eE") != std::string::npos &&
                    body.find('-', body.find_first_of("eE")) != std::string::npos;
        v = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    }
    value = static_cast<float>(negative ? -v : v);
    return j;
}

struct FieldDirective {
    char conversion = 0;
    bool byteSized = false; // "hh"
};

// Reads a field directive (width, size, conversion letter) after '%'; returns the position after
// it.
std::size_t readDirective(std::string_view pattern, std::size_t p, FieldDirective& directive) {
    while (p < pattern.size() && isDigit(pattern[p]))
        ++p; // a width: strings are bounded anyway
    while (p < pattern.size() && (pattern[p] == 'h' || pattern[p] == 'l')) {
        directive.byteSized = directive.byteSized || (pattern[p] == 'h' && p + 1 < pattern.size() &&
                                                      pattern[p + 1] == 'h');
        ++p;
    }
    if (p < pattern.size()) directive.conversion = pattern[p++];
    return p;
}

// Converts one field at line position i into `target`; npos when it does not convert.
std::size_t convert(std::string_view line, std::size_t i, const FieldDirective& directive,
                    const ScanTarget& target) {
    switch (directive.conversion) {
    case 'i':
    case 'd':
    case 'u': {
        long double v = 0;
        std::size_t end = scanInteger(line, i, directive.conversion == 'i' ? 0 : 10, v);
        if (end == std::string_view::npos) return end;
        if (auto* p = std::get_if<std::int32_t*>(&target); p && *p) **p = clamp32(v);
        if (auto* p = std::get_if<std::uint8_t*>(&target); p && *p)
            **p =
                static_cast<std::uint8_t>(static_cast<long long>(std::fmod(v, 256.0L) + 256) % 256);
        return end;
    }
    case 'f': {
        float v = 0;
        std::size_t end = scanReal(line, i, v);
        if (end != std::string_view::npos)
            if (auto* p = std::get_if<float*>(&target); p && *p) **p = v;
        return end;
    }
    case 's': {
        std::size_t end = i;
        while (end < line.size() && !isSpace(line[end]) && end - i < kMaxScanString)
            ++end;
        if (auto* p = std::get_if<std::string*>(&target); p && *p)
            (*p)->assign(line.substr(i, end - i));
        return end;
    }
    default:
        return std::string_view::npos;
    }
}

} // namespace

ScanResult scanFormatted(std::string_view line, std::string_view pattern,
                         const std::vector<ScanTarget>& targets) {
    ScanResult r;
    std::size_t i = 0, p = 0, field = 0;
    bool seenField = false;
    while (p < pattern.size()) {
        if (isSpace(pattern[p])) {
            while (p < pattern.size() && isSpace(pattern[p]))
                ++p;
            i = skipSpace(line, i);
            continue;
        }
        if (pattern[p] != '%') {
            if (i >= line.size() || line[i] != pattern[p]) return r;
            ++i, ++p;
            continue;
        }
        FieldDirective directive;
        p = readDirective(pattern, p + 1, directive);
        if (!seenField) r.literalPrefix = true;
        i = skipSpace(line, i);
        if (i >= line.size()) {
            if (!seenField) r.endBeforeField = true;
            return r;
        }
        seenField = true;
        std::size_t end =
            convert(line, i, directive,
                    field < targets.size() ? targets[field]
                                           : ScanTarget{static_cast<std::int32_t*>(nullptr)});
        if (end == std::string_view::npos) return r;
        ++r.converted, ++field;
        i = end;
    }
    if (!seenField) r.literalPrefix = true;
    return r;
}

bool matches(std::string_view line, std::string_view pattern,
             const std::vector<ScanTarget>& targets) {
    ScanResult r = scanFormatted(line, pattern, targets);
    return r.literalPrefix &&
           (r.converted > 0 || r.endBeforeField || pattern.find('%') == std::string_view::npos);
}

} // namespace meshsmith::readers
