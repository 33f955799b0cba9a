#include "ase_reading.hpp"

#include "converter/text_input.hpp"
#include "model/exact_vertex_index.hpp"
#include "readers/editor_ase_lines.hpp"

#include <array>
#include <cmath>
#include <stdexcept>

namespace meshsmith::ase2obj {
namespace {

using kiln::InputError;

using Keyword = readers::EditorAseKeyword;

class CapacityFault : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

[[noreturn]] void refuse(std::size_t line, const std::string& text) {
    throw InputError("Line " + std::to_string(line) + ": " + text);
}

void checkRoom(std::size_t count, std::size_t limit, const char* table, std::size_t line) {
    if (count < limit) return;
    throw CapacityFault("Capacity exceeded at line " + std::to_string(line) + ": the " + table +
                        " table holds at most " + std::to_string(limit) + " entries");
}

// The geometric object being read: its working lists hold 1-based table
// numbers by *MESH_VERTEX / *MESH_TVERT number, 0 where none was given.
struct ObjectLists {
    bool open = false; // a *GEOMOBJECT whose *MATERIAL_REF has not come yet
    std::size_t startLine = 0;
    int lastVertexNumber = -1;
    std::array<std::int32_t, kMaxObjectEntries> vertex{}, texture{};
};

class BodyReader {
  public:
    BodyReader(kiln::TextSource& source, AseTables& tables) : source_(source), t_(tables) {}

    void readAll() {
        while (kiln::readstr(source_, line_))
            readLine();
        closeObject();
        checkMaterials();
    }

  private:
    std::size_t lineNumber() const { return source_.lineNumber(); }

    void readLine() {
        const readers::EditorAseLine read = readers::readEditorAseLine(line_);
        switch (read.keyword) {
        case Keyword::Bitmap: addMaterial(read.fields, read.token); break;
        case Keyword::GeomObject:
            closeObject();
            object_ = ObjectLists{};
            object_.open = true;
            object_.startLine = lineNumber();
            inLineObject_ = false;
            break;
        case Keyword::LineObject:
            closeObject();
            object_.open = false;
            inLineObject_ = true;
            break;
        // Line objects' ends are not part of the OBJ.
        case Keyword::Vertex:
            if (!inLineObject_) addVertex(read.fields, read.number, {read.x, read.y, read.z});
            break;
        case Keyword::TextureVertex:
            if (!inLineObject_) addTextureVertex(read.fields, read.number, {read.x, read.y});
            break;
        case Keyword::MaterialRef:
            if (read.fields < 1) refuse(lineNumber(), "*MATERIAL_REF needs a material number");
            storePolygon(read.number);
            break;
        case Keyword::DisplayClass:
        case Keyword::Other: break;
        }
    }

    void addMaterial(int fields, const std::string& token) {
        // The name token still ends in its closing quote.
        if (fields < 1 || token.size() < 2) refuse(lineNumber(), "*BITMAP without a texture name");
        checkRoom(t_.materials.size(), kMaxMaterials, "material name", lineNumber());
        t_.materials.push_back(token.substr(0, token.size() - 1));
    }

    // A working-list position from a *MESH_VERTEX or *MESH_TVERT line.
    std::size_t entry(std::int32_t number, const char* what) const {
        if (number < 0 || number >= kMaxObjectEntries)
            refuse(lineNumber(), std::string(what) + " number " + std::to_string(number) +
                                     " is outside 0 to " + std::to_string(kMaxObjectEntries - 1));
        return static_cast<std::size_t>(number);
    }

    void checkFinite(std::initializer_list<float> values) const {
        for (float v : values)
            if (!std::isfinite(v)) refuse(lineNumber(), "a coordinate is not a finite number");
    }

    void addVertex(int fields, std::int32_t number, Position p) {
        if (fields < 4)
            refuse(lineNumber(), "*MESH_VERTEX needs a vertex number and three coordinates");
        std::size_t k = entry(number, "vertex");
        checkFinite({p.x, p.y, p.z});
        std::int32_t found = vertexIndex_.find(p.x, p.y, p.z);
        if (found < 0) {
            checkRoom(t_.vertices.size(), kMaxVertices, "vertex", lineNumber());
            found = static_cast<std::int32_t>(t_.vertices.size());
            vertexIndex_.add(p.x, p.y, p.z, found);
            t_.vertices.push_back(p);
        }
        object_.vertex[k] = found + 1;
        object_.lastVertexNumber = number;
    }

