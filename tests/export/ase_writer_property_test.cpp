// Generated projects: every line of the file is one of the dialect's forms, and
// each object holds exactly its polygon's corners, at their coordinates.

#include "export/ase_writer.hpp"
#include "model/number_text.hpp"
#include "support/project_builders.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

// Placeholders in the line forms below: <N> an unsigned integer, <I> a signed
// one, <R5> and <R3> fixed-point numbers with 5 or 3 decimals and no "-0".
const std::vector<std::string> kExactLines = {
    "*COMMENT \">>>> - Exported by Meshsmith - <<<<\"",
    "*COMMENT \"Caution: Crippled ASE file - Do not use with 3DSMAX !\"",
    " ",
    "*GEOMOBJECT",
    "*LINEOBJECT",
};
const std::vector<std::string> kLineForms = {
    "*MATERIAL <N>",
    "*MATERIAL_DIFFUSE <R5> <R5> <R5>",
    "*MESH_VERTEX <N> <R5> <R5> <R5>",
    "*DISPLAY_CLASS <I>",
    "*MESH_FACE <N> A: <N> B: <N> C: 0 AB: 1 BC: 1 CA: 1 *MESH_SMOOTHING 2 *MESH_MTLID 1",
    "*MESH_TVERT <N> <R5> <R5> 0.0000",
    "*MESH_TFACE <N> <N> <N> 0",
    "*MATERIAL_REF <N>",
    "*LINECOLOR <R5> <R5> <R5>",
    "*COLLISION_VOLUMES <N>",
    "*COLLISION_PLANES <N>",
    "*COLLISION_PLANE <N> <R3> <R3> <R3> <R3>",
};

std::vector<std::string> splitAtSpaces(const std::string& text) {
    std::vector<std::string> words;
    std::size_t from = 0;
    for (;;) {
        std::size_t to = text.find(' ', from);
        words.push_back(text.substr(from, to - from));
        if (to == std::string::npos) return words;
        from = to + 1;
    }
}

