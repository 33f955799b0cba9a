// Every edit operation run on the sample project (or the project a row sets
// up), as tests/data/edits/runs.steps lists them, recorded in
// tests/data/edits/runs.txt: each step's outcome, message and
// what it changed, then what was told and logged. Every step must keep the
// object's invariants, and the row's history must undo to where it started and
// redo to where it ended (a window's Undo is an undo of the history).

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
#include "support/step_runs.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <limits>
#include <map>
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
    // The records "select" chose, as the editor's windows pass them.
    std::vector<std::int32_t> vertices, lines, polygons;
    Rgb lineColour = kDefaultLineColour;
    SaveOptions options;
    ProjectSession session{p, options, prompts, log};

    // One step's outcome and what it changed, or the earlier state it went back to.
    void step(const OperationResult& r) {
        out += "  " + outcomeName(r.outcome) + ": " + r.message + "\n";
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

// The words of one line of tests/data/edits/runs.steps after its first.
struct Words {
    std::vector<std::string> w;
    const std::string& s(std::size_t k) const { return w.at(k); }
    float f(std::size_t k) const { return std::stof(s(k)); }
    std::int32_t i(std::size_t k) const { return s(k) == "none" ? NoSelection : std::stoi(s(k)); }
    std::size_t at(std::size_t k) const { return std::stoul(s(k)); }
    Rgb rgb(std::size_t k) const { return w.size() > k ? Rgb{f(k), f(k + 1), f(k + 2)} : Rgb{}; }
    std::array<TypedNumber, 3> offsets(std::size_t k) const {
        return {*typedNumber(s(k)), *typedNumber(s(k + 1)), *typedNumber(s(k + 2))};
    }
    std::vector<std::int32_t> list(std::size_t k) const {
        std::vector<std::int32_t> out;
        std::istringstream items(s(k));
        for (std::string item; std::getline(items, item, ',');)
            out.push_back(std::stoi(item));
        return out;
    }
    std::vector<TexCoord> pairs(std::size_t k) const {
        std::vector<TexCoord> out;
        std::istringstream items(s(k));
        for (std::string u, v; std::getline(items, u, '/') && std::getline(items, v, ',');)
            out.push_back({std::stof(u), std::stof(v)});
        return out;
    }
    // The word's place among `names`, as the enum of that order.
    template <class E> E pick(std::size_t k, std::initializer_list<std::string_view> names) const {
        const auto found = std::find(names.begin(), names.end(), s(k));
        EXPECT_NE(found, names.end()) << s(k);
        return static_cast<E>(found - names.begin());
    }
    Axis axis(std::size_t k) const { return pick<Axis>(k, {"X", "Y", "Z"}); }
    CopySide side(std::size_t k) const { return pick<CopySide>(k, {"Opposite", "Same"}); }
    CopyTexture copied(std::size_t k) const {
        return pick<CopyTexture>(k, {"SameOrientation", "Mirrored", "None"});
    }
    VertexScope scope(std::size_t k) const { return pick<VertexScope>(k, {"All", "Selected"}); }
};

void maskSteps(Run& r) {
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
}

void setOnly(Run& r, const Words& w) {
    r.p = Project{};
    r.p.GeometryPresent = true;
    r.vertices.clear();
    for (const std::string& word : w.w) {
        std::istringstream xyz(word);
        Vertex v;
        char comma;
        int selected = 0;
        xyz >> v.X >> comma >> v.Y >> comma >> v.Z >> comma >> selected;
        if (selected) r.vertices.push_back(static_cast<std::int32_t>(r.p.object.vertices.size()));
        r.p.object.vertices.push_back(v);
    }
}

void untexture(Run& r) {
    r.p.object.textures.clear();
    for (auto& poly : r.p.object.polygons)
        poly = makePolygon({poly.VertexIndices.begin(), poly.VertexIndices.end() - 1});
    r.p.object.collision.clear();
}

using R = Run&;
using W = const Words&;
using Op = std::function<void(R, W)>;

// What each word of runs.steps does: set-up words change the project as it is,
// step words run an operation and record its outcome.
const std::map<std::string, Op> kOperations = {
    // Set-up
    {"new", [](R r, W) { r.p = Project{}; }},
    {"only", setOnly},
    {"select",
     [](R r, W w) {
         for (std::size_t k = 1; k < w.w.size(); ++k)
             (w.s(0) == "vertices" ? r.vertices
              : w.s(0) == "lines"  ? r.lines
                                   : r.polygons)
                 .push_back(w.i(k));
     }},
    {"line", [](R r, W w) { r.p.object.lines.push_back(makeLine(w.i(0), w.i(1))); }},
    {"visLine",
     [](R r, W w) {
         r.p.object.visLines.push_back(makeLine(w.i(0), w.i(1)));
         if (w.w.size() > 2) setRecordColour(r.p.object.visLines.back(), w.rgb(2));
     }},
    {"polygon", [](R r, W w) { r.p.object.polygons.push_back(makePolygon(w.list(0))); }},
    {"visualizationLines", [](R r, W w) { createVisualizationLines(r.p, w.rgb(0), r.log); }},
    {"resizeVertices", [](R r, W w) { r.p.object.vertices.resize(w.at(0)); }},
    {"duplicateVertex",
     [](R r, W w) { r.p.object.vertices.push_back(r.p.object.vertices[w.at(0)]); }},
    {"untextured", [](R r, W) { untexture(r); }},
    {"texture",
     [](R r, W w) {
         r.p.object.textures.push_back({w.s(0), 0, "", 0, 0});
     }},
    {"texturedPolygon",
     [](R r, W w) {
         r.p.object.polygons[w.at(0)] = makeTexturedPolygon(w.list(1), w.i(2), w.pairs(3));
     }},
    {"bitmapTexture",
     [](R r, W w) { r.p.object.textures[w.at(0)].Filename = r.bitmap(w.s(1), w.i(2), w.i(3)); }},
    {"answers",
     [](R r, W w) {
         for (std::size_t k = 0; k < w.w.size(); ++k)
             r.prompts.answers.push_back(w.pick<Answer>(k, {"Yes", "No", "Cancel"}));
     }},
    // Vertices
    {"addVertex", [](R r, W w) { r.step(addVertex(r.p, w.f(0), w.f(1), w.f(2))); }},
    {"modifySelectedVertices",
     [](R r, W w) {
         std::optional<float> xyz[3];
         for (std::size_t k = 0; k < 3; ++k)
             if (w.s(k) != "-") xyz[k] = w.f(k);
         r.step(modifySelectedVertices(r.p, r.vertices, xyz[0], xyz[1], xyz[2]));
     }},
    {"removeSelectedVertices",
     [](R r, W) { r.step(removeSelectedVertices(r.p, r.vertices, r.log)); }},
    {"removeAllVertices", [](R r, W) { r.step(removeAllVertices(r.p, r.prompts, r.log)); }},
    {"createInterpolatedVertex",
     [](R r, W) { r.step(createInterpolatedVertex(r.p, r.vertices, r.log)); }},
    {"addInterpolatedVertices",
     [](R r, W) { r.step(addInterpolatedVertices(r.p, r.prompts, r.log)); }},
    // Lines
    {"createLine",
     [](R r, W w) {
         const auto last = static_cast<std::int32_t>(r.p.object.vertices.size()) - 1;
         r.step(createLine(r.p, w.i(0), w.s(1) == "last" ? last : w.i(1), w.rgb(2)));
     }},
    {"redefineLine", [](R r, W w) { r.step(redefineLine(r.p, w.i(0), w.i(1), w.i(2))); }},
    {"recolourSelectedLines",
     [](R r, W w) { r.step(recolourSelectedLines(r.p, r.lines, w.rgb(0))); }},
    {"removeSelectedLines", [](R r, W) { r.step(removeSelectedLines(r.p, r.lines)); }},
    {"removeAllLines", [](R r, W) { r.step(removeAllLines(r.p, r.prompts, r.log)); }},
    {"createVisualizationLinesStep",
     [](R r, W w) {
         const auto pick = [&](Rgb& c) { c = w.w.empty() ? c : w.rgb(0); };
         r.step(createVisualizationLinesStep(r.p, r.lineColour, pick, r.log));
     }},
    {"convertVisualizationLines", [](R r, W) { r.step(convertVisualizationLines(r.p, r.log)); }},
    // Polygons
    {"createPolygon", [](R r, W w) { r.step(createPolygon(r.p, w.list(0), w.rgb(1), r.log)); }},
    {"redefinePolygon", [](R r, W w) { r.step(redefinePolygon(r.p, w.i(0), w.list(1))); }},
    {"retextureSelectedPolygons",
     [](R r, W w) {
         const TextureChange change = retextureSelectedPolygons(r.p, r.polygons, w.i(0));
         r.step(change.result);
         for (std::int32_t k : change.untextured)
             r.note(untexturedMessage(k));
     }},
    {"removeSelectedPolygons",
     [](R r, W) { r.step(removeSelectedPolygons(r.p, r.polygons, r.log)); }},
    {"removeAllPolygons", [](R r, W) { r.step(removeAllPolygons(r.p, r.prompts, r.log)); }},
    // Polygon copies and moves
    {"copyPolygons",
     [](R r, W w) {
         const auto before = static_cast<std::int32_t>(r.p.object.polygons.size());
         const OperationResult done =
             copyPolygons(r.p, r.polygons, w.offsets(0), w.side(3), w.copied(4));
         r.step(done);
         // The copy window goes on with the copies chosen, as it does.
         if (done.done()) {
             r.polygons.clear();
             for (auto k = before; k < static_cast<std::int32_t>(r.p.object.polygons.size()); ++k)
                 r.polygons.push_back(k);
         }
     }},
    {"copyAndUndo",
     [](R r, W w) {
         const Words offsets{{"0.0", "0.0", "10"}};
         r.step(copyPolygons(r.p, r.polygons, offsets.offsets(0), w.side(0), w.copied(1)));
         r.step(undoEdit(r.p));
     }},
    {"movePolygons", [](R r, W w) { r.step(movePolygons(r.p, r.polygons, w.offsets(0))); }},
    // Vertex transformations
    {"rotateVertices",
     [](R r, W w) {
         const Rotation turn = rotationByDegrees(w.axis(0), w.f(1));
         r.step(rotateVertices(r.p, turn, w.i(2), VertexChoice{}));
     }},
    {"rotateVerticesAbout",
     [](R r, W w) {
         const Rotation turn = rotationByDegrees(w.axis(0), w.f(1));
         r.step(rotateVerticesAbout(r.p, turn, {}, VertexChoice{}));
     }},
    {"mirrorVertices",
     [](R r, W w) {
         r.step(mirrorVertices(r.p, w.axis(0), w.s(1) == "1", VertexChoice{}, r.log));
     }},
    {"scaleVertices",
     [](R r, W w) {
         const auto axis = w.s(1) == "-" ? std::nullopt : std::optional(w.axis(1));
         r.step(scaleVertices(r.p, *typedNumber(w.s(0)), axis, VertexChoice{}, r.log));
     }},
    {"centerVertices", [](R r, W) { r.step(centerVertices(r.p)); }},
    {"moveVertices",
     [](R r, W w) {
         r.step(moveVertices(r.p, w.offsets(0), VertexChoice{w.scope(3), r.vertices}, r.log));
     }},
    // Texture mapping
    {"assignTexture",
     [](R r, W w) {
         const std::int32_t texture = w.s(1) == "none" ? NoTexture : w.i(1);
         const bool repeated = w.w.size() > 3;
         r.step(assignTexture(r.p, w.list(0), texture, w.pairs(2), repeated));
     }},
    {"rotateTexture", [](R r, W w) { r.step(rotateTexture(r.p, w.list(0))); }},
    {"mirrorTexture",
     [](R r, W w) {
         const auto axis = w.pick<MirrorAxis>(1, {"Horizontal", "Vertical"});
         r.step(mirrorTexture(r.p, w.list(0), axis));
     }},
    {"faceOpposite", [](R r, W w) { r.step(faceOpposite(r.p, w.list(0))); }},
    // The texture library
    {"loadTexture",
     [](R r, W w) {
         const bool made = w.w.size() > 1;
         r.step(loadTexture(r.p, made ? r.bitmap(w.s(0), w.i(1), w.i(2)) : r.folder.file(w.s(0))));
     }},
    {"removeTexture", [](R r, W w) { r.step(removeTexture(r.p, w.i(0))); }},
    {"masks", [](R r, W) { maskSteps(r); }},
    // Remove Double Vertices
    {"removeDoubleVertices",
     [](R r, W) { r.note("removed " + std::to_string(removeDoubleVertices(r.p))); }},
    {"removeDoubleVerticesCommand",
     [](R r, W) { r.note("removed " + std::to_string(removeDoubleVerticesCommand(r.p, r.log))); }},
    {"noteLine",
     [](R r, W w) {
         const auto& line = r.p.object.lines[w.at(0)].VertexIndices;
         r.note("line " + std::to_string(line[0]) + " " + std::to_string(line[1]));
     }},
    // The edit history and the project
    {"step", [](R r, W) { r.step({}); }},
    {"undoEdit", [](R r, W) { r.step(undoEdit(r.p)); }},
    {"redoEdit", [](R r, W) { r.step(redoEdit(r.p)); }},
    {"undoCaption", [](R r, W) { r.note(undoCaption(r.p)); }},
    {"redoCaption", [](R r, W) { r.note(redoCaption(r.p)); }},
    {"clearAll", [](R r, W) { clearAll(r.session); }},
    {"closeProject", [](R r, W) { r.step(closeProject(r.session)); }},
};

void perform(Run& r, const std::string& line) {
    const std::vector<std::string> words = wordsOf(line);
    const auto op = kOperations.find(words.at(0));
    ASSERT_NE(op, kOperations.end()) << "no operation " << words[0];
    op->second(r, Words{{words.begin() + 1, words.end()}});
}

// The object as the history keeps it.
std::string objectText(const TrackObject& object) {
    Project p;
    p.object = object;
    return projectFingerprint(p);
}

// The set-up, then from "--" on the steps, recorded with the history from there.
std::string runRow(const StepRun& row) {
    Run r;
    r.out = row.name + "\n";
    TrackObject start;
    for (const std::string& line : row.lines) {
        if (line != "--") {
            perform(r, line);
            continue;
        }
        updateBounds(r.p);
        startHistory(r.p);
        start = r.p.object;
        r.states = {projectFingerprint(r.p)};
    }
    for (const auto& m : r.prompts.messages)
        r.note("told: " + m);
    for (const auto& l : r.log.lines)
        r.note("log: " + l);
    if (r.p.object == start) r.note("the object is as it started");
    r.note(undoCaption(r.p) + " / " + redoCaption(r.p));
    Project q = r.p;
    int undone = 0; // a row may end with steps undone: redo brings back as many
    for (; q.history.canUndo(); ++undone)
        undoEdit(q);
    if (q.history.steps() > 0) {
        EXPECT_EQ(lineDiff(objectText(q.object), objectText(start)), "") << row.name << ": undone";
        for (; undone > 0; --undone)
            redoEdit(q);
        EXPECT_EQ(lineDiff(objectText(q.object), objectText(r.p.object)), "")
            << row.name << ": redone";
    }
    std::string out = placeholder(r.out, r.folder.folder());
    std::replace(out.begin(), out.end(), '\\', '/');
    return out;
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
        p.object.vertices.push_back({values[below(7)], values[below(3)], values[below(3) * 2]});
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

} // namespace

TEST(EditRuns, EveryRowGivesItsRecordedRun) {
    expectRecordedRuns("edits/runs.steps", "edits/runs.txt", runRow);
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
