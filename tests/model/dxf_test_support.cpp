#include "dxf_test_support.hpp"

#include "model/text_file.hpp"

#include <gtest/gtest.h>

namespace meshsmith::test {
namespace {

void addCorner(std::vector<std::string>& lines, int corner, Xyz at) {
    for (auto [axis, value] : {std::pair{10, at.x}, {20, at.y}, {30, at.z}}) {
        lines.push_back(std::to_string(axis + corner));
        lines.push_back(value);
    }
}

void expectSameRecords(const std::vector<ObjectData>& a, const std::vector<ObjectData>& b,
                       const char* table) {
    ASSERT_EQ(a.size(), b.size()) << table;
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].VertexIndices, b[i].VertexIndices) << table << " " << i;
        EXPECT_EQ(a[i].VertexCount, b[i].VertexCount) << table << " " << i;
        EXPECT_EQ(a[i].Red, b[i].Red) << table << " " << i;
        EXPECT_EQ(a[i].Green, b[i].Green) << table << " " << i;
        EXPECT_EQ(a[i].Blue, b[i].Blue) << table << " " << i;
        EXPECT_EQ(a[i].TextureIndex, b[i].TextureIndex) << table << " " << i;
        EXPECT_EQ(a[i].TexCoords, b[i].TexCoords) << table << " " << i;
        EXPECT_EQ(a[i].Selected, b[i].Selected) << table << " " << i;
    }
}

} // namespace

std::vector<std::string> dxfPoint(Xyz at, const char* name) {
    std::vector<std::string> lines{"0", name, "8", "0"};
    addCorner(lines, 0, at);
    return lines;
}

std::vector<std::string> dxfLine(Xyz from, Xyz to) {
    std::vector<std::string> lines{"0", "LINE", "8", "0"};
    addCorner(lines, 0, from);
    addCorner(lines, 1, to);
    return lines;
}

std::vector<std::string> dxfFace(Xyz a, Xyz b, Xyz c, Xyz d) {
    std::vector<std::string> lines{"0", "3DFACE", "8", "0"};
    int k = 0;
    for (Xyz corner : {a, b, c, d})
        addCorner(lines, k++, corner);
    return lines;
}

std::string dxfFile(const std::vector<std::vector<std::string>>& entities) {
    std::vector<std::string> lines{"0", "SECTION", "2", "ENTITIES"};
    for (const auto& e : entities)
        lines.insert(lines.end(), e.begin(), e.end());
    for (const char* l : {"0", "ENDSEC", "0", "EOF"})
        lines.push_back(l);
    return joinCrLf(lines);
}

void expectSameGeometry(const Project& actual, const Project& expected) {
    ASSERT_EQ(actual.object.vertices.size(), expected.object.vertices.size());
    for (std::size_t i = 0; i < actual.object.vertices.size(); ++i) {
        const Vertex &a = actual.object.vertices[i], &e = expected.object.vertices[i];
        EXPECT_TRUE(a.X == e.X && a.Y == e.Y && a.Z == e.Z && a.Selected == e.Selected)
            << "vertex " << i;
    }
    expectSameRecords(actual.object.lines, expected.object.lines, "line");
    expectSameRecords(actual.object.visLines, expected.object.visLines, "visualization line");
    expectSameRecords(actual.object.polygons, expected.object.polygons, "polygon");
    EXPECT_EQ(actual.object.collision.size(), expected.object.collision.size());
    EXPECT_EQ(actual.object.textures.size(), expected.object.textures.size());
    EXPECT_EQ(actual.GeometryPresent, expected.GeometryPresent);
    EXPECT_EQ(actual.SelectedLine, expected.SelectedLine);
    EXPECT_EQ(actual.SelectedPolygon, expected.SelectedPolygon);
}

} // namespace meshsmith::test
