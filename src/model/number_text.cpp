#include "number_text.hpp"

#include <charconv>
#include <cmath>
#include <limits>

namespace meshsmith {
namespace {

// Decimal digits of a value: value = 0.d1 d2 d3 ... x 10^exponent.
struct Digits {
    bool negative = false;
    std::string digits; // without leading zeros; empty means zero
    int exponent = 0;
};

// The value rounded to 18 significant digits (ties to even, as the x87 unit
// that produced the historical files did), then given as a digit string.
Digits decimalDigits(double value) {
    Digits d;
    if (value == 0.0 || !std::isfinite(value)) return d;
    d.negative = std::signbit(value);
    char buf[64];
    auto res =
        std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 17);
    std::string_view text(buf, static_cast<std::size_t>(res.ptr - buf));
    auto e = text.find('e');
    for (char c : text.substr(0, e))
        if (c != '.') d.digits.push_back(c);
    int sciExp = 0;
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0), text.data() + text.size(),
                    sciExp);
    d.exponent = sciExp + 1;
    return d;
}

// Keeps `keep` digits, rounding half away from zero on the next digit.
void roundDigits(Digits& d, int keep) {
    if (keep < 0 || d.digits.empty()) {
        d.digits.clear();
        return;
    }
    if (keep >= static_cast<int>(d.digits.size())) return;
    bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
    d.digits.resize(static_cast<std::size_t>(keep));
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9') {
            d.digits[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i < 0) {
            d.digits.insert(d.digits.begin(), '1');
            d.exponent += 1;
        } else {
            d.digits[static_cast<std::size_t>(i)] += 1;
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

std::string formatFixed(double value, int significant, int decimals) {
    Digits d = decimalDigits(value);
    roundDigits(d, std::min(significant, d.exponent + decimals));
    std::string out;
    if (d.digits.empty()) {
        out = "0";
        if (decimals > 0) out += "." + std::string(static_cast<std::size_t>(decimals), '0');
        return out;
    }
    if (d.negative) out += '-';
    std::string intPart, fracPart;
    for (int i = 0; i < std::max(d.exponent, 0); ++i)
        intPart +=
            i < static_cast<int>(d.digits.size()) ? d.digits[static_cast<std::size_t>(i)] : '0';
    if (intPart.empty()) intPart = "0";
    for (int i = 0; i < decimals; ++i) {
        int pos = d.exponent + i;
        fracPart += (pos >= 0 && pos < static_cast<int>(d.digits.size()))
                        ? d.digits[static_cast<std::size_t>(pos)]
                        : '0';
    }
    out += intPart;
    if (decimals > 0) out += "." + fracPart;
    return out;
}

std::string generalReal(float v) {
    Digits d = decimalDigits(static_cast<double>(v));
    roundDigits(d, 15);
    if (d.digits.empty()) return "0";
    std::string out = d.negative ? "-" : "";
    if (d.exponent < -4 || d.exponent > 15) {
        out += d.digits[0];
        if (d.digits.size() > 1) out += "." + d.digits.substr(1);
        out += "E" + std::to_string(d.exponent - 1);
        return out;
    }
    if (d.exponent <= 0) {
        out += "0." + std::string(static_cast<std::size_t>(-d.exponent), '0') + d.digits;
        return out;
    }
    auto e = static_cast<std::size_t>(d.exponent);
    if (d.digits.size() <= e) return out + d.digits + std::string(e - d.digits.size(), '0');
    return out + d.digits.substr(0, e) + "." + d.digits.substr(e);
}

std::string notAnIntegerMessage(std::string_view text) {
    return "'" + std::string(text) + "' is not a valid integer value";
}

std::string notAFloatMessage(std::string_view text) {
    return "'" + std::string(text) + "' is not a valid floating point value";
}

std::optional<std::int32_t> parseInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' &&
               (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= text.size()) return std::nullopt;
    std::uint64_t value = 0;
    auto res = std::from_chars(text.data() + i, text.data() + text.size(), value, base);
    if (res.ec != std::errc() || res.ptr != text.data() + text.size()) return std::nullopt;
    if (base == 16) {
        if (value > 0xFFFFFFFFull) return std::nullopt;
        auto bits = static_cast<std::uint32_t>(value);
        auto v = static_cast<std::int32_t>(bits);
        return negative ? static_cast<std::int32_t>(0u - bits) : v;
    }
    if (negative) {
        if (value > 2147483648ull) return std::nullopt;
        return static_cast<std::int32_t>(-static_cast<std::int64_t>(value));
    }
    if (value > 2147483647ull) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::optional<double> parseDouble(std::string_view text) {
    std::size_t b = 0, e = text.size();
    while (b < e && isBlank(text[b]))
        ++b;
    while (e > b && isBlank(text[e - 1]))
        --e;
    std::string_view t = text.substr(b, e - b);
    std::size_t i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) negative = t[i++] == '-';
    std::size_t start = i;
    int mantissaDigits = 0;
    while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i])))
        ++i, ++mantissaDigits;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i])))
            ++i, ++mantissaDigits;
    }
    if (mantissaDigits == 0) return std::nullopt;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        std::size_t expStart = i;
        while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i])))
            ++i;
        if (i == expStart) return std::nullopt;
    }
    if (i != t.size()) return std::nullopt;
    std::string body(t.substr(start));
    if (body.front() == '.') body.insert(body.begin(), '0');
    double value = 0;
    auto res =
        std::from_chars(body.data(), body.data() + body.size(), value, std::chars_format::general);
    if (res.ec == std::errc::result_out_of_range) {
        // Underflow reads as zero; overflow is not a number we can keep.
        bool tiny = body.find_first_of("eE") != std::string::npos &&
                    body.find('-', body.find_first_of("eE")) != std::string::npos;
        if (!tiny) return std::nullopt;
        value = 0;
    } else if (res.ec != std::errc() || res.ptr != body.data() + body.size()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

std::optional<float> parseReal(std::string_view text) {
    auto v = parseDouble(text);
    if (!v || std::fabs(*v) > static_cast<double>(std::numeric_limits<float>::max()))
        return std::nullopt;
    return static_cast<float>(*v);
}

} // namespace meshsmith
