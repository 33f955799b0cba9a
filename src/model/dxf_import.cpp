#include "dxf_import.hpp"

#include "geometry_append.hpp"

#include "exact_vertex_index.hpp"
#include "geometry_text_exchange.hpp"
#include "text_file.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <span>
#include <unordered_set>

namespace meshsmith {
namespace {

constexpr auto kMaxVertices = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());

struct FaceCorners {
    std::array<DxfCorner, 4> at;
    std::size_t count = 0;
};

// The corners of a polyline as a polygon's: neighbouring corners at one
// position count once, and so does the last when it closes the outline on the
// first (as the export writes a polygon).
std::vector<DxfCorner> outlineCorners(const std::vector<DxfCorner>& outline) {
    std::vector<DxfCorner> distinct;
    distinct.reserve(outline.size());
    for (const DxfCorner& c : outline)
        if (distinct.empty() || !(c == distinct.back())) distinct.push_back(c);
    if (distinct.size() > 1 && distinct.back() == distinct.front()) distinct.pop_back();
    return distinct;
}

// The corners of a polyface mesh's face as a polygon's: the positions of its
// corner numbers in the record's order, counted as a polyline's are. Empty
// when fewer than three distinct positions remain.
std::vector<DxfCorner> meshFaceCorners(const DxfEntity& mesh, const DxfFaceRecord& face) {
    std::vector<DxfCorner> corners;
    for (std::int64_t n : face.corners)
        if (n > 0) corners.push_back(mesh.outline[static_cast<std::size_t>(n - 1)]);
    corners = outlineCorners(corners);
    std::size_t distinct = 0;
    for (auto c = corners.begin(); c != corners.end(); ++c)
        distinct += std::find(corners.begin(), c, *c) == c ? 1 : 0;
    if (distinct < 3) corners.clear();
    return corners;
}

// The corners of a face as it is stored: neighbouring corners at one position
// (also the last and the first) count once, so a face written as a triangle,
// whichever pair of its four corners repeats, becomes one. Faces that do not
// reduce to three corners keep all four, unless the fourth repeats the third.
FaceCorners faceCorners(const DxfEntity& e) {
    FaceCorners distinct;
    for (const DxfCorner& c : e.corners)
        if (distinct.count == 0 || !(c == distinct.at[distinct.count - 1]))
            distinct.at[distinct.count++] = c;
    if (distinct.count > 1 && distinct.at[distinct.count - 1] == distinct.at[0]) --distinct.count;
    if (distinct.count == 3) return distinct;
    if (e.corners[2] == e.corners[3]) return {e.corners, 3};
    return {e.corners, 4};
}

std::uint64_t lineKey(std::int32_t a, std::int32_t b) {
    if (a > b) std::swap(a, b);
    return static_cast<std::uint64_t>(static_cast<std::uint32_t>(a)) << 32 |
           static_cast<std::uint32_t>(b);
}

// Adds entities to the project's tables, finding the vertices and lines that
// are there already in constant time.
class DxfMerge {
  public:
    // Room is made for `corners` more vertices.
    DxfMerge(Project& p, std::size_t corners) : p_(p), vertexAt_(indexVertices(p.object.vertices)) {
        vertexAt_.reserve(p.object.vertices.size() + corners);
        p.object.vertices.reserve(p.object.vertices.size() + corners);
        for (const ObjectData& l : p.object.lines)
            if (l.VertexIndices.size() == 2)
                lineKeys_.insert(lineKey(l.VertexIndices[0], l.VertexIndices[1]));
    }

    bool addVertex(const DxfEntity& e) {
        if (find(e.corners[0]) >= 0) return false;
        append(e.corners[0]);
        return true;
    }

    bool addLine(const DxfEntity& e) {
        std::int32_t start = find(e.corners[0]), end = find(e.corners[1]);
        if (start < 0) start = append(e.corners[0]);
        if (end < 0) end = append(e.corners[1]);
        if (!lineKeys_.insert(lineKey(start, end)).second) return false;
        ObjectData line;
        line.Red = line.Green = line.Blue = 0.5f;
        line.VertexCount = 2;
        line.VertexIndices = {start, end};
        p_.object.lines.push_back(std::move(line));
        return true;
    }

    void addFace(const DxfEntity& e, RandomColours& colours) {
        const FaceCorners corners = faceCorners(e);
        addPolygon(std::span<const DxfCorner>(corners.at.data(), corners.count), colours);
    }

    // False (nothing added) for an outline of fewer than three corners.
    bool addOutline(const DxfEntity& e, RandomColours& colours) {
        const std::vector<DxfCorner> corners = outlineCorners(e.outline);
        if (corners.size() < 3) return false;
        addPolygon(corners, colours);
        return true;
    }

