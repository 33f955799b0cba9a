// Reading Wavefront OBJ files: vertices, texture vertices, materials and
// faces; the textures come from the MTL file the OBJ names.

#include "bsp_builder.hpp"
#include "console_pause.hpp"
#include "polygon_preparation.hpp"
#include "reader_helpers.hpp"
#include "readers.hpp"
#include "text_input.hpp"
#include "vertex_colours.hpp"
#include "vertex_merge.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace meshsmith::kiln {

namespace {

constexpr int kMaxObjTextureVertices = 30000;

// One corner of a face as written: vertex and texture vertex numbers (1 is
// the first read, -1 the last read so far; 0 = no texture vertex given).
struct FaceGroup {
    std::int32_t vertex = 0, texture = 0;
};

bool isSeparator(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// "12", "-3": a whole number; false for anything else (also "" and "1a").
bool parseNumber(std::string_view text, std::int32_t& value) {
    std::size_t i = text.size() > 1 && text[0] == '-' ? 1 : 0;
    if (i == text.size()) return false;
    long long v = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        if (v < 10'000'000'000LL) v = v * 10 + (text[i] - '0');
    }
    if (text[0] == '-') v = -v;
    value = static_cast<std::int32_t>(std::clamp<long long>(v, INT32_MIN, INT32_MAX));
    return true;
}

class ObjReader {
  public:
    ObjReader(KilnState& k, TextSource& file, VertexColourFile& colours)
        : k_(k), file_(file), colours_(colours), merger_(k),
          nextColoured_(colours.readPolyShading(k)) {}

    void read(std::string_view line) {
        // Leading blanks and tabs are allowed before a keyword.
        std::size_t start = 0;
        while (start < line.size() && (line[start] == ' ' || line[start] == '\t'))
            ++start;
        line = line.substr(start);
        if (auto name = keywordRest(line, "mtllib"))
            mtlFilename = *name;
        else if (keywordRest(line, "v"))
            vertex(line);
        else if (keywordRest(line, "vt"))
            textureVertex(line);
        else if (auto material = keywordRest(line, "usemtl"))
            useMaterial(*material);
        else if (keywordRest(line, "f"))
            face(line.substr(1));
    }

    std::string mtlFilename;

  private:
    void useMaterial(const std::string& name) {
        if (name.empty()) throw lineError(file_, "usemtl needs a material name");
        currentMaterial_ = findOrAppendString(k_, textureName(file_, name));
    }

    void vertex(std::string_view line) {
        float x = 0, y = 0, z = 0;
        if (scanFormatted(line, "v %f %f %f", {&x, &y, &z}).converted != 3)
            throw lineError(file_, "a vertex needs three coordinates");
        if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(z))
            throw lineError(file_, "vertex coordinates must be finite");
        if (fileVertices_ >= kMaxVertices) throw CapacityError("vertex", kMaxVertices);
        k_.s[static_cast<std::size_t>(fileVertices_++)] = merger_.merge(x, y, z);
    }

    void textureVertex(std::string_view line) {
        float u = 0, v = 0;
        // A missing v is 0, as the format defines it.
        if (scanFormatted(line, "vt %f %f", {&u, &v}).converted < 1)
            throw lineError(file_, "a texture vertex needs its coordinates");
        if (!std::isfinite(u) || !std::isfinite(v))
            throw lineError(file_, "texture coordinates must be finite");
        if (textureX_.size() >= kMaxObjTextureVertices)
            throw CapacityError("texture vertex", kMaxObjTextureVertices);
        textureX_.push_back(u);
        textureY_.push_back(v);
    }

    // The groups after the "f", split at blanks and tabs.
    std::vector<FaceGroup> groupsOf(std::string_view text) const {
        std::vector<FaceGroup> groups;
        std::size_t i = 0;
        while (i < text.size()) {
            while (i < text.size() && isSeparator(text[i]))
                ++i;
            const std::size_t end = std::min(text.size(), text.find_first_of(" \t\r\n\v\f", i));
            if (end == i) break;
            if (groups.size() == kMaxReadVertices)
                throw lineError(file_, "a face has more than " + std::to_string(kMaxReadVertices) +
                                           " corners");
            groups.push_back(groupOf(text.substr(i, end - i)));
            i = end;
        }
        return groups;
    }

    // "v", "v/vt", "v/vt/vn" or "v//vn"; the normal is passed over.
    FaceGroup groupOf(std::string_view text) const {
        FaceGroup g;
        const std::size_t slash = text.find('/');
        const std::size_t slash2 =
            slash == std::string_view::npos ? slash : text.find('/', slash + 1);
        const std::string_view texture = slash == std::string_view::npos
                                             ? std::string_view()
                                             : text.substr(slash + 1, slash2 - slash - 1);
        if (!parseNumber(text.substr(0, slash), g.vertex) ||
            (!texture.empty() && !parseNumber(texture, g.texture)) ||
            (slash2 != std::string_view::npos &&
             text.find('/', slash2 + 1) != std::string_view::npos))
            throw lineError(file_, "\"" + std::string(text) + "\" is not a face corner (v/vt/vn)");
        if (!texture.empty() && g.texture == 0)
            throw lineError(file_, "texture vertex 0 does not exist (numbers start at 1)");
        return g;
    }

    // Position of number `n` in a list of `count` entries read so far:
    // 1 is the first, -1 the last.
    std::size_t listIndex(std::int32_t n, std::size_t count, const char* what) const {
        const long long index = n > 0 ? n - 1LL : static_cast<long long>(count) + n;
        if (n == 0 || index < 0 || index >= static_cast<long long>(count))
            throw lineError(file_, std::string(what) + " " + std::to_string(n) +
                                       " does not exist: " + std::to_string(count) +
                                       " were read before this line");
        return static_cast<std::size_t>(index);
    }

    [[noreturn]] static void untextured() {
        std::printf("Untextured polygon detected! Terminating...\n");
        std::fflush(stdout);
        pauseIfInteractive();
        throw UntexturedFace{};
    }

    void face(std::string_view text) {
        const std::vector<FaceGroup> groups = groupsOf(text);
        std::size_t textured = 0;
        for (const FaceGroup& g : groups)
            textured += g.texture != 0 ? 1 : 0;
        if (textured == 0) untextured();
        if (textured != groups.size())
            throw lineError(file_, "some corners of the face have texture vertices, others not");
        if (currentMaterial_ < 0)
            throw lineError(file_, "a face before any usemtl line: no material names its texture");

        // The boundary runs opposite to the order in the file.
        const auto n = static_cast<int>(groups.size());
        ReadVertexList vertices{};
        ReadCoordList tx{}, ty{};
        for (int i = 0; i < n; ++i) {
            const FaceGroup& g = groups[static_cast<std::size_t>(n - 1 - i)];
            const auto at = static_cast<std::size_t>(i);
            vertices[at] =
                k_.s[listIndex(g.vertex, static_cast<std::size_t>(fileVertices_), "vertex")];
            const std::size_t t = listIndex(g.texture, textureX_.size(), "texture vertex");
            tx[at] = textureX_[t];
            ty[at] = textureY_[t];
        }
        store(n, vertices, tx, ty);
    }

    void store(int n, ReadVertexList& vertices, ReadCoordList& tx, ReadCoordList& ty) {
        poly record;
        record.polyVertexCount = static_cast<std::uint8_t>(n);
        record.stringNum = currentMaterial_;
        record.inPlane = -1;
        const std::int32_t slot = appendPolygon(k_, record);
        const std::int32_t faceNumber = faces_++;
        if (nextColoured_ >= 0 && faceNumber == nextColoured_) {
            k_.polygon[static_cast<std::size_t>(slot)].flav = 1;
            for (std::size_t v = 0; v < static_cast<std::size_t>(n); ++v)
                k_.tRed[v] = k_.tGreen[v] = k_.tBlue[v] = k_.tAlpha[v] = 255;
            nextColoured_ = colours_.readPolyShading(k_);
        }
        ConcaveProcess(k_, slot, vertices, tx, ty);
        poly& p = k_.polygon[static_cast<std::size_t>(slot)];
        const std::size_t kept = std::min<std::size_t>(p.polyVertexCount, kMaxPolyVertices);
        for (std::size_t v = 0; v < kept; ++v) {
            p.vertexList[v] = vertices[v];
            p.tvertx[v] = tx[v];
            p.tverty[v] = ty[v];
            if (p.flav == 1) {
                p.red[v] = k_.tRed[v];
                p.green[v] = k_.tGreen[v];
                p.blue[v] = k_.tBlue[v];
                p.alpha[v] = k_.tAlpha[v];
            }
        }
    }

    KilnState& k_;
    TextSource& file_;
    VertexColourFile& colours_;
    VertexMerger merger_;
    std::int32_t nextColoured_;
    std::int32_t fileVertices_ = 0;
    std::vector<float> textureX_, textureY_;
    std::int32_t currentMaterial_ = -1;
    std::int32_t faces_ = 0;
};

} // namespace

int read_OBJ(KilnState& k, TextSource& OBJfile, std::string& fileName,
             const std::string& firstLine) {
    std::printf("OBJ format\n\n");
    const std::string inputName = fileName;
    VertexColourFile colours;
    colours.open(k, fileName);
    ObjReader reader(k, OBJfile, colours);
    reader.read(withoutByteOrderMark(firstLine));
    std::string line = firstLine;
    while (readstr(OBJfile, line))
        reader.read(line);
    flipTextureY(k);
    // The MTL file is named relative to the OBJ file, wherever the converter runs.
    read_MTL(k, reader.mtlFilename.empty() ? std::string()
                                           : besideFile(inputName, reader.mtlFilename));
    FindPlanes(k, 0, k.polyCount, 0);
    triangulateNonFlat(k);
    requireSomePolygon(k, "OBJ");
    return 1;
}

} // namespace meshsmith::kiln
