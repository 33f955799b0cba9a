#include "editor/core/document/selections.hpp"

#include <algorithm>

namespace meshsmith {

Table tableOf(Purpose purpose) {
    switch (purpose) {
    case Purpose::Vertices:
        return Table::Vertices;
    case Purpose::ListedLines:
        return Table::Lines;
    case Purpose::Volumes:
        return Table::Collision;
    case Purpose::LibraryTexture:
        return Table::Textures;
    default:
        return Table::Polygons;
    }
}

IndexSet indexSetOf(std::vector<std::int32_t> numbers, std::size_t count) {
    std::erase_if(numbers,
                  [&](std::int32_t k) { return k < 0 || static_cast<std::size_t>(k) >= count; });
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}

template <typename Record>
IndexSet followTable(const IndexSet& set, const std::vector<Record>& before,
                     const std::vector<Record>& after) {
    if (set.empty()) return set;
    if (after.size() == before.size()) return set;
    if (after.size() > before.size())
        return std::equal(before.begin(), before.end(), after.begin()) ? set : IndexSet{};
    // Removals only: every record of `after` is the next equal one of `before`.
    std::vector<std::int32_t> newNumber(before.size(), -1);
    std::size_t j = 0;
    for (std::size_t i = 0; i < before.size() && j < after.size(); ++i)
        if (before[i] == after[j]) newNumber[i] = static_cast<std::int32_t>(j++);
    if (j != after.size()) return {};
    IndexSet followed;
    for (std::int32_t k : set)
        if (static_cast<std::size_t>(k) < before.size() && newNumber[static_cast<std::size_t>(k)] >= 0)
            followed.push_back(newNumber[static_cast<std::size_t>(k)]);
    return followed;
}

template IndexSet followTable(const IndexSet&, const std::vector<Vertex>&,
                              const std::vector<Vertex>&);
template IndexSet followTable(const IndexSet&, const std::vector<ObjectData>&,
                              const std::vector<ObjectData>&);
template IndexSet followTable(const IndexSet&, const std::vector<CollVol>&,
                              const std::vector<CollVol>&);
template IndexSet followTable(const IndexSet&, const std::vector<TextureData>&,
                              const std::vector<TextureData>&);

SceneMarks sceneMarksOf(const TrackObject& object, const Selections& selections) {
    SceneMarks marks;
    marks.vertices.assign(object.vertices.size(), 0);
    marks.lines.assign(object.lines.size(), 0);
    marks.polygons.assign(object.polygons.size(), 0);
    const auto mark = [](std::vector<std::uint8_t>& flags, std::int32_t k) {
        if (k >= 0 && static_cast<std::size_t>(k) < flags.size())
            flags[static_cast<std::size_t>(k)] = 1;
    };
    for (std::int32_t k : selections[Purpose::Vertices])
        mark(marks.vertices, k);
    for (std::int32_t k : selections[Purpose::ListedLines])
        mark(marks.lines, k);
    for (Purpose p : {Purpose::ListedPolygons, Purpose::TexturedPolygons,
                      Purpose::CollisionPolygons, Purpose::CopiedPolygons, Purpose::MovedPolygons})
        for (std::int32_t k : selections[p])
            mark(marks.polygons, k);
    for (std::int32_t v : selections[Purpose::Volumes])
        if (static_cast<std::size_t>(v) < object.collision.size())
            for (std::int32_t k : object.collision[static_cast<std::size_t>(v)].PlanePolygons)
                mark(marks.polygons, k);
    for (std::int32_t t : selections[Purpose::LibraryTexture])
        for (std::size_t k = 0; k < object.polygons.size(); ++k)
            if (object.polygons[k].TextureIndex == t) marks.polygons[k] = 1;
    return marks;
}

} // namespace meshsmith