    void addTextureVertex(int fields, std::int32_t number, TexturePosition p) {
        if (fields < 3)
            refuse(lineNumber(), "*MESH_TVERT needs a vertex number and two texture coordinates");
        std::size_t k = entry(number, "texture vertex");
        checkFinite({p.u, p.v});
        // Pairs share the vertex index with a third coordinate of 0.
        std::int32_t found = textureIndex_.find(p.u, p.v, 0.0f);
        if (found < 0) {
            checkRoom(t_.textureVertices.size(), kMaxTextureVertices, "texture vertex",
                      lineNumber());
            found = static_cast<std::int32_t>(t_.textureVertices.size());
            textureIndex_.add(p.u, p.v, 0.0f, found);
            t_.textureVertices.push_back(p);
        }
        object_.texture[k] = found + 1;
    }

    void storePolygon(std::int32_t material) {
        if (!object_.open) refuse(lineNumber(), "*MATERIAL_REF outside a *GEOMOBJECT");
        object_.open = false;
        // Corners 0 .. last vertex number; fewer than three make no polygon,
        // as a later object takes the slot of such a one.
        int count = object_.lastVertexNumber + 1;
        if (count < 3) return;
        Polygon polygon;
        polygon.material = material;
        polygon.materialLine = lineNumber();
        for (int k = 0; k < count; ++k) {
            if (object_.vertex[k] == 0)
                refuse(lineNumber(),
                       "corner " + std::to_string(k) + " of the polygon has no *MESH_VERTEX line");
            if (object_.texture[k] == 0)
                refuse(lineNumber(),
                       "corner " + std::to_string(k) + " of the polygon has no *MESH_TVERT line");
            polygon.vertices.push_back(object_.vertex[k]);
            polygon.textureVertices.push_back(object_.texture[k]);
        }
        checkRoom(t_.polygons.size(), kMaxPolygons, "polygon", lineNumber());
        t_.polygons.push_back(std::move(polygon));
    }

    // An object of three corners or more must have been stored by its *MATERIAL_REF.
    void closeObject() {
        if (object_.open && object_.lastVertexNumber >= 2)
            refuse(object_.startLine, "the *GEOMOBJECT that begins here has no *MATERIAL_REF");
        object_.open = false;
    }

    // Materials are numbered by the *BITMAP lines of the whole file.
    void checkMaterials() const {
        for (const Polygon& p : t_.polygons)
            if (p.material < 0 || static_cast<std::size_t>(p.material) >= t_.materials.size())
                refuse(p.materialLine, "material " + std::to_string(p.material) +
                                           " does not exist: the *BITMAP lines give " +
                                           std::to_string(t_.materials.size()));
    }

    kiln::TextSource& source_;
    AseTables& t_;
    std::string line_;
    ObjectLists object_;
    bool inLineObject_ = false;
    ExactVertexIndex vertexIndex_, textureIndex_;
};

} // namespace

ReadResult readHeader(kiln::TextSource& source) {
    std::string line;
    try {
        if (!kiln::readstr(source, line)) return {ReadStatus::NotMeshsmith, ""};
    } catch (const InputError& e) {
        return {ReadStatus::InputFault, e.what()};
    }
    std::int32_t version = 0;
    return {kiln::matches(line, readers::kEditorAseHeader, {&version}) ? ReadStatus::Read
                                                            : ReadStatus::NotMeshsmith,
            ""};
}

ReadResult readBody(kiln::TextSource& source, AseTables& tables) {
    try {
        BodyReader(source, tables).readAll();
    } catch (const InputError& e) {
        return {ReadStatus::InputFault, e.what()};
    } catch (const CapacityFault& e) {
        return {ReadStatus::CapacityFault, e.what()};
    }
    return {};
}

} // namespace meshsmith::ase2obj