    // A polygon for every face of the mesh; returns how many faces were left
    // out for having fewer than three distinct corners.
    std::size_t addMesh(const DxfEntity& mesh, RandomColours& colours) {
        std::size_t leftOut = 0;
        for (const DxfFaceRecord& face : mesh.faces) {
            const std::vector<DxfCorner> corners = meshFaceCorners(mesh, face);
            if (corners.empty())
                ++leftOut;
            else
                addPolygon(corners, colours);
        }
        return leftOut;
    }

  private:
    // A new untextured polygon over the corners, all looked up before any is added.
    void addPolygon(std::span<const DxfCorner> corners, RandomColours& colours) {
        ObjectData poly;
        poly.VertexIndices.reserve(corners.size() + 1);
        for (const DxfCorner& c : corners)
            poly.VertexIndices.push_back(find(c));
        for (std::size_t k = 0; k < corners.size(); ++k)
            if (poly.VertexIndices[k] < 0) poly.VertexIndices[k] = append(corners[k]);
        poly.VertexIndices.push_back(poly.VertexIndices.front());
        poly.VertexCount = static_cast<std::int32_t>(poly.VertexIndices.size());
        poly.Red = colours.next();
        poly.Green = colours.next();
        poly.Blue = colours.next();
        p_.object.polygons.push_back(std::move(poly));
    }

    std::int32_t find(const DxfCorner& c) const { return vertexAt_.find(c.x, c.y, c.z); }

    std::int32_t append(const DxfCorner& c) {
        const auto index = static_cast<std::int32_t>(p_.object.vertices.size());
        p_.object.vertices.push_back({c.x, c.y, c.z});
        vertexAt_.add(c.x, c.y, c.z, index);
        return index;
    }

    Project& p_;
    ExactVertexIndex vertexAt_;
    std::unordered_set<std::uint64_t> lineKeys_;
};

// The corners an entity was read with.
std::span<DxfCorner> cornersOf(DxfEntity& e) {
    if (e.kind == DxfKind::Polyline || e.kind == DxfKind::Polyface) return e.outline;
    return std::span<DxfCorner>(e.corners.data(), static_cast<std::size_t>(dxfCornerCount(e.kind)));
}

std::size_t cornerCount(std::vector<DxfEntity>& entities) {
    std::size_t n = 0;
    for (DxfEntity& e : entities)
        n += cornersOf(e).size();
    return n;
}

// Adds the offset to every corner; false (with the entity's line) when a
// coordinate leaves the float range.
bool applyOffset(std::vector<DxfEntity>& entities, VertexOffset o, FileError& error) {
    for (DxfEntity& e : entities)
        for (DxfCorner& c : cornersOf(e)) {
            const auto moved = offsetVertex({c.x, c.y, c.z}, o);
            if (!moved) {
                error = {std::string("The offset moves the ") + dxfEntityName(e.kind) +
                             " entity out of the range of coordinates; choose a smaller offset",
                         e.line};
                return false;
            }
            c = {moved->X, moved->Y, moved->Z};
        }
    return true;
}

void startReplacement(Project& p) {
    p.object.vertices.clear();
    p.object.lines.clear();
    p.object.visLines.clear();
    p.object.polygons.clear();
    p.object.collision.clear();
}

// What an import added, by the table it went to.
struct Added {
    std::size_t vertices = 0, lines = 0, polygons = 0;
    std::size_t shortOutlines = 0; // polylines of fewer than three corners
    std::size_t flatFaces = 0;     // polyface faces of fewer than three distinct corners
};

std::string logLine(DxfKind kind, ImportMode mode, std::size_t n, const std::string& path) {
    const bool replace = mode == ImportMode::Replace;
    const std::string count = std::to_string(n);
    switch (kind) {
    case DxfKind::Line:
        return count +
               (replace ? " valid Lines loaded from file " : " additional Lines added from file ") +
               path;
    case DxfKind::Face:
        return count +
               (replace ? " valid Polygons loaded from file "
                        : " additional Polygons added from file ") +
               path;
    default:
        return count +
               (replace ? " valid Vertices loaded from file "
                        : " additional valid Vertices added from file ") +
               path;
    }
}

// The log of an import: the count of the one kind asked for; for All, the
// count of each table that the file's entities went to.
void logAdded(LogSink& log, DxfKind kind, const std::vector<DxfEntity>& entities,
              const Added& added, ImportMode mode, const std::string& path) {
    switch (kind) {
    case DxfKind::Point:
    case DxfKind::Vertex:
        return log.addLine(logLine(kind, mode, added.vertices, path));
    case DxfKind::Line:
        return log.addLine(logLine(kind, mode, added.lines, path));
    case DxfKind::Face:
    case DxfKind::Polyline:
    case DxfKind::Polyface:
        return log.addLine(logLine(DxfKind::Face, mode, added.polygons, path));
    case DxfKind::All:
        break;
    }
    bool held[3] = {false, false, false};
    for (const DxfEntity& e : entities)
        held[e.kind == DxfKind::Point ? 0 : e.kind == DxfKind::Line ? 1 : 2] = true;
    if (held[0]) log.addLine(logLine(DxfKind::Point, mode, added.vertices, path));
    if (held[1]) log.addLine(logLine(DxfKind::Line, mode, added.lines, path));
    if (held[2]) log.addLine(logLine(DxfKind::Face, mode, added.polygons, path));
}

std::size_t polygonCount(const std::vector<DxfEntity>& entities) {
    std::size_t n = 0;
    for (const DxfEntity& e : entities) {
        if (e.kind == DxfKind::Polyface) n += e.faces.size();
        if (e.kind == DxfKind::Face || e.kind == DxfKind::Polyline) ++n;
    }
    return n;
}

// The refusal for a file without entities of the kind.
std::string noEntitiesMessage(DxfKind kind) {
    if (kind == DxfKind::All)
        return std::string("Sorry, no ") + dxfEntityName(kind) + " objects in DXF file...";
    if (kind == DxfKind::Polyface) return "Sorry, no polyface meshes in DXF file...";
    return std::string("Sorry, no '") + dxfEntityName(kind) + "' objects in DXF file...";
}

Added mergeEntities(Project& p, std::vector<DxfEntity>& entities, RandomColours& colours) {
    DxfMerge merge(p, cornerCount(entities));
    p.object.polygons.reserve(p.object.polygons.size() + polygonCount(entities));
    Added added;
    for (const DxfEntity& e : entities) {
        switch (e.kind) {
        case DxfKind::Line:
            added.lines += merge.addLine(e) ? 1 : 0;
            break;
        case DxfKind::Face:
            merge.addFace(e, colours);
            ++added.polygons;
            break;
        case DxfKind::Polyline:
            if (merge.addOutline(e, colours))
                ++added.polygons;
            else
                ++added.shortOutlines;
            break;
        case DxfKind::Polyface: {
            const std::size_t leftOut = merge.addMesh(e, colours);
            added.polygons += e.faces.size() - leftOut;
            added.flatFaces += leftOut;
            break;
        }
        default:
            added.vertices += merge.addVertex(e) ? 1 : 0;
        }
    }
    return added;
}

} // namespace

