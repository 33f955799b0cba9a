#include "dxf_export.hpp"

#include "dxf_template.hpp"
#include "geometry_text_exchange.hpp"
#include "number_text.hpp"

#include <cstdint>

namespace meshsmith {
namespace {

constexpr std::uint32_t kFirstHandle = 0x177;

// Upper-case hexadecimal with at least `width` digits.
std::string hexText(std::uint32_t value, std::size_t width) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text;
    do {
        text.insert(text.begin(), digits[value & 0xF]);
        value >>= 4;
    } while (value != 0);
    if (text.size() < width) text.insert(0, width - text.size(), '0');
    return text;
}

class EntityWriter {
  public:
    explicit EntityWriter(std::string& out) : out_(out) {}

    void point(const Vertex& v) {
        start("POINT");
        position(10, v);
    }

    void line(const Vertex& from, const Vertex& to) {
        start("LINE");
        position(10, from);
        position(11, to);
    }

    // A 3D polyline (flag 8, its vertices flag 32), so that readers keep the
    // z of every corner instead of flattening it onto the elevation.
    void polyline(const Project& p, const ObjectData& poly) {
        start("POLYLINE");
        for (const char* l : {"66", "1", "10", "0.0", "20", "0.0", "30", "0.0", "70", "8"})
            add(l);
        for (std::int32_t i : poly.VertexIndices) {
            start("VERTEX");
            position(10, p.object.vertices[static_cast<std::size_t>(i)]);
            add("70");
            add("32");
        }
        start("SEQEND");
    }

    std::uint32_t nextHandle() const { return handle_; }

  private:
    void add(std::string_view line) {
        out_ += line;
        out_ += "\r\n";
    }
    void start(const char* type) {
        add("0");
        add(type);
        add("5");
        add(hexText(handle_++, 6));
        add("8");
        add("0");
    }
    void position(int code, const Vertex& v) {
        add(std::to_string(code));
        add(generalReal(v.X));
        add(std::to_string(code + 10));
        add(generalReal(v.Y));
        add(std::to_string(code + 20));
        add(generalReal(v.Z));
    }

    std::string& out_;
    std::uint32_t handle_ = kFirstHandle;
};

bool inRange(const Project& p, std::int32_t i) {
    return i >= 0 && static_cast<std::size_t>(i) < p.object.vertices.size();
}

std::string brokenReference(const Project& p, DxfExportMode mode) {
    if (mode != DxfExportMode::Vertices)
        for (std::size_t k = 0; k < p.object.lines.size(); ++k) {
            const auto& ends = p.object.lines[k].VertexIndices;
            if (ends.size() < 2 || !inRange(p, ends[0]) || !inRange(p, ends[1]))
                return "Line " + std::to_string(k) + " refers to a vertex that does not exist";
        }
    if (mode == DxfExportMode::VerticesLinesPolygons)
        for (std::size_t k = 0; k < p.object.polygons.size(); ++k)
            for (std::int32_t i : p.object.polygons[k].VertexIndices)
                if (!inRange(p, i))
                    return "Polygon " + std::to_string(k) +
                           " refers to a vertex that does not exist";
    return "";
}

std::string entitiesText(const Project& p, DxfExportMode mode, std::uint32_t& nextHandle) {
    std::string out;
    EntityWriter w(out);
    for (const Vertex& v : p.object.vertices)
        w.point(v);
    if (mode != DxfExportMode::Vertices)
        for (const ObjectData& l : p.object.lines)
            w.line(p.object.vertices[static_cast<std::size_t>(l.VertexIndices[0])],
                   p.object.vertices[static_cast<std::size_t>(l.VertexIndices[1])]);
    if (mode == DxfExportMode::VerticesLinesPolygons)
        for (const ObjectData& poly : p.object.polygons)
            w.polyline(p, poly);
    nextHandle = w.nextHandle();
    return out;
}

std::string savedLogLine(const Project& p, DxfExportMode mode, const std::string& path) {
    std::string line = std::to_string(p.object.vertices.size()) + " Vertices";
    if (mode != DxfExportMode::Vertices)
        line += " & " + std::to_string(p.object.lines.size()) + " Lines";
    if (mode == DxfExportMode::VerticesLinesPolygons)
        line += " & " + std::to_string(p.object.polygons.size()) + " Polygons";
    return line + " saved to DXF-File " + path;
}

} // namespace

OperationResult checkDxfExport(const Project& p, DxfExportMode mode) {
    switch (mode) {
    case DxfExportMode::Vertices:
        if (!p.GeometryPresent) return OperationResult::refused("No Vertices defined !");
        break;
    case DxfExportMode::VerticesLines:
        if (p.object.lines.empty()) return OperationResult::refused("No Lines defined !");
        break;
    case DxfExportMode::VerticesLinesPolygons:
        if (p.object.polygons.empty()) return OperationResult::refused("No Polygons defined !");
        break;
    }
    return {};
}

std::optional<std::string> dxfExportText(const Project& p, DxfExportMode mode, std::string& error) {
    error = brokenReference(p, mode);
    if (!error.empty()) return std::nullopt;
    std::uint32_t nextHandle = kFirstHandle;
    const std::string entities = entitiesText(p, mode, nextHandle);

    const auto lines = dxfTemplateLines();
    const std::size_t tail = lines.size() - kDxfTemplateTailLines;
    const std::size_t seedLine = dxfTemplateHandSeedLine();
    std::string out;
    out.reserve(entities.size() + 16 * 1024);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i == tail) out += entities;
        // The seed must stay above every handle in the file, or a reader that
        // adds entities would hand out handles that are taken already.
        out += i == seedLine ? hexText(nextHandle, 1) : std::string(lines[i]);
        out += "\r\n";
    }
    return out;
}

OperationResult exportDxf(const Project& p, const std::string& path, DxfExportMode mode,
                          LogSink& log) {
    std::string error;
    auto text = dxfExportText(p, mode, error);
    if (!text) {
        log.addLine("Error exporting " + path + ": " + error);
        return OperationResult::failed(error);
    }
    return writeGeometryExport(path, *text, savedLogLine(p, mode, path), log);
}

} // namespace meshsmith
