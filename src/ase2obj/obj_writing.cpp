#include "obj_writing.hpp"

#include <charconv>

namespace meshsmith::ase2obj {
namespace {

void appendFixed6(std::string& out, float value) {
    // The largest float has 39 integer digits; with sign, point and six decimals 47 characters.
    char buffer[64];
    auto r = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value),
                           std::chars_format::fixed, 6);
    out.append(buffer, r.ptr);
}

void appendCorner(std::string& out, std::int32_t vertex, std::int32_t textureVertex) {
    out += ' ';
    out += std::to_string(vertex);
    out += '/';
    out += std::to_string(textureVertex);
}

void appendPolygons(std::string& out, const AseTables& t) {
    out += "\n# " + std::to_string(t.polygons.size()) + " polygons";
    for (std::size_t i = 0; i < t.polygons.size(); ++i) {
        const Polygon& p = t.polygons[i];
        if (i == 0 || p.material != t.polygons[i - 1].material)
            out += "\nusemtl " + t.materials.at(static_cast<std::size_t>(p.material));
        out += "\nf";
        for (std::size_t k = p.vertices.size(); k-- > 0;)
            appendCorner(out, p.vertices[k], p.textureVertices[k]);
    }
    out += '\n';
}

} // namespace

std::string fixed6(float value) {
    std::string s;
    appendFixed6(s, value);
    return s;
}

std::string objText(const AseTables& t, std::string_view mtlFileName) {
    std::string out = "# OBJ file: converted from Grand Prix Legends Meshsmith-format ASE\n\n";
    if (!t.materials.empty()) {
        out += "mtllib ";
        out += mtlFileName;
        out += "\n\n";
    }
    out.reserve(out.size() + t.vertices.size() * 40 + t.textureVertices.size() * 24 +
                t.polygons.size() * 40);
    out += "# " + std::to_string(t.vertices.size()) + " vertices\n";
    for (const Position& v : t.vertices) {
        out += "v ";
        appendFixed6(out, v.x);
        out += ' ';
        appendFixed6(out, v.y);
        out += ' ';
        appendFixed6(out, v.z);
        out += '\n';
    }
    out += "\n# " + std::to_string(t.textureVertices.size()) + " texture vertices\n";
    for (const TexturePosition& v : t.textureVertices) {
        out += "vt ";
        appendFixed6(out, v.u);
        out += ' ';
        appendFixed6(out, v.v);
        out += '\n';
    }
    appendPolygons(out, t);
    return out;
}

std::string mtlText(const AseTables& t) {
    std::string out = "# MTL file: converted from Grand Prix Legends Meshsmith-format ASE\n";
    out += "# " + std::to_string(t.materials.size()) + " materials\n";
    for (const std::string& name : t.materials)
        out += "\nnewmtl " + name + "\nmap_Kd " + name + ".bmp\n";
    return out;
}

} // namespace meshsmith::ase2obj
