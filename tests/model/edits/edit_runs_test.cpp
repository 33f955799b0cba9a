// Every edit operation run on the sample project (or the project a row sets
// up), recorded in tests/data/edits/runs.txt: each step's outcome, message and
// what it changed, then what was told and logged. Every step must keep the
// object's invariants, and the row's history must undo to where it started and
// redo to where it ended.

#include "model/edits/edit.hpp"
#include "model/edits/line_edits.hpp"
#include "model/edits/polygon_edits.hpp"
#include "model/edits/polygon_transformations.hpp"
#include "model/edits/record_edits.hpp"
#include "model/edits/remove_double_vertices.hpp"
#include "model/edits/texture_edits.hpp"
#include "model/edits/texture_mapping.hpp"
#include "model/edits/transformations.hpp"
#include "model/edits/vertex_edits.hpp"
#include "model/edits/visualization_lines.hpp"
#include "model/geometry_text_test_support.hpp"
#include "model/object_check.hpp"
#include "model/project_commands.hpp"
#include "support/golden.hpp"
#include "support/project_builders.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <limits>
#include <random>
#include <sstream>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The lines that went ("-") and came ("+"), by a longest common subsequence.
std::string lineDiff(const std::string& before, const std::string& after) {
    const auto a = linesOf(before), b = linesOf(after);
    std::vector<std::vector<int>> common(a.size() + 1, std::vector<int>(b.size() + 1, 0));
    for (std::size_t i = a.size(); i-- > 0;)
        for (std::size_t j = b.size(); j-- > 0;)
            common[i][j] = a[i] == b[j] ? common[i + 1][j + 1] + 1
                                        : std::max(common[i + 1][j], common[i][j + 1]);
    std::string out;
    std::size_t i = 0, j = 0, gone = 0; // a run of lines that went, told as a count when long
    const auto flush = [&] {
        if (gone > 3)
            out += "  - " + std::to_string(gone) + " lines\n";
        else
            for (std::size_t k = i - gone; k < i; ++k)
                out += "  - " + a[k] + "\n";
        gone = 0;
    };
    while (i < a.size() || j < b.size())
        if (i < a.size() && j < b.size() && a[i] == b[j])
            flush(), ++i, ++j;
        else if (j == b.size() || (i < a.size() && common[i + 1][j] >= common[i][j + 1]))
            ++i, ++gone;
        else
            flush(), out += "  + " + b[j++] + "\n";
    flush();
    return out;
}

struct Run {
    Project p = sampleProject();
    ScriptedPrompts prompts;
    RecordingLog log;
    TempFolder folder;
    std::string out;
    std::vector<std::string> states; // the project before each step, as text

    // One step's outcome and what it changed, or the earlier state it went back to.
    void step(const OperationResult& r) {
        static const char* names[] = {"Done", "Cancelled", "Refused", "Failed"};
        out += std::string("  ") + names[static_cast<int>(r.outcome)] + ": " + r.message + "\n";
        const std::string now = projectFingerprint(p);
        const auto seen = std::find(states.begin(), states.end(), now);
        if (now == states.back() || seen == states.end())
            out += lineDiff(states.back(), now);
        else if (seen == states.begin())
            out += "  = as at the start\n";
        else
            out += "  = as after step " + std::to_string(seen - states.begin()) + "\n";
        states.push_back(now);
        EXPECT_FALSE(findObjectFault(p.object)) << out;
    }
    void note(const std::string& text) { out += "  " + text + "\n"; }
    std::string bitmap(const std::string& name, int w, int h) {
        std::filesystem::create_directories(std::filesystem::path(folder.file(name)).parent_path());
        EXPECT_TRUE(writeBmpFile(folder.file(name), filledBmp(w, h, 0x336699)).done());
        return folder.file(name);
    }
};

struct Row {
    const char* name;
    std::function<void(Run&)> setUp, steps;
};

std::array<TypedNumber, 3> offsets(const char* x, const char* y, const char* z) {
    return {*typedNumber(x), *typedNumber(y), *typedNumber(z)};
}

template <class Table> void select(Table& table, std::initializer_list<std::size_t> which) {
    for (std::size_t k : which)
        table[k].Selected = 1;
}

void only(Run& r, std::vector<Vertex> vertices) {
    r.p = Project{};
    r.p.object.vertices = std::move(vertices);
    r.p.GeometryPresent = true;
}

