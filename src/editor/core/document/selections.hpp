#pragma once
// What the editor's windows have chosen in the object: one set of record
// numbers per purpose, kept beside the object (never in its records), so the
// polygons ticked in the texture window are not the ones the polygon window
// removes. When the object changes, every set follows its table: kept where
// its records kept their numbers, renumbered where records before them were
// removed, emptied where it can no longer tell which records it meant.

#include "model/track_object.hpp"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace meshsmith {

enum class Purpose : std::size_t {
    Vertices,          // the vertex window's list and the view's picks (the "selected vertices")
    ListedLines,       // the line window's list
    ListedPolygons,    // the polygon window's list
    TexturedPolygons,  // the polygons the texture assignment window works on
    CollisionPolygons, // the collision window's polygon panel
    Volumes,           // the collision window's volume list (their polygons shown)
    CopiedPolygons,    // the polygon copy window's list
    MovedPolygons,     // the polygon move window's list
    LibraryTexture,    // the texture library's row (the polygons carrying it shown)
};
inline constexpr std::size_t kPurposeCount = 9;

enum class Table { Vertices, Lines, Polygons, Collision, Textures };
Table tableOf(Purpose purpose);

// Ascending record numbers, each once.
using IndexSet = std::vector<std::int32_t>;

// `numbers` sorted, without repeats and without numbers outside 0 .. count-1.
IndexSet indexSetOf(std::vector<std::int32_t> numbers, std::size_t count);

struct Selections {
    std::array<IndexSet, kPurposeCount> sets;
    const IndexSet& operator[](Purpose p) const { return sets[static_cast<std::size_t>(p)]; }
    IndexSet& operator[](Purpose p) { return sets[static_cast<std::size_t>(p)]; }
    friend bool operator==(const Selections&, const Selections&) = default;
};

// The set after its table changed from `before` to `after`: the same when the
// table kept its length or only grew at the end; renumbered when records were
// only removed (the others unchanged and in order); empty otherwise.
template <typename Record>
IndexSet followTable(const IndexSet& set, const std::vector<Record>& before,
                     const std::vector<Record>& after);

// What the view marks: the selected vertices (larger, in the selection
// colour), the lines listed as chosen, and every polygon that some window has
// chosen (directly, through a chosen volume or a chosen texture).
struct SceneMarks {
    std::vector<std::uint8_t> vertices, lines, polygons; // one flag per record
    bool vertex(std::size_t k) const { return k < vertices.size() && vertices[k]; }
    bool line(std::size_t k) const { return k < lines.size() && lines[k]; }
    bool polygon(std::size_t k) const { return k < polygons.size() && polygons[k]; }
};
SceneMarks sceneMarksOf(const TrackObject& object, const Selections& selections);

} // namespace meshsmith
