#include "dxf_test_support.hpp"

#include "model/text_file.hpp"

namespace meshsmith::test {
namespace {

void addCorner(std::vector<std::string>& lines, int corner, Xyz at) {
    for (auto [axis, value] : {std::pair{10, at.x}, {20, at.y}, {30, at.z}}) {
        lines.push_back(std::to_string(axis + corner));
        lines.push_back(value);
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

} // namespace meshsmith::test
