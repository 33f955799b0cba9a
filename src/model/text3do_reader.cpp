// Reading 3DOText lines into an ImportedGeometry, checked whole before anything
// reaches the project.

#include "number_text.hpp"
#include "text3do_file.hpp"

#include <string_view>

namespace meshsmith {
namespace {

struct Fault {
    FileError error;
};

[[noreturn]] void fail(std::string message, std::size_t line) {
    throw Fault{{std::move(message), line}};
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Splits at runs of blanks and tabs; blanks at either end give no token.
void splitTokens(std::string_view line, std::vector<std::string_view>& tokens) {
    tokens.clear();
    std::size_t i = 0;
    for (;;) {
        while (i < line.size() && isBlank(line[i]))
            ++i;
        if (i == line.size()) return;
        const std::size_t start = i;
        while (i < line.size() && !isBlank(line[i]))
            ++i;
        tokens.push_back(line.substr(start, i - start));
    }
}

constexpr const char* VertexLineForm = "a vertex line reads \"p X Y Z\"";
constexpr const char* PolygonLineForm = "a polygon line reads \"v N -80808080 i1 ... iN\"";

class Text3DOReader {
  public:
    Text3DOReader(const std::vector<std::string>& lines, ImportedGeometry& out)
        : lines_(lines), out_(out) {}

    void read() {
        const std::size_t count = vertexCount();
        out_.vertices.resize(count);
        out_.lineOfVertex.resize(count);
        for (std::size_t m = 0; m < count; ++m)
            readVertex(2 + m, m);
        std::size_t i = 2 + count;
        bool ended = false;
        while (i < lines_.size() && !ended)
            ended = readPolygonSectionLine(i++);
        // Without the end mark a file cut short would still read, with its last
        // polygons or a cut-off last index silently lost.
        if (!ended)
            fail("The file ends without the end mark \"v -1\"; it may be cut short",
                 lines_.size() + 1);
        for (; i < lines_.size(); ++i)
            refuseSecondHeader(i);
    }

  private:
    std::size_t vertexCount() {
        if (lines_.size() < 2) fail("The vertex count is missing after \"# 3DO Export\"", 2);
        splitTokens(lines_[1], tokens_);
        const std::string_view text = tokens_.size() == 1 ? tokens_[0] : lines_[1];
        auto n = parseInteger(text);
        if (!n) fail(notAnIntegerMessage(text), 2);
        if (*n < 0) fail("The vertex count " + std::to_string(*n) + " is negative", 2);
        const auto count = static_cast<std::size_t>(*n);
        // Checked before anything is allocated for the vertices.
        if (count > lines_.size() - 2)
            fail("The vertex count " + std::to_string(count) + " is larger than the " +
                     std::to_string(lines_.size() - 2) + " lines that follow it",
                 2);
        return count;
    }

    void readVertex(std::size_t index, std::size_t m) {
        splitTokens(lines_[index], tokens_);
        if (tokens_.empty() || tokens_[0] != "p")
            fail("Vertex line " + std::to_string(m + 1) + " of " +
                     std::to_string(out_.vertices.size()) + " is missing: " + VertexLineForm,
                 index + 1);
        if (tokens_.size() < 4)
            fail("A vertex needs three coordinates: " + std::string(VertexLineForm), index + 1);
        Vertex& v = out_.vertices[m];
        out_.lineOfVertex[m] = index + 1;
        v.X = coordinate(tokens_[1], index);
        v.Y = coordinate(tokens_[2], index);
        v.Z = coordinate(tokens_[3], index);
    }

    static float coordinate(std::string_view token, std::size_t index) {
        auto v = parseReal(token);
        if (!v) fail(notAFloatMessage(token), index + 1);
        return *v;
    }

    // One line after the vertices; true when it is the end mark.
    bool readPolygonSectionLine(std::size_t index) {
        refuseSecondHeader(index);
        splitTokens(lines_[index], tokens_);
        // Lines are told apart by their first character, as the format defines them.
        if (tokens_.empty() || (tokens_[0][0] != 'v' && tokens_[0][0] != 'p')) return false;
        if (tokens_[0] == "p")
            fail("A vertex line beyond the " + std::to_string(out_.vertices.size()) +
                     " vertices that line 2 announces",
                 index + 1);
        if (tokens_[0] != "v")
            fail("'" + std::string(tokens_[0]) + "' starts neither a vertex nor a polygon line; " +
                     PolygonLineForm,
                 index + 1);
        if (tokens_.size() >= 2 && tokens_[1][0] == '-') return true;
        readPolygon(index);
        return false;
    }

    void readPolygon(std::size_t index) {
        const std::size_t line = index + 1;
        if (tokens_.size() < 2)
            fail("The polygon line has no corner count; " + std::string(PolygonLineForm), line);
        auto n = parseInteger(tokens_[1]);
        if (!n) fail(notAnIntegerMessage(tokens_[1]), line);
        if (*n < 1)
            fail("A polygon needs at least one corner, the line gives " + std::to_string(*n), line);
        const auto corners = static_cast<std::size_t>(*n);
        const std::size_t given = tokens_.size() < 3 ? 0 : tokens_.size() - 3;
        if (corners > given)
            fail("The polygon line gives " + std::to_string(corners) + " corners but holds " +
                     std::to_string(given) + " vertex indices",
                 line);
        ObjectData poly;
        poly.VertexIndices.reserve(corners + 1);
        for (std::size_t j = 0; j < corners; ++j)
            poly.VertexIndices.push_back(vertexIndex(tokens_[3 + j], line));
        poly.VertexIndices.push_back(poly.VertexIndices.front());
        poly.VertexCount = static_cast<std::int32_t>(corners + 1);
        poly.TextureIndex = NoTexture;
        out_.polygons.push_back(std::move(poly));
    }

    std::int32_t vertexIndex(std::string_view token, std::size_t line) const {
        auto i = parseInteger(token);
        if (!i) fail(notAnIntegerMessage(token), line);
        if (*i < 0 || static_cast<std::size_t>(*i) >= out_.vertices.size())
            fail("Vertex index " + std::to_string(*i) + " is out of range: the file has " +
                     std::to_string(out_.vertices.size()) + " vertices",
                 line);
        return *i;
    }

    void refuseSecondHeader(std::size_t index) const {
        if (lines_[index] == Text3DOHeader)
            fail("A second \"# 3DO Export\" header: the file holds more than one export",
                 index + 1);
    }

    const std::vector<std::string>& lines_;
    ImportedGeometry& out_;
    std::vector<std::string_view> tokens_;
};

} // namespace

ReadStatus read3DOText(const std::vector<std::string>& lines, ImportedGeometry& out,
                       FileError& error) {
    if (lines.empty() || lines[0] != Text3DOHeader) return ReadStatus::WrongHeader;
    try {
        Text3DOReader(lines, out).read();
    } catch (const Fault& f) {
        error = f.error;
        return ReadStatus::Faulty;
    }
    return ReadStatus::Read;
}

} // namespace meshsmith
