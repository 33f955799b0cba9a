#include "model/edits/edit_history.hpp"

#include <algorithm>
#include <unordered_set>

namespace meshsmith {

namespace {

// A table kept in chunks, so that a step shares every chunk it did not change
// (adding one polygon to 20,000 copies one chunk, not the table).
constexpr std::size_t kChunkRecords = 512;

template <typename Record> struct Table {
    std::vector<std::shared_ptr<const std::vector<Record>>> chunks;
    std::vector<std::size_t> chunkBytes;
    friend bool operator==(const Table&, const Table&) = default;
};

std::size_t bytesOf(const Vertex&) {
    return sizeof(Vertex);
}
std::size_t bytesOf(const ObjectData& o) {
    return sizeof(ObjectData) + o.VertexIndices.capacity() * sizeof(std::int32_t) +
           o.TexCoords.capacity() * sizeof(TexCoord);
}
std::size_t bytesOf(const TextureData& t) {
    return sizeof(TextureData) + t.Filename.capacity() + t.MaskFilename.capacity();
}
std::size_t bytesOf(const CollVol& v) {
    return sizeof(CollVol) + (v.PlanePolygons.capacity() + v.PlaneRebounds.capacity()) * 4;
}

void deselect(Vertex& v) {
    v.Selected = 0;
}
void deselect(ObjectData& o) {
    o.Selected = 0;
}
void deselect(TextureData&) {}
void deselect(CollVol&) {}

// The table as a state keeps it (deselected); every chunk equal to the one at
// the same place in `previous` is shared with it.
template <typename Record>
Table<Record> tableOf(const std::vector<Record>& rows, const Table<Record>* previous) {
    Table<Record> t;
    for (std::size_t first = 0; first < rows.size(); first += kChunkRecords) {
        const auto last = rows.begin() +
                          static_cast<std::ptrdiff_t>(std::min(rows.size(), first + kChunkRecords));
        std::vector<Record> chunk(rows.begin() + static_cast<std::ptrdiff_t>(first), last);
        for (Record& r : chunk)
            deselect(r);
        const std::size_t k = t.chunks.size();
        if (previous && k < previous->chunks.size() && *previous->chunks[k] == chunk) {
            t.chunks.push_back(previous->chunks[k]);
            t.chunkBytes.push_back(previous->chunkBytes[k]);
            continue;
        }
        std::size_t bytes = 0;
        for (const Record& r : chunk)
            bytes += bytesOf(r);
        t.chunks.push_back(std::make_shared<const std::vector<Record>>(std::move(chunk)));
        t.chunkBytes.push_back(bytes);
    }
    return t;
}

template <typename Record> std::vector<Record> rowsOf(const Table<Record>& t) {
    std::vector<Record> rows;
    for (const auto& chunk : t.chunks)
        rows.insert(rows.end(), chunk->begin(), chunk->end());
    return rows;
}

} // namespace

struct EditHistory::Snapshot {
    std::string name; // the step that led here
    Table<Vertex> vertices;
    Table<ObjectData> lines, visLines, polygons;
    Table<TextureData> textures;
    Table<CollVol> collision;
    std::string description;
    std::int32_t displayClass = 3;
    bool geometryPresent = false;
};

namespace {

std::shared_ptr<const EditHistory::Snapshot> snapshotOf(const std::string& name,
                                                        const TrackObject& o, bool geometryPresent,
                                                        const EditHistory::Snapshot* previous) {
    auto s = std::make_shared<EditHistory::Snapshot>();
    s->name = name;
    s->vertices = tableOf(o.vertices, previous ? &previous->vertices : nullptr);
    s->lines = tableOf(o.lines, previous ? &previous->lines : nullptr);
    s->visLines = tableOf(o.visLines, previous ? &previous->visLines : nullptr);
    s->polygons = tableOf(o.polygons, previous ? &previous->polygons : nullptr);
    s->textures = tableOf(o.textures, previous ? &previous->textures : nullptr);
    s->collision = tableOf(o.collision, previous ? &previous->collision : nullptr);
    s->description = o.ProjectDescription;
    s->displayClass = o.DisplayClass;
    s->geometryPresent = geometryPresent;
    return s;
}

bool sameState(const EditHistory::Snapshot& a, const EditHistory::Snapshot& b) {
    return a.vertices == b.vertices && a.lines == b.lines && a.visLines == b.visLines &&
           a.polygons == b.polygons && a.textures == b.textures && a.collision == b.collision &&
           a.description == b.description && a.displayClass == b.displayClass &&
           a.geometryPresent == b.geometryPresent;
}

} // namespace

EditHistory::EditHistory() {
    reset(TrackObject{}, false);
}

void EditHistory::reset(const TrackObject& object, bool geometryPresent) {
    states_.clear();
    states_.push_back(snapshotOf("", object, geometryPresent, nullptr));
    index_ = 0;
}

bool EditHistory::differsFromCurrent(const TrackObject& object, bool geometryPresent) const {
    const Snapshot& current = *states_[index_];
    return !sameState(*snapshotOf("", object, geometryPresent, &current), current);
}

bool EditHistory::record(const std::string& name, const TrackObject& object, bool geometryPresent) {
    const Snapshot& current = *states_[index_];
    auto next = snapshotOf(name, object, geometryPresent, &current);
    if (sameState(*next, current)) return false;
    states_.resize(index_ + 1);
    states_.push_back(std::move(next));
    ++index_;
    dropOldSteps();
    return true;
}

void EditHistory::dropOldSteps() {
    while (steps() > kMaximumSteps || (steps() > 1 && bytes() > kMemoryBudget)) {
        states_.pop_front();
        --index_;
    }
}

std::string EditHistory::undoName() const {
    return canUndo() ? states_[index_]->name : "";
}

std::string EditHistory::redoName() const {
    return canRedo() ? states_[index_ + 1]->name : "";
}

EditHistory::State EditHistory::stateAt(std::size_t k) const {
    const Snapshot& s = *states_[k];
    State state;
    state.object.vertices = rowsOf(s.vertices);
    state.object.lines = rowsOf(s.lines);
    state.object.visLines = rowsOf(s.visLines);
    state.object.polygons = rowsOf(s.polygons);
    state.object.textures = rowsOf(s.textures);
    state.object.collision = rowsOf(s.collision);
    state.object.ProjectDescription = s.description;
    state.object.DisplayClass = s.displayClass;
    state.geometryPresent = s.geometryPresent;
    return state;
}

EditHistory::State EditHistory::undo() {
    return stateAt(--index_);
}

EditHistory::State EditHistory::redo() {
    return stateAt(++index_);
}

std::size_t EditHistory::bytes() const {
    std::unordered_set<const void*> counted;
    std::size_t total = 0;
    auto add = [&](const auto& table) {
        for (std::size_t k = 0; k < table.chunks.size(); ++k)
            if (counted.insert(table.chunks[k].get()).second) total += table.chunkBytes[k];
    };
    for (const auto& s : states_) {
        add(s->vertices);
        add(s->lines);
        add(s->visLines);
        add(s->polygons);
        add(s->textures);
        add(s->collision);
        total += sizeof(Snapshot) + s->name.capacity() + s->description.capacity();
    }
    return total;
}

} // namespace meshsmith