OperationResult importDxfText(Project& p, std::string_view text, const std::string& path,
                              DxfKind kind, UserPrompts& prompts, LogSink& log,
                              RandomColours& colours) {
    if (isBinaryDxf(text)) return OperationResult::refused(kBinaryDxfMessage);
    std::vector<DxfEntity> entities;
    FileError error;
    DxfPolyfaces skipped;
    if (!readDxfEntities(text, kind, entities, error, skipped))
        return fileFailure(log, "importing", path, error);
    if (entities.empty()) return OperationResult::refused(noEntitiesMessage(kind));

    const ImportMode mode = importModeOf(p);
    const auto offset = importOffset(mode, prompts);
    if (!offset) return OperationResult::cancelled();
    if (mode == ImportMode::Append && !applyOffset(entities, *offset, error))
        return fileFailure(log, "importing", path, error);
    const std::size_t base = mode == ImportMode::Append ? p.object.vertices.size() : 0;
    const std::size_t newCorners = cornerCount(entities);
    if (base > kMaxVertices || newCorners > kMaxVertices - base)
        return fileFailure(
            log, "importing", path,
            {"The project cannot hold more than " + std::to_string(kMaxVertices) + " vertices", 0});

    if (mode == ImportMode::Replace) startReplacement(p);
    const Added added = mergeEntities(p, entities, colours);
    if (mode == ImportMode::Replace) p.GeometryPresent = true;
    logAdded(log, kind, entities, added, mode, path);
    if (added.shortOutlines > 0)
        log.addLine("Skipped " + std::to_string(added.shortOutlines) +
                    " polyline(s) of fewer than three corners: they are not imported as polygons");
    if (added.flatFaces > 0)
        log.addLine("Skipped " + std::to_string(added.flatFaces) +
                    " polyface face(s) of fewer than three distinct corners: they are not "
                    "imported as polygons");
    if (skipped.meshes + skipped.faces > 0)
        log.addLine("Skipped " + std::to_string(skipped.meshes) + " polyface mesh(es) with " +
                    std::to_string(skipped.faces) +
                    " face(s): their faces are not imported as polygons");
    updateBounds(p);
    return {};
}

OperationResult importDxfLines(Project& p, const std::vector<std::string>& lines,
                               const std::string& path, DxfKind kind, UserPrompts& prompts,
                               LogSink& log, RandomColours& colours) {
    return importDxfText(p, dxfTextOf(lines), path, kind, prompts, log, colours);
}

OperationResult importDxf(Project& p, const std::string& path, DxfKind kind, UserPrompts& prompts,
                          LogSink& log, RandomColours& colours) {
    const std::optional<std::string> text = readWholeFile(path, nullptr);
    if (!text) return fileFailure(log, "importing", path, {"Unable to load file " + path, 0});
    return importDxfText(p, *text, path, kind, prompts, log, colours);
}

} // namespace meshsmith
