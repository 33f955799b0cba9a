#include "ase_reading.hpp"

#include "converter/text_input.hpp"
#include "model/exact_vertex_index.hpp"

#include <array>
#include <cmath>
#include <stdexcept>

namespace meshsmith::ase2obj {
namespace {

using kiln::InputError;
using kiln::ScanTarget;

constexpr const char* kHeaderPattern = "*COMMENT \">>>> - Exported by Meshsmith - <<<<\" %i";
constexpr const char* kBitmapPattern = " *BITMAP \"%s\"";
constexpr const char* kGeomObjectPattern = "*GEOMOBJECT %i";
constexpr const char* kLineObjectPattern = "*LINEOBJECT %i";
constexpr const char* kVertexPattern = "*MESH_VERTEX %i %f %f %f";
constexpr const char* kTextureVertexPattern = "*MESH_TVERT %i %f %f";
constexpr const char* kMaterialRefPattern = "*MATERIAL_REF %i";

class CapacityFault : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The number of fields converted when the line is the pattern's keyword line
// (the keyword rule of the readers), or -1 when it is another line.
int keywordFields(const std::string& line, const char* pattern,
                  const std::vector<ScanTarget>& targets) {
    kiln::ScanResult r = kiln::scanFormatted(line, pattern, targets);
    bool isKeywordLine = r.literalPrefix && (r.converted > 0 || r.endBeforeField);
    return isKeywordLine ? r.converted : -1;
}

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
        std::string name;
        std::int32_t number = 0;
        float a = 0, b = 0, c = 0;
        if (int n = keywordFields(line_, kBitmapPattern, {&name}); n >= 0) {
            addMaterial(n, name);
        } else if (keywordFields(line_, kGeomObjectPattern, {&number}) >= 0) {
            closeObject();
            object_ = ObjectLists{};
            object_.open = true;
            object_.startLine = lineNumber();
            inLineObject_ = false;
        } else if (keywordFields(line_, kLineObjectPattern, {&number}) >= 0) {
            closeObject();
            object_.open = false;
            inLineObject_ = true;
        } else if (int n = keywordFields(line_, kVertexPattern, {&number, &a, &b, &c}); n >= 0) {
            // Line objects' ends are not part of the OBJ.
            if (!inLineObject_) addVertex(n, number, {a, b, c});
        } else if (int n = keywordFields(line_, kTextureVertexPattern, {&number, &a, &b}); n >= 0) {
            if (!inLineObject_) addTextureVertex(n, number, {a, b});
        } else if (int n = keywordFields(line_, kMaterialRefPattern, {&number}); n >= 0) {
            if (n < 1) refuse(lineNumber(), "*MATERIAL_REF needs a material number");
            storePolygon(number);
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
    return {kiln::matches(line, kHeaderPattern, {&version}) ? ReadStatus::Read
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
