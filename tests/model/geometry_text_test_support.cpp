#include "geometry_text_test_support.hpp"

#include "model/number_text.hpp"
#include "model/object_check.hpp"
#include "support/project_builders.hpp"

#include <gtest/gtest.h>

namespace meshsmith::test {
namespace {

void addObjects(std::string& out, const char* name, const std::vector<ObjectData>& table) {
    out += std::string(name) + " " + std::to_string(table.size()) + "\n";
    for (const auto& o : table) {
        out += generalReal(o.Red) + " " + generalReal(o.Green) + " " + generalReal(o.Blue) +
               " count " + std::to_string(o.VertexCount) + " tex " +
               std::to_string(o.TextureIndex) + " :";
        for (auto i : o.VertexIndices)
            out += " " + std::to_string(i);
        out += " uv";
        for (const auto& t : o.TexCoords)
            out += " " + generalReal(t.U) + "/" + generalReal(t.V);
        out += "\n";
    }
}

} // namespace

std::string projectFingerprint(const Project& p) {
    std::string out = "vertices " + std::to_string(p.object.vertices.size()) + "\n";
    for (const auto& v : p.object.vertices)
        out += generalReal(v.X) + " " + generalReal(v.Y) + " " + generalReal(v.Z) + "\n";
    addObjects(out, "lines", p.object.lines);
    addObjects(out, "visLines", p.object.visLines);
    addObjects(out, "polygons", p.object.polygons);
    out += "textures " + std::to_string(p.object.textures.size()) + "\n";
    for (const auto& t : p.object.textures)
        out += t.Filename + " " + t.MaskFilename + " " + std::to_string(t.BackColor) + "\n";
    out += "collision " + std::to_string(p.object.collision.size()) + "\n";
    for (const auto& c : p.object.collision) {
        out += std::to_string(c.PlaneCount) + " planes:";
        for (auto i : c.PlanePolygons)
            out += " " + std::to_string(i);
        out += " rebounds:";
        for (auto i : c.PlaneRebounds)
            out += " " + std::to_string(i);
        out += "\n";
    }
    const BoundingBox& b = p.bounds;
    for (float f :
         {b.minX, b.minY, b.minZ, b.maxX, b.maxY, b.maxZ, b.centreX, b.centreY, b.centreZ})
        out += generalReal(f) + " ";
    out += "\nflags " + std::to_string(p.GeometryPresent) + " " + p.ProjectFile + " " +
           p.object.ProjectDescription + " class " +
           std::to_string(p.object.DisplayClass) + "\n";
    return out;
}

::testing::AssertionResult referencesAreSound(const Project& p) {
    if (const auto fault = findObjectFault(p.object))
        return ::testing::AssertionFailure() << fault->message;
    for (std::size_t k = 0; k < p.object.polygons.size(); ++k)
        if (p.object.polygons[k].VertexIndices.back() != p.object.polygons[k].VertexIndices.front())
            return ::testing::AssertionFailure() << "polygon " << k << " is not closed";
    return ::testing::AssertionSuccess();
}

Project tenVertexProject() {
    Project p;
    for (int i = 0; i < 10; ++i)
        p.object.vertices.push_back(
            {static_cast<float>(i), 0.5f * static_cast<float>(i), -1.0f});
    p.object.polygons.push_back(makePolygon({0, 1, 2}));
    p.object.lines.push_back(makeLine(8, 9));
    p.GeometryPresent = true;
    updateBounds(p);
    return p;
}

} // namespace meshsmith::test
