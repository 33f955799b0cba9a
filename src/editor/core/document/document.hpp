#pragma once
// The editor's document: the one project (object, file and the options saved
// with it, edit history), the selections of the windows, the one pick session
// and the rotate dialog's pivot. Every change goes through it, and after each
// it tells its listeners, once, what changed (DocumentChange). What it holds
// is read as const: the windows change nothing but through the calls below.
//
//  - Changes of the object run the model's operations (edits/*.hpp) on the
//    project through run(): each records its own step of the edit history
//    (edit.hpp). Undo and Redo step the history; a window's own "Undo" steps
//    it back once, only while the window's last step is still the latest.
//  - Project commands (open, save, close, clear all, add from another project)
//    run through runFile(). Opening and closing start the history anew and end
//    every selection, the pick session and the pivot.
//  - Selections follow the object (selections.hpp); the texture version grows
//    whenever the texture table changed, so the view rebuilds its textures.

#include "editor/core/document/pick_session.hpp"
#include "editor/core/document/selections.hpp"
#include "model/project.hpp"
#include "model/project_commands.hpp"

#include <cstdint>
#include <functional>
#include <optional>
#include <type_traits>
#include <string>
#include <utility>
#include <vector>

namespace meshsmith {

// What changed in one call; `what` is a set of the flags below.
struct DocumentChange {
    enum : unsigned {
        Vertices = 1u << 0,
        Lines = 1u << 1,
        VisLines = 1u << 2,
        Polygons = 1u << 3,
        Collision = 1u << 4,
        Textures = 1u << 5,
        Attributes = 1u << 6, // description, display class
        Geometry = 1u << 7,   // GeometryPresent
        File = 1u << 8,       // file, project name, caption, unsaved changes or not
        Options = 1u << 9,    // the options saved with the project (camera, switches, colours)
        Selection = 1u << 10, // a selection or the pivot
        Pick = 1u << 11,      // the pick session
        History = 1u << 12,   // what Undo and Redo would do
        Opened = 1u << 13,    // a project opened, closed or reset: everything is new
        Object = Vertices | Lines | VisLines | Polygons | Collision | Textures | Attributes | Geometry,
        Everything = (1u << 14) - 1,
    };
    unsigned what = 0;

    // A pick session that ended with this change: which one, and whether its
    // pick completed (its change ran) or was abandoned.
    struct PickEnded {
        PickSession session;
        PickResult result = PickResult::Completed;
    };
    std::optional<PickEnded> pickEnded;

    bool any(unsigned flags) const { return (what & flags) != 0; }
};

// The rotate dialog's pivot, which the view marks: a vertex, or the origin
// while the dialog turns about it.
struct Pivot {
    std::int32_t vertex = NoSelection;
    bool origin = false;
    friend bool operator==(const Pivot&, const Pivot&) = default;
};

class Document {
  public:
    Document();
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    // ---- what it holds
    const Project& project() const { return project_; }
    const TrackObject& object() const { return project_.object; }
    const ProjectOptions& options() const { return project_.options; }
    const Selections& selections() const { return selections_; }
    const IndexSet& selected(Purpose purpose) const { return selections_[purpose]; }
    const SceneMarks& marks() const;
    const PickSession& pickSession() const { return pick_; }
    const Pivot& pivot() const { return pivot_; }
    std::uint32_t textureVersion() const { return textureVersion_; }
    bool hasFile() const { return project_.ProjectFile != NoProjectFile; }
    // The object or options differ from the project's file (edits/edit.hpp).
    bool hasUnsavedChanges() const;

    // ---- the edit history
    bool canUndo() const { return project_.history.canUndo(); }
    bool canRedo() const { return project_.history.canRedo(); }
    std::string undoCaption() const;
    std::string redoCaption() const;
    // The latest step (kNoStep at the start), and the step the latest run()
    // recorded (kNoStep when it recorded none).
    StepId latestStep() const { return project_.history.currentStep(); }
    StepId lastRecordedStep() const { return lastRecorded_; }
    OperationResult undo();
    OperationResult redo();
    // A window's Undo: one step back when `step` is the latest step; refused
    // with "Nothing to undo" otherwise (and for kNoStep).
    OperationResult undoStep(StepId step);

    // ---- listening
    using Listener = std::function<void(const DocumentChange&)>;
    int listen(Listener listener);
    void unlisten(int id);

    // ---- changes of the object: a model operation on the project
    template <class R, class... P, class... A> R run(R (*op)(Project&, P...), A&&... args) {
        return track([&] { return op(project_, std::forward<A>(args)...); });
    }
    // The same, its step merged into the latest when that was recorded under
    // the same key (consecutive changes of one control: typing, a spinner).
    template <class R, class... P, class... A>
    R runMerged(const std::string& key, R (*op)(Project&, P...), A&&... args) {
        project_.history.setMergeKey(key);
        struct EndMerge {
            EditHistory& h;
            ~EndMerge() { h.setMergeKey({}); }
        } end{project_.history};
        return track([&] { return op(project_, std::forward<A>(args)...); });
    }
    // ---- project commands (project_commands.hpp)
    template <class R, class... P, class... A>
    R runFile(R (*op)(ProjectSession&, P...), const SaveOptions& options, UserPrompts& prompts,
              LogSink& log, A&&... args) {
        ProjectSession session{project_, options, prompts, log};
        return track([&] { return op(session, std::forward<A>(args)...); });
    }

    // A project put together elsewhere (a tool, a test) becomes the document's,
    // as if opened: its history starts anew.
    void adopt(Project project);

    // ---- the options saved with the project (no step of the history)
    void setOptions(const ProjectOptions& options);

    // ---- selections
    void select(Purpose purpose, std::vector<std::int32_t> records);
    void clearSelection(Purpose purpose) { select(purpose, {}); }

    // ---- the pick session and the pivot
    // Ends any session (its picked vertices are no longer shown selected) and
    // starts this one.
    void startPick(PickSession session);
    void endPick();
    // One pick in the view (pick_session.hpp); a completed pick's change runs
    // here as one step of the history; the vertex taken is shown selected.
    PickOutcome pick(const std::vector<PickHit>& hits, LogSink& log, const FailureSignal& fail);
    void setPivot(Pivot pivot);

  private:
    // What a change is measured against: the history's counters, the frame,
    // the selections and session, and copies of the tables that have a
    // selection to follow.
    struct Before {
        std::uint64_t records = 0, resets = 0;
        StepId step = kNoStep;
        ProjectFrame frame;
        Selections selections;
        PickSession pick;
        Pivot pivot;
        std::optional<std::vector<Vertex>> vertices;
        std::optional<std::vector<ObjectData>> lines, polygons;
        std::optional<std::vector<CollVol>> collision;
        std::optional<std::vector<TextureData>> textures;
        bool unsaved = false; // hasUnsavedChanges()
    };
    Before capture() const;
    void finish(const Before& before, DocumentChange change);
    void notify(const DocumentChange& change);

    template <class F> auto track(F&& f) {
        const Before before = capture();
        if constexpr (std::is_void_v<decltype(f())>) {
            f();
            finish(before, {});
        } else {
            auto result = f();
            finish(before, {});
            return result;
        }
    }

    class Actions;

    Project project_;
    Selections selections_;
    PickSession pick_ = NoPick{};
    Pivot pivot_;
    std::uint32_t textureVersion_ = 0;
    StepId lastRecorded_ = kNoStep;
    mutable std::optional<SceneMarks> marks_;
    std::vector<std::pair<int, Listener>> listeners_;
    int nextListener_ = 1;
};

} // namespace meshsmith
