#pragma once
// Composes 3DO files field by field for the inspector's tests, from the file
// layout alone: header, XYZS, PLAN, STRN with its 0xFF end and space padding,
// PRIM data as given, and HAND when asked for.

#include <array>
#include <bit>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace meshsmith::test {

// Little-endian bytes, appended one field at a time.
struct LeBytes {
    std::vector<std::uint8_t> data;

    LeBytes& i32(std::int32_t v) {
        for (int shift = 0; shift < 32; shift += 8)
            data.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> shift));
        return *this;
    }
    LeBytes& f32(float v) { return i32(std::bit_cast<std::int32_t>(v)); }
    LeBytes& ints(std::initializer_list<std::int32_t> values) {
        for (const std::int32_t v : values)
            i32(v);
        return *this;
    }
    LeBytes& append(const LeBytes& more) {
        data.insert(data.end(), more.data.begin(), more.data.end());
        return *this;
    }
    std::int32_t size() const { return static_cast<std::int32_t>(data.size()); }
};

inline void patchI32(std::vector<std::uint8_t>& bytes, std::size_t at, std::int32_t v) {
    for (int i = 0; i < 4; ++i)
        bytes[at + static_cast<std::size_t>(i)] =
            static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i));
}

// A polygon record without colours: texture coordinates, then vertex numbers.
inline LeBytes polygonRecord(const std::vector<std::int32_t>& vertices) {
    LeBytes r;
    r.ints({0x81F, 0, -1, static_cast<std::int32_t>(vertices.size())});
    for (std::size_t i = 0; i < vertices.size(); ++i)
        r.f32(0.25f * i).f32(1.0f);
    for (const std::int32_t v : vertices)
        r.i32(v);
    return r;
}

struct ThreeDoParts {
    std::vector<std::array<float, 3>> vertices;
    std::vector<std::array<float, 4>> planes;
    std::vector<std::string> strings;
    LeBytes prim;                                              // from data offset 0
    std::optional<std::pair<std::int32_t, std::int32_t>> hand; // string offset, C
};

inline std::vector<std::uint8_t> assemble(const ThreeDoParts& parts) {
    LeBytes file;
    file.ints({0x33444F34, 1, -1});
    file.ints({0x58595A53, 0, static_cast<std::int32_t>(parts.vertices.size() * 16)});
    for (const auto& v : parts.vertices)
        file.f32(0).f32(v[0]).f32(v[1]).f32(v[2]);
    file.ints({0x504C414E, 0, static_cast<std::int32_t>(parts.planes.size() * 16)});
    for (const auto& p : parts.planes)
        file.f32(p[0]).f32(p[1]).f32(p[2]).f32(p[3]);
    std::vector<std::uint8_t> strn;
    for (const std::string& s : parts.strings) {
        strn.insert(strn.end(), s.begin(), s.end());
        strn.push_back(0);
    }
    strn.push_back(0xFF);
    file.ints({0x5354524E, 0, static_cast<std::int32_t>(strn.size())});
    file.data.insert(file.data.end(), strn.begin(), strn.end());
    while (file.data.size() % 4 != 0)
        file.data.push_back(' ');
    file.ints({0x5052494D, 0, parts.prim.size()}).append(parts.prim);
    if (parts.hand) file.ints({0x48414E44, 0, 8, parts.hand->first, parts.hand->second});
    patchI32(file.data, 8, file.size() - 12);
    return file.data;
}

} // namespace meshsmith::test
