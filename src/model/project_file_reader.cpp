#include "project_file_reader.hpp"

#include "number_text.hpp"
#include "object_check.hpp"

#include <algorithm>
#include <functional>

namespace meshsmith {
namespace {

struct Failure {
    FileError error;
};

class LineCursor {
  public:
    LineCursor(const std::vector<std::string>& lines, std::size_t pos) : lines_(lines), pos_(pos) {}

    std::size_t position() const { return pos_; }
    std::size_t lineNumber() const { return pos_ + 1; }

    // Fails when fewer than `count` lines remain: the file was cut short. The
    // place is the last line read (the count or value that wanted more).
    void require(std::uint64_t count) const {
        if (pos_ + count > lines_.size())
            fail("The file ends early (it has " + std::to_string(lines_.size()) +
                     " lines): the data announced here is incomplete",
                 std::clamp<std::size_t>(pos_, 1, lines_.size()));
    }
    const std::string& text() {
        require(1);
        return lines_[pos_++];
    }
    std::int32_t integer() {
        const std::string& t = text();
        auto v = parseInteger(t);
        if (!v) fail(notAnIntegerMessage(t), pos_);
        return *v;
    }
    std::int32_t count(const char* section) {
        std::int32_t n = integer();
        if (n < 0)
            fail("Section \"" + std::string(section) + "\" has a negative count (" +
                     std::to_string(n) + ")",
                 pos_);
        return n;
    }
    float real() {
        const std::string& t = text();
        auto v = parseReal(t);
        if (!v) fail(notAFloatMessage(t), pos_);
        return *v;
    }
    bool flag() { return text() == "1"; }
    std::string colourText() {
        const std::string& t = text();
        if (!textToColour(t)) fail(notAnIntegerMessage(t), pos_);
        return t;
    }
    Colour colour() { return *textToColour(colourText()); }

    [[noreturn]] static void fail(const std::string& message, std::size_t line) {
        throw Failure{{message, line}};
    }