bool isDigits(std::string_view t) {
    return !t.empty() &&
           std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool isSigned(std::string_view t) {
    return isDigits(t.substr(!t.empty() && t[0] == '-' ? 1 : 0));
}

bool isFixed(std::string_view t, std::size_t decimals) {
    bool negative = !t.empty() && t[0] == '-';
    std::string_view body = t.substr(negative ? 1 : 0);
    auto point = body.find('.');
    if (point == std::string_view::npos || !isDigits(body.substr(0, point)) ||
        !isDigits(body.substr(point + 1)) || body.size() - point - 1 != decimals)
        return false;
    return !negative || body.find_first_not_of("0.") != std::string_view::npos;
}

bool wordMatches(const std::string& form, const std::string& word) {
    if (form == "<N>") return isDigits(word);
    if (form == "<I>") return isSigned(word);
    if (form == "<R5>") return isFixed(word, 5);
    if (form == "<R3>") return isFixed(word, 3);
    return form == word;
}

bool matchesForm(const std::string& form, const std::string& line) {
    auto formWords = splitAtSpaces(form);
    auto words = splitAtSpaces(line);
    if (formWords.size() != words.size()) return false;
    for (std::size_t i = 0; i < words.size(); ++i)
        if (!wordMatches(formWords[i], words[i])) return false;
    return true;
}

bool isBitmapLine(const std::string& line) {
    const std::string head = "*BITMAP \"";
    return line.size() > head.size() && line.rfind(head, 0) == 0 && line.back() == '"' &&
           line.find_first_of("\"\r\n", head.size()) == line.size() - 1;
}

bool isDialectLine(const std::string& line) {
    if (std::find(kExactLines.begin(), kExactLines.end(), line) != kExactLines.end()) return true;
    if (isBitmapLine(line)) return true;
    return std::any_of(kLineForms.begin(), kLineForms.end(),
                       [&](const std::string& form) { return matchesForm(form, line); });
}

// Fully textured, with texture coordinates of varying length, and collision
// planes that name only polygons with a plane.
Project writableProject(std::uint32_t seed) {
    Project p = randomProject(seed);
    if (p.object.vertices.empty()) p.object.vertices.push_back({1, 2, 3, 0});
    if (p.object.textures.empty()) {
        TextureData plain;
        plain.Filename = "C:\\maps\\plain.bmp";
        p.object.textures.push_back(plain);
    }
    std::vector<std::int32_t> usable;
    for (std::size_t i = 0; i < p.object.polygons.size(); ++i) {
        ObjectData& poly = p.object.polygons[i];
        poly.TextureIndex = static_cast<std::int32_t>((seed + i) % p.object.textures.size());
        poly.TexCoords.resize((seed + i) % 3 == 0 ? i % 4 : poly.TexCoords.size());
        if (aseCornerCount(poly) >= 3 && polygonPlaneIsUsable(p, poly))
            usable.push_back(static_cast<std::int32_t>(i));
    }
    if (usable.empty()) p.object.collision.clear();
    for (auto& vol : p.object.collision)
        for (std::size_t j = 0; j < vol.PlanePolygons.size(); ++j)
            vol.PlanePolygons[j] = usable[(seed + j) % usable.size()];
    return p;
}

std::vector<double> numbersAfter(const std::string& line, int skip) {
    std::istringstream in(line);
    std::string word;
    std::vector<double> values;
    for (int i = 0; in >> word; ++i)
        if (i >= skip) values.push_back(parseDouble(word).value_or(NAN));
    return values;
}

// The written value is the coordinate rounded to 7 significant digits and 5 decimals.
void expectWrittenCoordinate(double written, float actual) {
    double tolerance = std::max(std::fabs(actual) * 1e-6, 6e-6);
    EXPECT_NEAR(written, actual, tolerance);
}

// The object's lines from `i` up to its *MATERIAL_REF that start with `prefix`;
// each must carry its own position as its number.
int countNumbered(const std::vector<std::string>& lines, std::size_t i, const std::string& prefix) {
    int count = 0;
    for (; i < lines.size() && lines[i].rfind("*MATERIAL_REF", 0) != 0; ++i)
        if (lines[i].rfind(prefix, 0) == 0) {
            EXPECT_EQ(
                lines[i].substr(prefix.size(), lines[i].find(' ', prefix.size()) - prefix.size()),
                std::to_string(count));
            ++count;
        }
    return count;
}

// Walks the file's objects in order and checks each against its polygon.
void expectObjectsMatchPolygons(const Project& p, const std::vector<std::string>& lines) {
    std::size_t object = 0;
    std::size_t i = 0;
    while (i < lines.size()) {
        if (lines[i++] != "*GEOMOBJECT") continue;
        ASSERT_LT(object, p.object.polygons.size());
        const ObjectData& poly = p.object.polygons[object];
        int corners = poly.VertexCount - 1;
        EXPECT_EQ(countNumbered(lines, i, "*MESH_VERTEX "), corners) << "object " << object;
        EXPECT_EQ(countNumbered(lines, i, "*MESH_TVERT "), corners) << "object " << object;
        for (int k = 0; i < lines.size() && lines[i].rfind("*MESH_VERTEX ", 0) == 0; ++i, ++k) {
            auto xyz = numbersAfter(lines[i], 2);
            ASSERT_EQ(xyz.size(), 3u);
            const Vertex& v = p.object.vertices[static_cast<std::size_t>(poly.VertexIndices[k])];
            expectWrittenCoordinate(xyz[0], v.X);
            expectWrittenCoordinate(xyz[1], v.Y);
            expectWrittenCoordinate(xyz[2], v.Z);
        }
        ++object;
    }
    EXPECT_EQ(object, p.object.polygons.size());
}

std::size_t countStartingWith(const std::vector<std::string>& lines, const std::string& prefix) {
    return static_cast<std::size_t>(std::count_if(
        lines.begin(), lines.end(), [&](const auto& l) { return l.rfind(prefix, 0) == 0; }));
}

} // namespace

TEST(AseProperty, GeneratedProjectsGiveOnlyDialectLines) {
    int withCollision = 0, withLines = 0, withPolygons = 0;
    for (std::uint32_t seed = 0; seed < 300; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Project p = writableProject(seed);
        ASSERT_EQ(checkAseWrite(p).message, "");
        ASSERT_EQ(checkAseData(p).message, "");
        auto lines = aseLines(p);
        for (const auto& line : lines)
            EXPECT_TRUE(isDialectLine(line)) << '"' << line << '"';
        expectObjectsMatchPolygons(p, lines);

        std::size_t faces = 0;
        for (const auto& poly : p.object.polygons)
            faces += static_cast<std::size_t>(std::max(aseCornerCount(poly) - 2, 0));
        EXPECT_EQ(countStartingWith(lines, "*MESH_FACE "), faces);
        EXPECT_EQ(countStartingWith(lines, "*MESH_TFACE "), faces);
        EXPECT_EQ(countStartingWith(lines, "*LINEOBJECT"), p.object.lines.size());
        EXPECT_EQ(countStartingWith(lines, "*COLLISION_PLANES "), p.object.collision.size());
        EXPECT_EQ(countStartingWith(lines, "*MATERIAL "),
                  p.object.polygons.empty() ? 0u : p.object.textures.size());
        EXPECT_EQ(aseText(p).size(), [&] {
            std::size_t n = 0;
            for (const auto& l : lines)
                n += l.size() + 2;
            return n;
        }());
        withCollision += !p.object.collision.empty();
        withLines += !p.object.lines.empty();
        withPolygons += !p.object.polygons.empty();
    }
    // The generator must reach every block, or the property says little.
    EXPECT_GT(withCollision, 30);
    EXPECT_GT(withLines, 30);
    EXPECT_GT(withPolygons, 30);
}
