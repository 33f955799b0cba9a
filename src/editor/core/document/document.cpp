#include "editor/core/document/document.hpp"

#include "model/edits/edit.hpp"
#include "model/edits/line_edits.hpp"
#include "model/edits/polygon_edits.hpp"

#include <algorithm>

namespace meshsmith {
namespace {

bool anyOfTable(const Selections& s, Table table) {
    for (std::size_t k = 0; k < kPurposeCount; ++k)
        if (tableOf(static_cast<Purpose>(k)) == table && !s.sets[k].empty()) return true;
    return false;
}

template <class Record>
void followAll(Selections& s, Table table, const std::optional<std::vector<Record>>& before,
               const std::vector<Record>& after) {
    if (!before) return;
    for (std::size_t k = 0; k < kPurposeCount; ++k)
        if (tableOf(static_cast<Purpose>(k)) == table)
            s.sets[k] = followTable(s.sets[k], *before, after);
}

unsigned flagsOf(const EditHistory::Differences& d) {
    unsigned what = 0;
    if (d.vertices) what |= DocumentChange::Vertices;
    if (d.lines) what |= DocumentChange::Lines;
    if (d.visLines) what |= DocumentChange::VisLines;
    if (d.polygons) what |= DocumentChange::Polygons;
    if (d.collision) what |= DocumentChange::Collision;
    if (d.textures) what |= DocumentChange::Textures;
    if (d.attributes) what |= DocumentChange::Attributes;
    if (d.geometryPresent) what |= DocumentChange::Geometry;
    return what;
}

// The session no longer fits the object: its table lost records.
bool sessionOutdated(const PickSession& session, unsigned what, std::size_t verticesBefore,
                     const TrackObject& now) {
    if ((what & DocumentChange::Vertices) && now.vertices.size() < verticesBefore) return true;
    if (std::holds_alternative<PolygonRedefine>(session) && (what & DocumentChange::Polygons))
        return true;
    return std::holds_alternative<LineRedefine>(session) && (what & DocumentChange::Lines);
}

} // namespace

// A completed pick's change, run on the project inside the pick's own call.
class Document::Actions : public PickActions {
  public:
    Actions(Project& p, LogSink& log) : p_(p), log_(log) {}
    void createLine(std::int32_t first, std::int32_t second, const Rgb& colour) override {
        report(meshsmith::createLine(p_, first, second, colour));
    }
    void createPolygon(const std::vector<std::int32_t>& closed, const Rgb& colour) override {
        report(meshsmith::createPolygon(p_, closed, colour, log_));
    }
    void redefinePolygon(std::int32_t polygon, const std::vector<std::int32_t>& corners) override {
        report(meshsmith::redefinePolygon(p_, polygon, corners));
    }
    void redefineLine(std::int32_t line, std::int32_t first, std::int32_t second) override {
        report(meshsmith::redefineLine(p_, line, first, second));
    }
    void pivotPicked(std::int32_t vertex) override { pivot = vertex; }

    std::optional<std::int32_t> pivot;