  private:
    const std::vector<std::string>& lines_;
    std::size_t pos_;
};

void readColour(LineCursor& c, ObjectData& o) {
    o.Red = c.real();
    o.Green = c.real();
    o.Blue = c.real();
}

void readLineTable(LineCursor& c, std::vector<ObjectData>& table, std::vector<std::size_t>& lineOf,
                   const char* name) {
    std::int32_t n = c.count(name);
    c.require(static_cast<std::uint64_t>(n) * 5);
    table.assign(static_cast<std::size_t>(n), ObjectData{});
    lineOf.assign(static_cast<std::size_t>(n), 0);
    for (std::size_t k = 0; k < table.size(); ++k) {
        lineOf[k] = c.lineNumber();
        readColour(c, table[k]);
        table[k].VertexIndices = {c.integer(), c.integer()};
    }
}

void readVertices(LineCursor& c, ParsedProject& out) {
    std::int32_t n = c.count("Vertices");
    c.require(static_cast<std::uint64_t>(n) * 3);
    auto& vs = out.data.object.vertices;
    vs.assign(static_cast<std::size_t>(n), Vertex{});
    out.lineOfVertex.clear();
    for (auto& v : vs) {
        out.lineOfVertex.push_back(c.lineNumber());
        v.X = c.real();
        v.Y = c.real();
        v.Z = c.real();
    }
    out.hasVertices = true;
}

void readTextures(LineCursor& c, ParsedProject& out) {
    std::int32_t n = c.count("Textures");
    c.require(static_cast<std::uint64_t>(n) * 4);
    auto& ts = out.data.object.textures;
    ts.assign(static_cast<std::size_t>(n), TextureData{});
    for (auto& t : ts) {
        t.Filename = c.text();
        t.Transparent = c.integer();
        t.MaskFilename = c.text();
        t.RepeatValue = c.integer();
        t.BackColor = DefaultBackColor;
    }
    out.hasTextures = true;
}

void readBackColours(LineCursor& c, ParsedProject& out) {
    auto& ts = out.data.object.textures;
    c.require(ts.size());
    for (auto& t : ts)
        t.BackColor = c.colour();
}

void readPolygons(LineCursor& c, ParsedProject& out) {
    std::int32_t n = c.count("Polygons");
    c.require(static_cast<std::uint64_t>(n) * 6);
    auto& polys = out.data.object.polygons;
    polys.clear();
    out.lineOfPolygon.clear();
    for (std::int32_t k = 0; k < n; ++k) {
        ObjectData p;
        out.lineOfPolygon.push_back(c.lineNumber());
        readColour(c, p);
        p.VertexCount = c.integer();
        if (p.VertexCount < 1)
            LineCursor::fail("Polygon " + std::to_string(k) + " has VertexCount " +
                                 std::to_string(p.VertexCount) +
                                 "; a polygon needs at least one vertex",
                             c.position());
        c.require(static_cast<std::uint64_t>(p.VertexCount) + 1);
        p.VertexIndices.resize(static_cast<std::size_t>(p.VertexCount));
        for (auto& i : p.VertexIndices)
            i = c.integer();
        p.TextureIndex = c.integer();
        if (p.textured()) {
            c.require(static_cast<std::uint64_t>(p.VertexCount - 1) * 2);
            p.TexCoords.assign(static_cast<std::size_t>(p.VertexCount), TexCoord{});
            for (int j = 0; j + 1 < p.VertexCount; ++j) {
                p.TexCoords[static_cast<std::size_t>(j)].U = c.real();
                p.TexCoords[static_cast<std::size_t>(j)].V = c.real();
            }
        }
        polys.push_back(std::move(p));
    }
}

void readCollision(LineCursor& c, ParsedProject& out) {
    std::int32_t n = c.count("Collision");
    c.require(static_cast<std::uint64_t>(n));
    auto& vols = out.data.object.collision;
    vols.assign(static_cast<std::size_t>(n), CollVol{});
    for (auto& v : vols) {
        v.PlaneCount = c.count("Collision");
        c.require(static_cast<std::uint64_t>(v.PlaneCount) * 2);
        v.PlanePolygons.resize(static_cast<std::size_t>(v.PlaneCount));
        v.PlaneRebounds.resize(static_cast<std::size_t>(v.PlaneCount));
        for (int j = 0; j < v.PlaneCount; ++j) {
            v.PlaneRebounds[static_cast<std::size_t>(j)] = c.integer();
            v.PlanePolygons[static_cast<std::size_t>(j)] = c.integer();
        }
    }
}

void readOptions(LineCursor& c, ParsedProject& out) {
    c.require(25);
    ProjectOptions& o = out.data.options;
    for (std::int32_t* v :
         {&o.ZoomRatio, &o.RotationX, &o.RotationY, &o.RotationZ, &o.PanX, &o.PanY})
        *v = c.integer();
    o.ZoomRatio = std::clamp(o.ZoomRatio, SmallestZoomRatio, LargestZoomRatio);
    for (bool* b : {&o.ShowAxis, &o.ShowVertices, &o.ShowLines, &o.ShowPolygons, &o.ShowTextures,
                    &o.Perspective})
        *b = c.flag();
    o.VertexDisplaySize = c.integer();
    o.BackgroundColor = c.colourText();
    o.VertexColor = c.colourText();
    o.SelectedVertexColor = c.colourText();
    o.Overwrite = c.flag();
    o.SaveToTrackFolder = c.flag();
    o.TrackFolder = c.text();
    for (bool* b : {&o.AutoGPL, &o.MakerMinimize, &o.MakerClose, &o.GPLParam})
        *b = c.flag();
    o.AdditionalGPLParams = c.text();
    o.AxisSize = c.integer();
}

struct Section {
    const char* keyword;
    bool inGeometry; // read by add-from-project too
    std::function<void(LineCursor&, ParsedProject&)> read;
};

const std::vector<Section>& sections() {
    static const std::vector<Section> table{
        {"ProjectDescription", false,
         [](LineCursor& c, ParsedProject& o) { o.data.object.ProjectDescription = c.text(); }},
        {"Vertices", true, readVertices},
        {"Textures", true, readTextures},
        {"TextureBackColors", true, readBackColours},
        {"VisLines", false,
         [](LineCursor& c, ParsedProject& o) {
             readLineTable(c, o.data.object.visLines, o.lineOfVisLine, "VisLines");
         }},
        {"Lines", true,
         [](LineCursor& c, ParsedProject& o) {
             readLineTable(c, o.data.object.lines, o.lineOfLine, "Lines");
         }},
        {"Polygons", true, readPolygons},
        {"DisplayClass", false,
         [](LineCursor& c, ParsedProject& o) { o.data.object.DisplayClass = c.integer(); }},
        {"Collision", false, readCollision},
        {"Options", false, readOptions},
    };
    return table;
}

bool indexOk(std::int32_t i, std::size_t count) {
    return i >= 0 && static_cast<std::size_t>(i) < count;
}

} // namespace

bool parseProjectLines(const std::vector<std::string>& lines, SectionChoice choice,
                       ParsedProject& out, FileError& error) {
    try {
        std::size_t i = 0;
        while (i < lines.size()) {
            const Section* match = nullptr;
            for (const auto& s : sections())
                if (lines[i] == s.keyword && (choice == SectionChoice::All || s.inGeometry))
                    match = &s;
            if (!match) {
                ++i;
                continue;
            }
            LineCursor cursor(lines, i + 1);
            match->read(cursor, out);
            i = cursor.position();
        }
    } catch (const Failure& f) {
        error = f.error;
        return false;
    }
    if (!out.hasVertices) {
        error = {kNotAProjectMessage, 0};
        return false;
    }
    return true;
}

bool validateProjectReferences(ParsedProject& parsed, FileError& error) {
    TrackObject& o = parsed.data.object;
    for (std::size_t v = 0; v < o.collision.size(); ++v) {
        CollVol& vol = o.collision[v];
        CollVol kept;
        for (std::size_t j = 0; j < vol.PlanePolygons.size(); ++j) {
            if (indexOk(vol.PlanePolygons[j], o.polygons.size())) {
                kept.PlanePolygons.push_back(vol.PlanePolygons[j]);
                kept.PlaneRebounds.push_back(vol.PlaneRebounds[j]);
                continue;
            }
            parsed.warnings.push_back("Warning: collision volume " + std::to_string(v) +
                                      ", plane " + std::to_string(j) + " names polygon " +
                                      std::to_string(vol.PlanePolygons[j]) +
                                      ", which does not exist; the plane is dropped.");
        }
        kept.PlaneCount = static_cast<std::int32_t>(kept.PlanePolygons.size());
        vol = std::move(kept);
    }
    for (std::size_t k = 0; k < o.polygons.size(); ++k)
        if (distinctCorners(o.polygons[k]) < 3)
            parsed.warnings.push_back(
                "Warning: polygon " + std::to_string(k) + " (line " +
                std::to_string(k < parsed.lineOfPolygon.size() ? parsed.lineOfPolygon[k] : 0) +
                ") has fewer than three different corners; it is kept, and a build refuses it "
                "until it is redefined or removed.");
    const std::optional<ObjectFault> fault = findObjectFault(o);
    if (!fault) return true;
    auto lineOf = [&](const std::vector<std::size_t>& lines) {
        return fault->index < lines.size() ? lines[fault->index] : 0;
    };
    std::size_t line = 0;
    if (fault->table == ObjectTable::Lines) line = lineOf(parsed.lineOfLine);
    if (fault->table == ObjectTable::VisLines) line = lineOf(parsed.lineOfVisLine);
    if (fault->table == ObjectTable::Polygons) line = lineOf(parsed.lineOfPolygon);
    error = {fault->message, line};
    return false;
}

} // namespace meshsmith
