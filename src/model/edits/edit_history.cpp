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

// The table as a state keeps it; every chunk equal to the one at the same
// place in `previous` is shared with it.
template <typename Record>
Table<Record> tableOf(const std::vector<Record>& rows, const Table<Record>* previous) {
    Table<Record> t;
    for (std::size_t first = 0; first < rows.size(); first += kChunkRecords) {
        const auto last = rows.begin() +
                          static_cast<std::ptrdiff_t>(std::min(rows.size(), first + kChunkRecords));
        std::vector<Record> chunk(rows.begin() + static_cast<std::ptrdiff_t>(first), last);
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
    std::string name;     // the step that led here
    StepId id = kNoStep;  // its number
    std::string mergeKey; // the key it was recorded under
    // The frame before and after the step, when the step changed it.
    std::shared_ptr<const std::pair<ProjectFrame, ProjectFrame>> frames;
    Table<Vertex> vertices;
    Table<ObjectData> lines, visLines, polygons;
    Table<TextureData> textures;
    Table<CollVol> collision;
    std::string description;
    std::int32_t displayClass = 3;
    bool geometryPresent = false;
};

namespace {

std::shared_ptr<EditHistory::Snapshot> snapshotOf(const std::string& name, const TrackObject& o,
                                                  bool geometryPresent,
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

// Tables compare by their chunks, which states share where nothing changed.
EditHistory::Differences differences(const EditHistory::Snapshot& a,
                                     const EditHistory::Snapshot& b) {
    EditHistory::Differences d;
    d.vertices = !(a.vertices == b.vertices);
    d.lines = !(a.lines == b.lines);
    d.visLines = !(a.visLines == b.visLines);
    d.polygons = !(a.polygons == b.polygons);
    d.textures = !(a.textures == b.textures);
    d.collision = !(a.collision == b.collision);
    d.attributes = a.description != b.description || a.displayClass != b.displayClass;
    d.geometryPresent = a.geometryPresent != b.geometryPresent;
    return d;
}

bool sameState(const EditHistory::Snapshot& a, const EditHistory::Snapshot& b) {
    return !differences(a, b).any();
}

EditHistory::Differences everything() {
    EditHistory::Differences d;
    d.vertices = d.lines = d.visLines = d.polygons = true;
    d.textures = d.collision = d.attributes = d.geometryPresent = true;
    return d;
}

} // namespace

EditHistory::EditHistory() {
    reset(TrackObject{}, false);
}

void EditHistory::reset(const TrackObject& object, bool geometryPresent) {
    states_.clear();
    states_.push_back(snapshotOf("", object, geometryPresent, nullptr));
    index_ = 0;
    lastMove_ = everything();
    ++resets_;
    justRecorded_ = false;
    saved_ = states_[0];
}

void EditHistory::markSaved(const ProjectOptions& options) {
    saved_ = states_[index_];
    savedOptions_ = options;
}

bool EditHistory::isSaved(const ProjectOptions& options) const {
    return saved_.lock() == states_[index_] && options == savedOptions_;
}

bool EditHistory::differsFromCurrent(const TrackObject& object, bool geometryPresent) const {
    const Snapshot& current = *states_[index_];
    return !sameState(*snapshotOf("", object, geometryPresent, &current), current);
}

bool EditHistory::mergesIntoLatest() const {
    return justRecorded_ && !mergeKey_.empty() && index_ > 0 && index_ + 1 == states_.size() &&
           states_[index_]->mergeKey == mergeKey_ && !states_[index_]->frames;
}

bool EditHistory::record(const std::string& name, const TrackObject& object, bool geometryPresent,
                         const ProjectFrame& before, const ProjectFrame& after) {
    const Snapshot& current = *states_[index_];
    auto next = snapshotOf(name, object, geometryPresent, &current);
    const bool frameChanged = !(before == after);
    if (sameState(*next, current) && !frameChanged) return false;
    if (!frameChanged && mergesIntoLatest()) {
        // The latest step now ends here; it keeps its name and number.
        const Snapshot& start = *states_[index_ - 1];
        next = snapshotOf(current.name, object, geometryPresent, &start);
        next->id = current.id;
        next->mergeKey = mergeKey_;
        lastMove_ = differences(current, *next);
        ++records_;
        lastRecorded_ = next->id;
        justRecorded_ = true;
        states_.pop_back();
        if (sameState(*next, start)) {
            --index_; // back where it began: the step is gone
            lastRecorded_ = kNoStep;
            return true;
        }
        states_.push_back(std::move(next));
        return true;
    }
    next->id = nextId_++;
    next->mergeKey = mergeKey_;
    if (frameChanged)
        next->frames = std::make_shared<const std::pair<ProjectFrame, ProjectFrame>>(before, after);
    lastMove_ = differences(current, *next);
    ++records_;
    lastRecorded_ = next->id;
    justRecorded_ = true;
    states_.resize(index_ + 1);
    states_.push_back(std::move(next));
    ++index_;
    dropOldSteps();
    return true;
}

StepId EditHistory::currentStep() const {
    return index_ > 0 ? states_[index_]->id : kNoStep;
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
    justRecorded_ = false;
    const Snapshot& undone = *states_[index_];
    lastMove_ = differences(undone, *states_[index_ - 1]);
    State state = stateAt(--index_);
    if (undone.frames) state.frame = undone.frames->first;
    return state;
}

EditHistory::State EditHistory::redo() {
    justRecorded_ = false;
    const Snapshot& redone = *states_[index_ + 1];
    lastMove_ = differences(*states_[index_], redone);
    State state = stateAt(++index_);
    if (redone.frames) state.frame = redone.frames->second;
    return state;
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
        total += sizeof(Snapshot) + s->name.capacity() + s->description.capacity() +
                 s->mergeKey.capacity() + (s->frames ? sizeof(*s->frames) : 0);
    }
    return total;
}

} // namespace meshsmith
