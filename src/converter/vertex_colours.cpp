#include "vertex_colours.hpp"

#include "text_input.hpp"

namespace meshsmith::kiln {

void VertexColourFile::open(KilnState& k, std::string& fileName) {
    if (fileName.size() >= 3) fileName.replace(fileName.size() - 3, 3, "lux");
    file_ = TextSource::open(fileName);
    if (file_) k.AS2_ON = true;
}

std::int32_t VertexColourFile::readToHeader(KilnState& k, bool meshForm) {
    if (!file_) return -1;
    while (readstr(*file_, line_)) {
        std::int32_t number = 0, kind = 0, position = 0;
        std::uint8_t r = 0, g = 0, b = 0, a = 0;
        std::string name;
        if (meshForm && matches(line_, "MESH %s", {&name})) {
            mesh_ = name;
        } else if (matches(line_, meshForm ? "FACE %i %i" : "POLYGON %i %i", {&number, &kind})) {
            if (kind == kColouredKind) {
                meshOfFace_ = mesh_;
                return number;
            }
        } else if (matches(line_, "VERTEX %i %hhu %hhu %hhu %hhu", {&position, &r, &g, &b, &a})) {
            if (position < 0 || position >= kMaxReadVertices)
                throw InputError("Vertex-colour file, line " + std::to_string(file_->lineNumber()) +
                                 ": vertex position " + std::to_string(position) +
                                 " is outside 0 to " + std::to_string(kMaxReadVertices - 1));
            auto u = static_cast<std::size_t>(position);
            k.tRed[u] = r;
            k.tGreen[u] = g;
            k.tBlue[u] = b;
            k.tAlpha[u] = a;
        }
    }
    return -1;
}

std::int32_t VertexColourFile::readPolyShading(KilnState& k) {
    return readToHeader(k, false);
}
std::int32_t VertexColourFile::readPolyShading3dsMax(KilnState& k) {
    return readToHeader(k, true);
}

} // namespace meshsmith::kiln
