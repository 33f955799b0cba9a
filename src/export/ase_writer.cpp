#include "export/ase_writer.hpp"

#include "model/colour_text.hpp"
#include "model/number_text.hpp"
#include "model/paths.hpp"
#include "model/product.hpp"
#include "model/text_file.hpp"

#include <algorithm>

namespace meshsmith {
namespace {

using Lines = std::vector<std::string>;

// A line holding one space separates the blocks; the converters skip it.
const std::string kSeparator = " ";
const std::string kFaceTail = " AB: 1 BC: 1 CA: 1 *MESH_SMOOTHING 2 *MESH_MTLID 1";

Vertex vertexAt(const Project& p, std::int32_t index) {
    if (index < 0 || static_cast<std::size_t>(index) >= p.object.vertices.size()) return {};
    return p.object.vertices[static_cast<std::size_t>(index)];
}

std::string xyz(const Vertex& v) {
    return real5(v.X) + " " + real5(v.Y) + " " + real5(v.Z);
}

std::string byteReal(std::uint8_t b) {
    return real5(static_cast<float>(b) / 255.0f);
}

// The texture's file name without folder and extension; a line break in a
// stored path would otherwise split the keyword line.
std::string bitmapName(const std::string& filename) {
    std::string name = withoutLast4(fileNameOf(filename));
    std::replace_if(
        name.begin(), name.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return name;
}

void writeHeader(Lines& out) {
    out.push_back(std::string("*COMMENT \">>>> - Exported by ") + kProductName + " - <<<<\"");
    out.push_back("*COMMENT \"Caution: Crippled ASE file - Do not use with 3DSMAX !\"");
    out.push_back(kSeparator);
}

void writeMaterials(Lines& out, const Project& p) {
    if (p.object.polygons.empty()) return;
    for (std::size_t i = 0; i < p.object.textures.size(); ++i) {
        Colour c = resolveSystemColour(p.object.textures[i].BackColor);
        out.push_back("*MATERIAL " + std::to_string(i));
        // Blue first: the converters take the components in this order.
        out.push_back("*MATERIAL_DIFFUSE " + byteReal(blueOf(c)) + " " + byteReal(greenOf(c)) +
                      " " + byteReal(redOf(c)));
        out.push_back("*BITMAP \"" + bitmapName(p.object.textures[i].Filename) + "\"");
    }
    out.push_back(kSeparator);
}

// A fan around corner 0 with the winding reversed; a triangle gets exactly one
// face (0 2 1 0), fewer than three corners get none.
void writeFaces(Lines& out, int corners) {
    for (int k = 0; k + 3 <= corners; ++k)
        out.push_back("*MESH_FACE " + std::to_string(k) + " A: " + std::to_string(k + 2) +
                      " B: " + std::to_string(k + 1) + " C: 0" + kFaceTail);
}

void writeTextureFaces(Lines& out, int corners) {
    for (int k = 0; k + 3 <= corners; ++k)
        out.push_back("*MESH_TFACE " + std::to_string(k) + " " + std::to_string(k + 2) + " " +
                      std::to_string(k + 1) + " 0");
}

void writeGeomObject(Lines& out, const Project& p, const ObjectData& poly) {
    int corners = aseCornerCount(poly);
    out.push_back("*GEOMOBJECT");
    for (int k = 0; k < corners; ++k)
        out.push_back("*MESH_VERTEX " + std::to_string(k) + " " +
                      xyz(vertexAt(p, poly.VertexIndices[static_cast<std::size_t>(k)])));
    out.push_back(kSeparator);
    out.push_back("*DISPLAY_CLASS " + std::to_string(p.object.DisplayClass));
    out.push_back(kSeparator);
    writeFaces(out, corners);
    out.push_back(kSeparator);
    // Only the corners' pairs: a polygon read from a project file carries one
    // more pair for its closing index, which is never written.
    for (int k = 0; k < corners; ++k) {
        auto at = static_cast<std::size_t>(k);
        TexCoord tc = at < poly.TexCoords.size() ? poly.TexCoords[at] : TexCoord{};
        out.push_back("*MESH_TVERT " + std::to_string(k) + " " + real5(tc.U) + " " + real5(tc.V) +
                      " 0.0000");
    }
    out.push_back(kSeparator);
    writeTextureFaces(out, corners);
    out.push_back(kSeparator);
    out.push_back("*MATERIAL_REF " + std::to_string(poly.TextureIndex));
    out.push_back(kSeparator);
    out.push_back(kSeparator);
}

void writeLineObject(Lines& out, const Project& p, const ObjectData& line) {
    auto end = [&](std::size_t k) {
        return k < line.VertexIndices.size() ? vertexAt(p, line.VertexIndices[k]) : Vertex{};
    };
    out.push_back("*LINEOBJECT");
    out.push_back("*MESH_VERTEX 0 " + xyz(end(0)));
    out.push_back("*MESH_VERTEX 1 " + xyz(end(1)));
    out.push_back("*LINECOLOR " + real5(line.Red) + " " + real5(line.Green) + " " +
                  real5(line.Blue));
    out.push_back(kSeparator);
    out.push_back(kSeparator);
}

// Zeros for a plane that cannot be computed, so nothing non-finite is written.
PolygonPlane planeOf(const Project& p, std::int32_t polygon) {
    if (polygon < 0 || static_cast<std::size_t>(polygon) >= p.object.polygons.size()) return {};
    const ObjectData& poly = p.object.polygons[static_cast<std::size_t>(polygon)];
    if (aseCornerCount(poly) < 3 || !polygonPlaneIsUsable(p, poly)) return {};
    return polygonPlane(p, poly);
}

void writeVolume(Lines& out, const Project& p, const CollVol& vol) {
    std::size_t planes = std::min(vol.PlanePolygons.size(), vol.PlaneRebounds.size());
    planes = std::min(planes, static_cast<std::size_t>(std::max(vol.PlaneCount, 0)));
    out.push_back("*COLLISION_PLANES " + std::to_string(planes));
    for (std::size_t j = 0; j < planes; ++j) {
        PolygonPlane pl = planeOf(p, vol.PlanePolygons[j]);
        // Written as a*x + b*y + c*z + e = 0, so the constant is -d.
        out.push_back("*COLLISION_PLANE " + std::to_string(vol.PlaneRebounds[j]) + " " +
                      vertexReal(pl.a) + " " + vertexReal(pl.b) + " " + vertexReal(pl.c) + " " +
                      vertexReal(-pl.d));
    }
    out.push_back(kSeparator);
}

void writeCollision(Lines& out, const Project& p) {
    if (p.object.collision.empty()) return;
    out.push_back("*COLLISION_VOLUMES " + std::to_string(p.object.collision.size()));
    out.push_back(kSeparator);
    for (const auto& vol : p.object.collision)
        writeVolume(out, p, vol);
}

} // namespace

std::vector<std::string> aseLines(const Project& p) {
    Lines out;
    writeHeader(out);
    writeMaterials(out, p);
    for (const auto& poly : p.object.polygons)
        writeGeomObject(out, p, poly);
    for (const auto& line : p.object.lines)
        writeLineObject(out, p, line);
    writeCollision(out, p);
    return out;
}

std::string aseText(const Project& p) {
    return joinCrLf(aseLines(p));
}

OperationResult writeAse(const Project& p, const std::string& path, LogSink& log) {
    if (OperationResult check = checkAseWrite(p); !check.done()) return check;
    if (OperationResult check = checkAseData(p); !check.done()) return check;
    if (auto error = writeFileAtomically(path, aseText(p)))
        return OperationResult::failed(*error, path);
    log.addLine("ASE-file " + path + " saved !");
    return {};
}

} // namespace meshsmith