// The object without its selection, which the history does not keep.
std::string objectText(const TrackObject& object) {
    Project p;
    p.object = object;
    for (Vertex& v : p.object.vertices)
        v.Selected = 0;
    for (auto* table : {&p.object.lines, &p.object.visLines, &p.object.polygons})
        for (ObjectData& r : *table)
            r.Selected = 0;
    return projectFingerprint(p);
}

std::string runRow(const Row& row) {
    Run r;
    if (row.setUp) row.setUp(r);
    updateBounds(r.p);
    startHistory(r.p);
    const TrackObject start = r.p.object;
    r.states = {projectFingerprint(r.p)};
    r.out = std::string(row.name) + "\n";
    row.steps(r);
    for (const auto& m : r.prompts.messages)
        r.note("told: " + m);
    for (const auto& l : r.log.lines)
        r.note("log: " + l);
    if (r.p.object == start) r.note("the object is as it started");
    r.note(undoCaption(r.p) + " / " + redoCaption(r.p));
    Project q = r.p;
    while (q.history.canUndo())
        undoEdit(q);
    if (q.history.steps() > 0) {
        EXPECT_EQ(lineDiff(objectText(q.object), objectText(start)), "") << row.name << ": undone";
        while (q.history.canRedo())
            redoEdit(q);
        EXPECT_EQ(lineDiff(objectText(q.object), objectText(r.p.object)), "")
            << row.name << ": redone";
    }
    std::string out = placeholder(r.out, r.folder.folder());
    std::replace(out.begin(), out.end(), '\\', '/');
    return out;
}

OperationResult copyTriangle(Run& r, CopySide side, CopyTexture texture) {
    PolygonCopyUndo undo;
    r.step(copyPolygons(r.p, offsets("0.0", "0.0", "10"), side, texture, undo));
    return undoPolygonCopy(r.p, undo, r.log);
}

Row rotation(const char* name, Axis axis, double degrees, std::int32_t pivot, Vertex from) {
    return {name,
            [=](Run& r) {
                only(r, {{0, 5, 5}, from});
            },
            [=](Run& r) {
                VertexUndo undo{r.p.object.vertices, r.p.object.vertices};
                r.step(rotateVertices(r.p, rotationByDegrees(axis, degrees), pivot,
                                      VertexScope::All, undo));
            }};
}

// The merge as the editor first did it: every pair of vertices, one removal at
// a time, renumbering all lines and polygons after each.
int nestedLoopReference(Project& p) {
    auto& v = p.object.vertices;
    int removed = 0;
    for (std::int32_t i = 0; i < static_cast<std::int32_t>(v.size()); ++i)
        for (std::int32_t j = 0; j < static_cast<std::int32_t>(v.size());) {
            if (j == i || v[j].X != v[i].X || v[j].Y != v[i].Y || v[j].Z != v[i].Z) {
                ++j;
                continue;
            }
            for (auto* table : {&p.object.polygons, &p.object.lines})
                for (ObjectData& r : *table)
                    for (auto& k : r.VertexIndices) {
                        k = k == j ? i : k;
                        k -= k > j ? 1 : 0;
                    }
            v.erase(v.begin() + j);
            ++removed;
        }
    return removed;
}

// Many exact doubles, both zeros, NaN coordinates and near misses.
Project projectWithDoubles(std::uint32_t seed) {
    std::mt19937 rng(seed);
    auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    const float values[] = {
        0.0f, -0.0f, 1.0f, 1.0001f, -2.5f, std::numeric_limits<float>::quiet_NaN(), 1e30f};
    Project p;
    const int n = 1 + below(60);
    for (int i = 0; i < n; ++i)
        p.object.vertices.push_back({values[below(7)], values[below(3)], values[below(3) * 2],
                                     static_cast<std::uint8_t>(below(2))});
    for (int k = below(6); k > 0; --k)
        p.object.lines.push_back(makeLine(below(n), below(n)));
    for (int k = below(6); k > 0; --k) {
        std::vector<std::int32_t> corners;
        for (int c = 3 + below(3); c > 0; --c)
            corners.push_back(below(n));
        p.object.polygons.push_back(makePolygon(corners));
    }
    return p;
}

const auto selectTriangle = [](Run& r) { r.p.object.polygons[1].Selected = 1; };
const auto noColour = [](Rgb&) {};

