// The collision block of the ASE file: volumes, planes and their geometry.

#include "export/ase_writer.hpp"
#include "model/number_text.hpp"
#include "support/project_builders.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

// A floor quad in z = 0 (polygon 0) and a wall triangle in x = 2 (polygon 1).
Project floorAndWall() {
    Project p;
    p.object.vertices = {{0, 0, 0, 0}, {10, 0, 0, 0}, {10, 5, 0, 0}, {0, 5, 0, 0},
                         {2, 0, 0, 0}, {2, 0, 3, 0},  {2, 4, 0, 0}};
    TextureData t;
    t.Filename = "wall01.bmp";
    p.object.textures = {t};
    p.object.polygons.push_back(
        makeTexturedPolygon({0, 1, 2, 3}, 0, {{0, 0}, {1, 0}, {1, 1}, {0, 1}}));
    p.object.polygons.push_back(makeTexturedPolygon({4, 5, 6}, 0, {{0, 0}, {1, 0}, {1, 1}}));
    CollVol vol;
    vol.PlaneCount = 2;
    vol.PlanePolygons = {0, 1};
    vol.PlaneRebounds = {3, 15};
    p.object.collision = {vol};
    return p;
}

std::vector<std::string> tailFrom(const std::vector<std::string>& lines, const std::string& first) {
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].rfind(first, 0) == 0)
            return {lines.begin() + static_cast<std::ptrdiff_t>(i), lines.end()};
    return {};
}

struct WrittenPlane {
    int rebound = -1;
    double a = 0, b = 0, c = 0, e = 0;
};

WrittenPlane parsePlane(const std::string& line) {
    std::istringstream in(line);
    std::string keyword, rebound, a, b, c, e;
    in >> keyword >> rebound >> a >> b >> c >> e;
    EXPECT_EQ(keyword, "*COLLISION_PLANE");
    return {parseInteger(rebound).value_or(-1), parseDouble(a).value_or(NAN),
            parseDouble(b).value_or(NAN), parseDouble(c).value_or(NAN),
            parseDouble(e).value_or(NAN)};
}

// The written plane holds every corner of the polygon and its normal is a unit
// vector pointing against (P1 - P0) x (P2 - P0).
void expectPlaneOfPolygon(const Project& p, const WrittenPlane& w, const ObjectData& poly) {
    auto at = [&](int k) {
        return p.object.vertices[static_cast<std::size_t>(poly.VertexIndices[k])];
    };
    Vertex p0 = at(0), p1 = at(1), p2 = at(2);
    double ux = p1.X - p0.X, uy = p1.Y - p0.Y, uz = p1.Z - p0.Z;
    double vx = p2.X - p0.X, vy = p2.Y - p0.Y, vz = p2.Z - p0.Z;
    double nx = uy * vz - uz * vy, ny = uz * vx - ux * vz, nz = ux * vy - uy * vx;
    double len = std::sqrt(nx * nx + ny * ny + nz * nz);
    EXPECT_NEAR(w.a, -nx / len, 0.0006);
    EXPECT_NEAR(w.b, -ny / len, 0.0006);
    EXPECT_NEAR(w.c, -nz / len, 0.0006);
    for (int k = 0; k + 1 < poly.VertexCount; ++k) {
        Vertex v = at(k);
        double reach = std::fabs(v.X) + std::fabs(v.Y) + std::fabs(v.Z) + 1;
        EXPECT_NEAR(w.a * v.X + w.b * v.Y + w.c * v.Z + w.e, 0.0, 0.001 * reach) << "corner " << k;
    }
}

} // namespace

// Each written plane holds its polygon's corners, with a unit normal against
// (P1 - P0) x (P2 - P0): tilted ones, and those facing each axis both ways,
// whose zero components must never come out as "-0.000".
TEST(AseCollision, PlanesHoldTheirPolygonsAndNeverWriteMinusZero) {
    Project p = floorAndWall();
    p.object.vertices.insert(p.object.vertices.end(), {{1.5f, -2.25f, 7.0f, 0},
                                                       {-3.0f, 4.0f, 0.5f, 0},
                                                       {6.125f, 1.0f, -2.0f, 0},
                                                       {1200.0f, -350.5f, 80.0f, 0},
                                                       {0, 0, 0, 0},
                                                       {0, 1, 0, 0},
                                                       {1, 0, 0, 0},
                                                       {0, 0, 1, 0}});
    const std::vector<std::vector<std::int32_t>> faces = {
        {7, 8, 9},    {9, 8, 10},   {11, 12, 13}, {11, 13, 12}, {11, 13, 14},
        {11, 14, 13}, {11, 12, 14}, {11, 14, 12}};
    CollVol& vol = p.object.collision[0];
    for (const auto& face : faces) {
        vol.PlanePolygons.push_back(static_cast<std::int32_t>(p.object.polygons.size()));
        vol.PlaneRebounds.push_back(static_cast<std::int32_t>(vol.PlaneRebounds.size()));
        p.object.polygons.push_back(makeTexturedPolygon(face, 0, {{0, 0}, {1, 0}, {1, 1}}));
    }
    vol.PlaneCount = static_cast<std::int32_t>(vol.PlanePolygons.size());
    const auto planes = tailFrom(aseLines(p), "*COLLISION_PLANE ");
    ASSERT_EQ(planes.size(), vol.PlanePolygons.size() + 1); // and the separator
    for (std::size_t j = 0; j < vol.PlanePolygons.size(); ++j) {
        SCOPED_TRACE(planes[j]);
        EXPECT_EQ(planes[j].find("-0.000"), std::string::npos);
        const WrittenPlane w = parsePlane(planes[j]);
        EXPECT_EQ(w.rebound, vol.PlaneRebounds[j]);
        expectPlaneOfPolygon(p, w, p.object.polygons[static_cast<std::size_t>(vol.PlanePolygons[j])]);
    }
}
