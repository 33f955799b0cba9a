#include "max_preparation.hpp"

#include "bsp_builder.hpp"
#include "polygon_preparation.hpp"
#include "readers/reader_text.hpp"
#include "vertex_merge.hpp"

#include <cassert>
#include <map>
#include <memory>

namespace meshsmith::kiln {

namespace {

// Per material, a number that is equal for materials of one texture name, as
// the converter's string entries are.
std::vector<std::int32_t> textureNumbers(const std::vector<readers::MeshMaterial>& materials) {
    std::map<std::string, std::int32_t> numbers;
    std::vector<std::int32_t> out;
    for (const readers::MeshMaterial& m : materials) {
        const std::string name = readers::textureNameOf(m.bitmap).substr(0, kMaxStringLength);
        out.push_back(
            numbers.emplace(name, static_cast<std::int32_t>(numbers.size())).first->second);
    }
    return out;
}

// The faces of object `i`: from its start to the next one's.
std::pair<std::size_t, std::size_t> objectFaces(const readers::PlainMesh& mesh, std::size_t i) {
    const auto& starts = mesh.objectStarts;
    if (starts.empty()) return {0, mesh.faces.size()};
    return {starts[i], i + 1 < starts.size() ? starts[i + 1] : mesh.faces.size()};
}

// The live polygons of `k`, each with the material, line and (when it had
// them) texture coordinates of the face it began as.
readers::PlainMesh livePolygons(const KilnState& k, const readers::PlainMesh& mesh,
                                const std::vector<std::int32_t>& slotFace) {
    readers::PlainMesh out;
    for (std::size_t v = 0; v < static_cast<std::size_t>(k.vertCount); ++v)
        out.positions.push_back({k.x[v], k.y[v], k.z[v]});
    for (std::size_t p = 0; p < static_cast<std::size_t>(k.polyCount); ++p) {
        if (k.e[p] != 0) continue;
        const poly& q = k.polygon[p];
        const readers::MeshFace& source = mesh.faces[static_cast<std::size_t>(slotFace[p])];
        readers::MeshFace face;
        face.corners.assign(q.vertexList.begin(), q.vertexList.begin() + q.polyVertexCount);
        if (!source.uv.empty())
            for (std::size_t i = 0; i < q.polyVertexCount; ++i)
                face.uv.push_back({q.tvertx[i], q.tverty[i]});
        face.material = source.material;
        face.line = source.line;
        out.faces.push_back(std::move(face));
    }
    out.materials = mesh.materials;
    return out;
}

} // namespace

poly maxTriangle(const readers::MeshFace& f, const std::vector<std::int32_t>& tableVertex,
                 std::int32_t stringNum) {
    assert(f.corners.size() == 3);
    poly p;
    p.polyVertexCount = 3;
    p.inPlane = -1;
    p.stringNum = stringNum;
    for (std::size_t v = 0; v < 3; ++v) {
        p.vertexList[v] = tableVertex[static_cast<std::size_t>(f.corners[v])];
        if (f.uv.size() != 3) continue;
        p.tvertx[v] = f.uv[v][0];
        p.tverty[v] = f.uv[v][1];
    }
    return p;
}

void appendMaxObject(KilnState& k, std::vector<poly> triangles, std::vector<std::int32_t> tags,
                     std::vector<std::int32_t>& slotTags) {
    std::size_t n = triangles.size();
    for (std::size_t i = 0; i < n;) {
        const auto& v = triangles[i].vertexList;
        if (checkCollinear(k, v[0], v[1], v[2]) == 1) {
            triangles[i] = triangles[n - 1];
            tags[i] = tags[n - 1];
            --n;
        } else {
            ++i;
        }
    }
    const std::int32_t first = k.polyCount;
    for (std::size_t i = 0; i < n; ++i) {
        appendPolygon(k, triangles[i]);
        slotTags.push_back(tags[i]);
    }
    FindPlanes(k, first, k.polyCount, k.planeCount);
    for (std::int32_t p = first; p < k.polyCount - 1; ++p) {
        const auto last = static_cast<std::size_t>(k.polyCount - 1);
        const int partner = mergeWithLaterTriangle(k, p);
        if (partner < 0) continue;
        slotTags[static_cast<std::size_t>(partner)] = slotTags[last];
        slotTags.pop_back();
    }
}

readers::PlainMesh prepareMaxPolygons(const readers::PlainMesh& mesh) {
    auto k = std::make_unique<KilnState>();
    VertexMerger merger(*k);
    std::vector<std::int32_t> tableVertex;
    for (const auto& p : mesh.positions)
        tableVertex.push_back(merger.merge(p[0], p[1], p[2]));
    const std::vector<std::int32_t> texture = textureNumbers(mesh.materials);
    const std::size_t objects = mesh.objectStarts.empty() ? 1 : mesh.objectStarts.size();
    std::vector<std::int32_t> slotFace;
    for (std::size_t o = 0; o < objects; ++o) {
        const auto [begin, end] = objectFaces(mesh, o);
        std::vector<poly> triangles;
        std::vector<std::int32_t> tags;
        for (std::size_t i = begin; i < end; ++i) {
            const readers::MeshFace& f = mesh.faces[i];
            const std::int32_t material = f.material;
            triangles.push_back(maxTriangle(
                f, tableVertex, material < 0 ? -1 : texture[static_cast<std::size_t>(material)]));
            tags.push_back(static_cast<std::int32_t>(i));
        }
        appendMaxObject(*k, std::move(triangles), std::move(tags), slotFace);
    }
    return livePolygons(*k, mesh, slotFace);
}

} // namespace meshsmith::kiln