const std::vector<Row> kRows = {
    // Vertices
    {"remove vertex 1", [](Run& r) { select(r.p.object.vertices, {1}); },
     [](Run& r) { r.step(removeSelectedVertices(r.p, r.log)); }},
    {"remove vertex 4", [](Run& r) { select(r.p.object.vertices, {4}); },
     [](Run& r) { r.step(removeSelectedVertices(r.p, r.log)); }},
    {"remove vertex 5", [](Run& r) { select(r.p.object.vertices, {5}); },
     [](Run& r) { r.step(removeSelectedVertices(r.p, r.log)); }},
    {"remove vertex 2 under visualization lines",
     [](Run& r) {
         createVisualizationLines(r.p, {0.25f, 0.5f, 1}, r.log);
         select(r.p.object.vertices, {2});
     },
     [](Run& r) { r.step(removeSelectedVertices(r.p, r.log)); }},
    {"add two vertices to nothing, modify with none selected", [](Run& r) { r.p = Project{}; },
     [](Run& r) {
         r.step(addVertex(r.p, 1, 2, 3));
         r.step(addVertex(r.p, 4, 5, 6));
         r.step(modifySelectedVertices(r.p, 9, 9, 9));
         r.note("window's undo: " + std::to_string(hasGeometrySnapshot(r.p)));
     }},
    {"modify Y of the selected, the window's undo",
     [](Run& r) {
         select(r.p.object.vertices, {0, 1});
     },
     [](Run& r) {
         r.step(modifySelectedVertices(r.p, std::nullopt, 7, std::nullopt));
         r.step(restoreGeometrySnapshot(r.p, r.log));
     }},
    {"remove all vertices: No, Yes, the window's undo", nullptr,
     [](Run& r) {
         r.prompts.answers = {Answer::No, Answer::Yes};
         r.step(removeAllVertices(r.p, r.prompts, r.log));
         r.step(removeAllVertices(r.p, r.prompts, r.log));
         r.step(restoreGeometrySnapshot(r.p, r.log));
     }},
    {"interpolated vertex between 1 and 3",
     [](Run& r) {
         select(r.p.object.vertices, {1, 3});
     },
     [](Run& r) { r.step(createInterpolatedVertex(r.p, r.log)); }},
    {"interpolated vertex, none selected", nullptr,
     [](Run& r) { r.step(createInterpolatedVertex(r.p, r.log)); }},
    {"interpolated vertices: No, Yes", nullptr,
     [](Run& r) {
         r.prompts.answers = {Answer::No, Answer::Yes};
         r.step(addInterpolatedVertices(r.p, r.prompts, r.log));
         r.step(addInterpolatedVertices(r.p, r.prompts, r.log));
     }},
    {"interpolated vertices near the float limit",
     [](Run& r) {
         only(r, {{1e38f, 3e38f, 0}, {3e38f, 3e38f, 0}});
     },
     [](Run& r) { r.step(addInterpolatedVertices(r.p, r.prompts, r.log)); }},
    {"interpolated vertices of one vertex",
     [](Run& r) {
         only(r, {{0, 0, 0}});
     },
     [](Run& r) { r.step(addInterpolatedVertices(r.p, r.prompts, r.log)); }},
    // Lines
    {"lines: add 3-2, 3-6, redefine 0, recolour 1, remove the selected",
     [](Run& r) { select(r.p.object.vertices, {3}); },
     [](Run& r) {
         r.step(createLine(r.p, 3, 2, {0, 1, 0}));
         r.step(createLine(r.p, 3, 6, {}));
         r.step(redefineLine(r.p, 0, 3, 5));
         r.step(recolourSelectedLines(r.p, {0, 0, 1}));
         r.step(removeSelectedLines(r.p));
     }},
    {"recolour and remove lines 1 and 2",
     [](Run& r) {
         r.p.object.lines.push_back(makeLine(2, 3));
         select(r.p.object.lines, {1, 2});
         r.p.SelectedLine = 2;
     },
     [](Run& r) {
         r.step(recolourSelectedLines(r.p, {0, 0, 1}));
         r.step(removeSelectedLines(r.p));
     }},
    {"remove all lines: No, Yes, the window's undo", nullptr,
     [](Run& r) {
         r.prompts.answers = {Answer::No, Answer::Yes};
         const std::vector<ObjectData> copy = r.p.object.lines;
         r.step(removeAllLines(r.p, r.prompts, r.log));
         r.step(removeAllLines(r.p, r.prompts, r.log));
         r.step(restoreLines(r.p, copy));
     }},
    {"lines restored after their vertices went",
     [](Run& r) {
         only(r, {{}, {}, {}, {}, {}});
     },
     [](Run& r) { r.step(restoreLines(r.p, sampleProject().object.lines)); }},
    {"visualization lines: created, again, converted, again",
     [](Run& r) {
         only(r, {{0, 0, 0, 1}, {1, 0, 0}, {1, 1, 0, 1}, {0, 1, 0}});
         r.p.object.lines = {makeLine(2, 0)};
     },
     [](Run& r) {
         Rgb colour = kDefaultLineColour;
         const auto red = [](Rgb& c) { c = {1, 0, 0}; };
         r.step(createVisualizationLinesStep(r.p, colour, red, r.log));
         r.step(createVisualizationLinesStep(r.p, colour, noColour, r.log));
         r.step(convertVisualizationLines(r.p, r.log));
         r.step(convertVisualizationLines(r.p, r.log));
     }},
    // Polygons
    {"create polygons 5-8-2-5 and 0-1-0",
     [](Run& r) {
         r.p.object.vertices.resize(10);
         select(r.p.object.vertices, {5});
         select(r.p.object.polygons, {1});
     },
     [](Run& r) {
         r.step(createPolygon(r.p, {5, 8, 2, 5}, {0.25f, 0.5f, 1}, r.log));
         r.step(createPolygon(r.p, {0, 1, 0}, {}, r.log));
     }},
    {"polygons refused: open, two corners, missing and negative vertices", nullptr,
     [](Run& r) {
         for (const std::vector<std::int32_t>& c :
              {std::vector<std::int32_t>{5, 1, 2}, {4, 4}, {0, 1, 12, 0}, {-1, 2, 3, -1}})
             r.step(createPolygon(r.p, c, {}, r.log));
     }},
    {"redefine polygons 0 and 2; refused: two corners, a missing vertex, no polygon 3", nullptr,
     [](Run& r) {
         r.step(redefinePolygon(r.p, 0, {5, 4, 3, 2}));
         r.step(redefinePolygon(r.p, 2, {1, 2, 3}));
         r.step(redefinePolygon(r.p, 2, {1, 2}));
         r.step(redefinePolygon(r.p, 2, {1, 2, 6}));
         r.step(redefinePolygon(r.p, 3, {1, 2, 3}));
     }},
    {"retexture every polygon with 1, then with 2",
     [](Run& r) {
         select(r.p.object.polygons, {0, 1, 2});
     },
     [](Run& r) {
         const TextureChange change = retextureSelectedPolygons(r.p, 1);
         r.step(change.result);
         for (std::int32_t k : change.untextured)
             r.note(untexturedMessage(k));
         r.step(retextureSelectedPolygons(r.p, 2).result);
     }},
    {"remove polygon 0", [](Run& r) { select(r.p.object.polygons, {0}); },
     [](Run& r) { r.step(removeSelectedPolygons(r.p, r.log)); }},
    {"remove polygon 2", [](Run& r) { select(r.p.object.polygons, {2}); },
     [](Run& r) { r.step(removeSelectedPolygons(r.p, r.log)); }},
    {"remove polygons 0 and 1",
     [](Run& r) {
         select(r.p.object.polygons, {0, 1});
     },
     [](Run& r) { r.step(removeSelectedPolygons(r.p, r.log)); }},
    {"remove all polygons: No, Yes", [](Run& r) { r.p.SelectedPolygon = 1; },
     [](Run& r) {
         r.prompts.answers = {Answer::No, Answer::Yes};
         r.step(removeAllPolygons(r.p, r.prompts, r.log));
         r.step(removeAllPolygons(r.p, r.prompts, r.log));
     }},
    // Polygon copies and moves
    {"copy the triangle to the same side, and its undo", selectTriangle,
     [](Run& r) { r.step(copyTriangle(r, CopySide::Same, CopyTexture::SameOrientation)); }},
    {"copy the triangle to the opposite side, and its undo", selectTriangle,
     [](Run& r) { r.step(copyTriangle(r, CopySide::Opposite, CopyTexture::SameOrientation)); }},
    {"copy the triangle opposite with its texture mirrored", selectTriangle,
     [](Run& r) { r.step(copyTriangle(r, CopySide::Opposite, CopyTexture::Mirrored)); }},
    {"copy the triangle without texture", selectTriangle,
     [](Run& r) { r.step(copyTriangle(r, CopySide::Same, CopyTexture::None)); }},
    {"copies: doubles merged first, offsets unchanged, in place, past the float range",
     [](Run& r) {
         selectTriangle(r);
         r.p.object.vertices.push_back(r.p.object.vertices[2]);
     },
     [](Run& r) {
         PolygonCopyUndo undo;
         for (const char* x : {"0.0", "0", "3e38", "3e38"})
             r.step(copyPolygons(r.p, offsets(x, "0.0", "0.0"), CopySide::Same, CopyTexture::None,
                                 undo));
         r.step(createLine(r.p, 0, static_cast<std::int32_t>(r.p.object.vertices.size() - 1), {}));
         r.note("copy can be undone: " + std::to_string(canUndoPolygonCopy(r.p, undo)));
     }},
    {"copy and move with no polygon selected", nullptr,
     [](Run& r) {
         PolygonCopyUndo copy;
         VertexUndo move;
         r.step(copyPolygons(r.p, offsets("1", "0", "0"), CopySide::Same, CopyTexture::None, copy));
         r.step(movePolygons(r.p, offsets("1", "0", "0"), move));
     }},
    {"move two polygons sharing an edge, its undo, an unchanged offset",
     [](Run& r) {
         select(r.p.object.polygons, {0, 1});
     },
     [](Run& r) {
         VertexUndo undo;
         r.step(movePolygons(r.p, offsets("1", "0.0", "0.0"), undo));
         r.step(restoreVertices(r.p, undo, "Undo Polygon Move"));
         r.step(movePolygons(r.p, offsets("0.0", "0.0", "0.0"), undo));
     }},
    // Vertex transformations
    rotation("rotate Z 90 about the origin", Axis::Z, 90, NoSelection, {1, 0, 0}),
    rotation("rotate Y 90 about the origin", Axis::Y, 90, NoSelection, {1, 0, 0}),
    rotation("rotate X 180 about vertex 0", Axis::X, 180, 0, {0, 6, 5}),
    rotation("rotate Z -90 about the origin", Axis::Z, -90, NoSelection, {1, 0, 0}),
    rotation("rotate X 270 about vertex 0", Axis::X, 270, 0, {0, 6, 5}),
    rotation("rotate about vertex 7, gone", Axis::X, 90, 7, {1, 0, 0}),
    {"mirror X keeping the originals, and its undo",
     [](Run& r) {
         only(r, {{1, 0, 0}, {0, 2, 0}});
     },
     [](Run& r) {
         VertexUndo undo;
         r.step(mirrorVertices(r.p, Axis::X, true, VertexScope::All, undo, r.log));
         r.step(restoreVertices(r.p, undo, "Undo Mirror"));
     }},
    {"scale Y by 2, and its undo", nullptr,
     [](Run& r) {
         VertexUndo undo;
         r.step(scaleVertices(r.p, *typedNumber("2"), Axis::Y, VertexScope::All, undo, r.log));
         r.step(restoreVertices(r.p, undo, "Undo Scale"));
     }},
    {"center",
     [](Run& r) {
         only(r, {{2, 1, -3}, {6, 5, 9}, {4, 1, 0}});
     },
     [](Run& r) {
         VertexUndo undo;
         updateBounds(r.p);
         r.step(centerVertices(r.p, undo));
     }},
    {"move the selected, then with none selected",
     [](Run& r) {
         only(r, {{0, 0, 0}, {1, 1, 1, 1}});
     },
     [](Run& r) {
         VertexUndo undo;
         r.step(moveVertices(r.p, offsets("0.0", "2.5", "-1"), VertexScope::Selected, undo, r.log));
         r.step(moveVertices(r.p, offsets("1", "0", "0"), VertexScope::Selected, undo, r.log));
     }},
    {"beyond the float range: scale, move, rotate",
     [](Run& r) {
         only(r, {{0, 0, 0}, {20, 0, 0}, {3e38f, 3e38f, 0}});
     },
     [](Run& r) {
         VertexUndo undo;
         r.step(
             scaleVertices(r.p, *typedNumber("1e38"), std::nullopt, VertexScope::All, undo, r.log));
         r.step(moveVertices(r.p, offsets("3e38", "0", "0"), VertexScope::All, undo, r.log));
         r.step(rotateVerticesAbout(r.p, rotationByDegrees(Axis::Z, 45), {}, VertexScope::All));
     }},
    {"a window's undo after Edit > Undo, and after its vertices came in use",
     [](Run& r) {
         only(r, {{1, 0, 0}, {0, 5, 5}});
     },
     [](Run& r) {
         VertexUndo move, mirror;
         r.step(moveVertices(r.p, offsets("1", "0", "0"), VertexScope::All, move, r.log));
         r.step(undoEdit(r.p));
         r.step(restoreVertices(r.p, move, "Undo Move"));
         r.step(mirrorVertices(r.p, Axis::X, true, VertexScope::All, mirror, r.log));
         r.step(createLine(r.p, 2, 0, {}));
         r.step(restoreVertices(r.p, mirror, "Undo Mirror"));
     }},
    // Texture mapping
    {"assign textures: entire, repeated on quads, none, a missing one", nullptr,
     [](Run& r) {
         const std::vector<TexCoord> entire = {{0, 0}, {0, 1}, {1, 1}, {1, 0}};
         r.step(assignTexture(r.p, {0, 2}, 1, entire));
         r.step(assignTexture(r.p, {0, 1}, 0, {{0, 0}, {0, 2}, {3, 2}, {3, 0}}, true));
         r.step(assignTexture(r.p, {2}, NoTexture, entire));
         r.step(assignTexture(r.p, {2}, 7, entire));
     }},
    {"rotate the texture of polygons 0 and 2 four times", nullptr,
     [](Run& r) {
         for (int k = 0; k < 4; ++k)
             r.step(rotateTexture(r.p, {0, 2}));
     }},
    {"mirror textures horizontally and vertically, twice each", nullptr,
     [](Run& r) {
         for (MirrorAxis axis : {MirrorAxis::Horizontal, MirrorAxis::Horizontal,
                                 MirrorAxis::Vertical, MirrorAxis::Vertical})
             r.step(mirrorTexture(r.p, {0, 2}, axis));
     }},
    {"face opposite twice", nullptr,
     [](Run& r) {
         r.step(faceOpposite(r.p, {0, 1, 2}));
         r.step(faceOpposite(r.p, {0, 1, 2}));
     }},
    // The texture library
    {"load textures: name, duplicate and size rules",
     [](Run& r) {
         r.p.object.textures.clear();
         for (auto& poly : r.p.object.polygons)
             poly = makePolygon(std::vector<std::int32_t>(poly.VertexIndices.begin(),
                                                          poly.VertexIndices.end() - 1));
         r.p.object.collision.clear();
     },
     [](Run& r) {
         r.step(loadTexture(r.p, r.bitmap("a/wall.bmp", 64, 32)));
         r.step(loadTexture(r.p, r.bitmap("ABCDEFGHI.bmp", 16, 16)));
         r.step(loadTexture(r.p, r.bitmap("ABCDEFGH.bmp", 256, 16)));
         r.step(loadTexture(r.p, r.bitmap("b/wall.bmp", 64, 32)));
         r.step(loadTexture(r.p, r.bitmap("big.bmp", 100, 100)));
         r.step(loadTexture(r.p, r.folder.file("gone.bmp")));
     }},
    {"remove texture 1 of three",
     [](Run& r) {
         r.p.object.textures.push_back({"third.bmp", 0, "", 0, 0});
         r.p.object.polygons[2] = makeTexturedPolygon({0, 4, 5}, 2, {{0, 0}, {1, 0}, {1, 1}});
     },
     [](Run& r) { r.step(removeTexture(r.p, 1)); }},
    {"masks, back colour, replacing",
     [](Run& r) { r.p.object.textures[1].Filename = r.bitmap("roof.bmp", 32, 32); },
     [](Run& r) {
         BmpImage image = filledBmp(2, 2, 0x00FF00);
         image.pixels[3] = 0x0000FF;
         const BmpImage mask = transparencyMask(image, 0x0000FF);
         EXPECT_EQ(mask.pixels, (std::vector<Colour>{0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0}));
         EXPECT_EQ(transparencyMask(image, 0x123456).pixels, std::vector<Colour>(4, 0xFFFFFF));
         OperationResult unwritable =
             saveTextureMask(r.p, 1, mask, r.folder.file("no/folder/roof_mask.bmp"));
         unwritable.message.resize(unwritable.message.find(".bmp\"") + 5); // not the system's words
         r.step(unwritable);
         r.step(saveTextureMask(r.p, 1, mask, r.p.object.textures[1].Filename));
         r.step(saveTextureMask(r.p, 1, mask, proposedMaskPath(r.p, 1)));
         r.step(setTextureBackColor(r.p, 1, 0x0000C0));
         r.step(replaceTexture(r.p, 1, r.bitmap("new/roof.bmp", 16, 128)));
         r.step(replaceTexture(r.p, 1, r.bitmap("c/wall01.bmp", 16, 16)));
     }},
    // Remove Double Vertices
    {"three equal vertices leave one and a collapsed triangle",
     [](Run& r) {
         only(r, {{4, 4, 4}, {4, 4, 4}, {4, 4, 4}, {7, 0, 0}});
         r.p.object.polygons = {makePolygon({0, 1, 2})};
         r.p.object.lines = {makeLine(2, 3), makeLine(3, 1)};
         r.p.object.visLines = {makeLine(2, 3)};
     },
     [](Run& r) {
         r.note("removed " + std::to_string(removeDoubleVertices(r.p)));
         r.step({});
     }},
    {"doubles: references out of range stay out of range",
     [](Run& r) {
         only(r, {{1, 1, 1}, {1, 1, 1}, {2, 2, 2}});
         r.p.object.lines = {makeLine(-1, 5)};
     },
     [](Run& r) {
         removeDoubleVertices(r.p);
         r.note("line " + std::to_string(r.p.object.lines[0].VertexIndices[0]) + " " +
                std::to_string(r.p.object.lines[0].VertexIndices[1]));
     }},
    {"doubles command, with none and with visualization lines in their colour",
     [](Run& r) {
         only(r, {{0, 0, 0, 1}, {1, 0, 0}, {0, 0, 0}, {1, 1, 0}});
         for (std::int32_t i = 0; i < 4; ++i) {
             r.p.object.visLines.push_back(makeLine(i, (i + 1) % 4));
             setRecordColour(r.p.object.visLines.back(), {0.25f, 0.5f, 0.75f});
         }
         r.p.object.visLines[1].Red = 1; // only the first one's colour counts
     },
     [](Run& r) {
         r.note("removed " + std::to_string(removeDoubleVerticesCommand(r.p, r.log)));
         r.note("removed " + std::to_string(removeDoubleVerticesCommand(r.p, r.log)));
         r.step({});
     }},
    // The edit history
    {"undo and redo captions; a new step drops redo", nullptr,
     [](Run& r) {
         r.prompts.answers = {Answer::Yes};
         r.step(addVertex(r.p, 1, 1, 1));
         r.step(addInterpolatedVertices(r.p, r.prompts, r.log));
         r.note(undoCaption(r.p));
         for (int k = 0; k < 3; ++k)
             r.step(undoEdit(r.p));
         r.step(redoEdit(r.p));
         r.note(redoCaption(r.p));
         r.step(addVertex(r.p, 2, 2, 2));
     }},
    {"clear all is a step; closing starts anew", nullptr,
     [](Run& r) {
         SaveOptions options;
         ProjectSession s{r.p, options, r.prompts, r.log};
         clearAll(s);
         r.step({});
         r.step(undoEdit(r.p));
         r.prompts.answers = {Answer::No};
         r.step(closeProject(s));
     }},
};

} // namespace

TEST(EditRuns, EveryRowGivesItsRecordedRun) {
    std::string out;
    for (const Row& row : kRows)
        out += runRow(row) + "\n";
    expectGolden(out, "edits/runs.txt");
}

TEST(EditRuns, RemoveDoublesGivesWhatThePairwiseLoopsGive) {
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        Project fast = projectWithDoubles(seed);
        Project slow = fast;
        const int expected = nestedLoopReference(slow);
        ASSERT_EQ(removeDoubleVertices(fast), expected) << "seed " << seed;
        // NaN coordinates compare unequal, so compare the texts.
        ASSERT_EQ(projectFingerprint(fast), projectFingerprint(slow)) << "seed " << seed;
    }
}

TEST(EditRuns, StepsShareWhatTheyDidNotChange) {
    Project p;
    p.object.vertices.resize(30000);
    startHistory(p);
    const std::size_t start = p.history.bytes();
    for (int step = 0; step < 120; ++step)
        addVertex(p, 0, static_cast<float>(step), 0);
    EXPECT_EQ(p.history.steps(), 120u);
    EXPECT_LT(p.history.bytes(), 3 * start) << "each step keeps only the chunk it changed";
}