  private:
    // The rules of the session let only changes through that the operation
    // takes; should one still refuse, the log says why.
    void report(const OperationResult& r) {
        if (!r.done() && !r.message.empty()) log_.addLine(r.message);
    }
    Project& p_;
    LogSink& log_;
};

Document::Document() {
    startHistory(project_);
}

const SceneMarks& Document::marks() const {
    if (!marks_) marks_ = sceneMarksOf(project_.object, selections_);
    return *marks_;
}

bool Document::hasUnsavedChanges() const {
    return meshsmith::hasUnsavedChanges(project_);
}

std::string Document::undoCaption() const {
    return meshsmith::undoCaption(project_);
}

std::string Document::redoCaption() const {
    return meshsmith::redoCaption(project_);
}

OperationResult Document::undo() {
    return track([&] { return undoEdit(project_); });
}

OperationResult Document::redo() {
    return track([&] { return redoEdit(project_); });
}

OperationResult Document::undoStep(StepId step) {
    if (step == kNoStep || step != latestStep()) return OperationResult::refused("Nothing to undo");
    return undo();
}

int Document::listen(Listener listener) {
    listeners_.emplace_back(nextListener_, std::move(listener));
    return nextListener_++;
}

void Document::unlisten(int id) {
    std::erase_if(listeners_, [&](const auto& l) { return l.first == id; });
}

void Document::adopt(Project project) {
    track([&] {
        EditHistory history = std::move(project_.history);
        project_ = std::move(project);
        project_.history = std::move(history);
        updateBounds(project_);
        startHistory(project_);
    });
}

void Document::setOptions(const ProjectOptions& options) {
    if (options == project_.options) return;
    const bool unsaved = hasUnsavedChanges();
    project_.options = options;
    const unsigned file = unsaved != hasUnsavedChanges() ? DocumentChange::File : 0u;
    notify({DocumentChange::Options | file, std::nullopt});
}

void Document::select(Purpose purpose, std::vector<std::int32_t> records) {
    const std::size_t count = [&] {
        switch (tableOf(purpose)) {
        case Table::Vertices:
            return project_.object.vertices.size();
        case Table::Lines:
            return project_.object.lines.size();
        case Table::Collision:
            return project_.object.collision.size();
        case Table::Textures:
            return project_.object.textures.size();
        default:
            return project_.object.polygons.size();
        }
    }();
    IndexSet set = indexSetOf(std::move(records), count);
    if (set == selections_[purpose]) return;
    selections_[purpose] = std::move(set);
    marks_.reset();
    notify({DocumentChange::Selection, std::nullopt});
}

void Document::startPick(PickSession session) {
    const bool hadVertices = !selections_[Purpose::Vertices].empty();
    selections_[Purpose::Vertices].clear();
    pick_ = std::move(session);
    marks_.reset();
    notify({DocumentChange::Pick | (hadVertices ? DocumentChange::Selection : 0u), std::nullopt});
}

void Document::endPick() {
    if (!picking(pick_)) return;
    startPick(NoPick{});
}

PickOutcome Document::pick(const std::vector<PickHit>& hits, LogSink& log,
                           const FailureSignal& fail) {
    const Before before = capture();
    Actions actions(project_, log);
    const PickOutcome outcome = handlePick(pick_, project_, hits, log, fail, actions);
    DocumentChange change;
    if (outcome.result == PickResult::Recorded && outcome.taken >= 0) {
        IndexSet& vertices = selections_[Purpose::Vertices];
        vertices = indexSetOf(
            [&] {
                IndexSet more = vertices;
                more.push_back(outcome.taken);
                return more;
            }(),
            project_.object.vertices.size());
    }
    if (outcome.result == PickResult::Completed || outcome.result == PickResult::Abandoned) {
        selections_[Purpose::Vertices].clear();
        change.pickEnded = DocumentChange::PickEnded{before.pick, outcome.result};
    }
    if (actions.pivot) pivot_ = {*actions.pivot, false};
    finish(before, change);
    return outcome;
}

void Document::setPivot(Pivot pivot) {
    if (pivot == pivot_) return;
    pivot_ = pivot;
    notify({DocumentChange::Selection, std::nullopt});
}

Document::Before Document::capture() const {
    const EditHistory& h = project_.history;
    Before b{h.records(), h.resets(), h.currentStep(), frameOf(project_), selections_, pick_,
             pivot_, {}, {}, {}, {}, {}};
    b.unsaved = hasUnsavedChanges();
    const TrackObject& o = project_.object;
    if (anyOfTable(selections_, Table::Vertices)) b.vertices = o.vertices;
    if (anyOfTable(selections_, Table::Lines)) b.lines = o.lines;
    if (anyOfTable(selections_, Table::Polygons)) b.polygons = o.polygons;
    if (anyOfTable(selections_, Table::Collision)) b.collision = o.collision;
    if (anyOfTable(selections_, Table::Textures)) b.textures = o.textures;
    if (picking(pick_) && !b.vertices) b.vertices = o.vertices;
    return b;
}

void Document::finish(const Before& before, DocumentChange change) {
    const EditHistory& h = project_.history;
    const TrackObject& o = project_.object;
    const bool reset = h.resets() != before.resets;
    const bool recorded = h.records() != before.records;
    lastRecorded_ = recorded ? h.lastRecordedStep() : kNoStep;

    if (reset) {
        change.what |= DocumentChange::Everything;
        selections_ = {};
        pick_ = NoPick{};
        pivot_ = {};
    } else if (recorded || h.currentStep() != before.step) {
        change.what |= DocumentChange::History;
        // Several steps in one call cannot be told apart: take them all.
        change.what |= h.records() > before.records + 1 ? unsigned{DocumentChange::Object}
                                                        : flagsOf(h.lastMoveDifferences());
        followAll(selections_, Table::Vertices, before.vertices, o.vertices);
        followAll(selections_, Table::Lines, before.lines, o.lines);
        followAll(selections_, Table::Polygons, before.polygons, o.polygons);
        followAll(selections_, Table::Collision, before.collision, o.collision);
        followAll(selections_, Table::Textures, before.textures, o.textures);
        const std::size_t verticesBefore = before.vertices ? before.vertices->size() : 0;
        if (picking(pick_) && sessionOutdated(pick_, change.what, verticesBefore, o))
            pick_ = NoPick{};
    }
    const ProjectFrame frame = frameOf(project_);
    if (frame.ProjectFile != before.frame.ProjectFile ||
        frame.ProjectName != before.frame.ProjectName ||
        frame.viewCaption != before.frame.viewCaption || hasUnsavedChanges() != before.unsaved)
        change.what |= DocumentChange::File;
    if (!(frame.options == before.frame.options)) change.what |= DocumentChange::Options;
    if (!(selections_ == before.selections) || !(pivot_ == before.pivot))
        change.what |= DocumentChange::Selection;
    if (!(pick_ == before.pick)) change.what |= DocumentChange::Pick;
    if (change.any(DocumentChange::Textures)) ++textureVersion_;
    if (change.any(DocumentChange::Object | DocumentChange::Selection)) marks_.reset();
    if (change.what != 0 || change.pickEnded) notify(change);
}

void Document::notify(const DocumentChange& change) {
    // A listener may listen or unlisten while it is told.
    const auto listeners = listeners_;
    for (const auto& [id, listener] : listeners)
        listener(change);
}

} // namespace meshsmith
