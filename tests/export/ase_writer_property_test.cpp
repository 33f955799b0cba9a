// Generated projects: every line of the file is one of the dialect's forms, and
// each object holds exactly its polygon's corners, at their coordinates.

#include "export/ase_writer.hpp"
#include "model/number_text.hpp"
#include "support/project_builders.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <regex>
#include <sstream>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

// The dialect's lines: N an unsigned integer, I a signed one, R5 and R3
// fixed-point numbers with 5 or 3 decimals and never "-0".
const std::regex& dialectLine() {
    static const std::string N = "\\d+", I = "-?\\d+",
                             R5 = "(-(?=[\\d.]*[1-9]))?\\d+\\.\\d{5}",
                             R3 = "(-(?=[\\d.]*[1-9]))?\\d+\\.\\d{3}";
    static const std::regex line(
        "\\*COMMENT \">>>> - Exported by Meshsmith - <<<<\"|"
        "\\*COMMENT \"Caution: Crippled ASE file - Do not use with 3DSMAX !\"| |\\*GEOMOBJECT|"
        "\\*LINEOBJECT|\\*BITMAP \"[^\"\\r\\n]+\"|\\*MATERIAL " + N + "|\\*MATERIAL_DIFFUSE " + R5 +
        " " + R5 + " " + R5 + "|\\*MESH_VERTEX " + N + " " + R5 + " " + R5 + " " + R5 +
        "|\\*DISPLAY_CLASS " + I + "|\\*MESH_FACE " + N + " A: " + N + " B: " + N +
        " C: 0 AB: 1 BC: 1 CA: 1 \\*MESH_SMOOTHING 2 \\*MESH_MTLID 1|\\*MESH_TVERT " + N + " " + R5 +
        " " + R5 + " 0\\.0000|\\*MESH_TFACE " + N + " " + N + " " + N + " 0|\\*MATERIAL_REF " + N +
        "|\\*LINECOLOR " + R5 + " " + R5 + " " + R5 + "|\\*COLLISION_VOLUMES " + N +
        "|\\*COLLISION_PLANES " + N + "|\\*COLLISION_PLANE " + N + " " + R3 + " " + R3 + " " + R3 +
        " " + R3);
    return line;
}

// Fully textured, with texture coordinates of varying length, polygons of three
// different corners or more, and collision planes that name only polygons
// with a plane.
Project writableProject(std::uint32_t seed) {
    Project p = randomProject(seed);
    std::erase_if(p.object.polygons, [](const ObjectData& poly) { return distinctCorners(poly) < 3; });
    if (p.object.vertices.empty()) p.object.vertices.push_back({1, 2, 3});
    if (p.object.textures.empty()) p.object.textures.push_back({"C:\\maps\\plain.bmp", 0, "", 0});
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

std::size_t countStartingWith(const std::vector<std::string>& lines, const std::string& prefix) {
    return static_cast<std::size_t>(std::count_if(
        lines.begin(), lines.end(), [&](const auto& l) { return l.rfind(prefix, 0) == 0; }));
}

// Walks the file's objects in order: each lists its polygon's corners, numbered
// from 0, at their coordinates (rounded to 7 significant digits and 5 decimals).
void expectObjectsMatchPolygons(const Project& p, const std::vector<std::string>& lines) {
    std::size_t object = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i] != "*GEOMOBJECT") continue;
        ASSERT_LT(object, p.object.polygons.size());
        const ObjectData& poly = p.object.polygons[object++];
        int corner = 0;
        for (++i; i < lines.size() && lines[i].rfind("*MESH_VERTEX ", 0) == 0; ++i, ++corner) {
            std::istringstream in(lines[i].substr(13));
            int number = -1;
            double xyz[3];
            in >> number >> xyz[0] >> xyz[1] >> xyz[2];
            EXPECT_EQ(number, corner);
            const Vertex& v = p.object.vertices[static_cast<std::size_t>(poly.VertexIndices[corner])];
            for (int c = 0; c < 3; ++c) {
                const float want = c == 0 ? v.X : c == 1 ? v.Y : v.Z;
                EXPECT_NEAR(xyz[c], want, std::max(std::fabs(want) * 1e-6, 6e-6));
            }
        }
        EXPECT_EQ(corner, poly.VertexCount - 1) << "object " << object - 1;
    }
    EXPECT_EQ(object, p.object.polygons.size());
}

} // namespace

TEST(AseProperty, GeneratedProjectsGiveOnlyDialectLines) {
    int withCollision = 0, withLines = 0, withPolygons = 0;
    for (std::uint32_t seed = 0; seed < 300; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const Project p = writableProject(seed);
        ASSERT_TRUE(checkAseWrite(p).done() && checkAseData(p).done());
        const auto lines = aseLines(p);
        for (const auto& line : lines)
            EXPECT_TRUE(std::regex_match(line, dialectLine())) << '"' << line << '"';
        expectObjectsMatchPolygons(p, lines);
        std::size_t faces = 0, corners = 0;
        for (const auto& poly : p.object.polygons) {
            faces += static_cast<std::size_t>(std::max(aseCornerCount(poly) - 2, 0));
            corners += static_cast<std::size_t>(aseCornerCount(poly));
        }
        EXPECT_EQ(countStartingWith(lines, "*MESH_FACE "), faces);
        EXPECT_EQ(countStartingWith(lines, "*MESH_TFACE "), faces);
        EXPECT_EQ(countStartingWith(lines, "*MESH_TVERT "), corners);
        EXPECT_EQ(countStartingWith(lines, "*LINEOBJECT"), p.object.lines.size());
        EXPECT_EQ(countStartingWith(lines, "*COLLISION_PLANES "), p.object.collision.size());
        EXPECT_EQ(countStartingWith(lines, "*MATERIAL "),
                  p.object.polygons.empty() ? 0u : p.object.textures.size());
        withCollision += !p.object.collision.empty();
        withLines += !p.object.lines.empty();
        withPolygons += !p.object.polygons.empty();
    }
    // The generator must reach every block, or the property says little.
    EXPECT_GT(withCollision, 30);
    EXPECT_GT(withLines, 30);
    EXPECT_GT(withPolygons, 30);
}
