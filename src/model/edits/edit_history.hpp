#pragma once
// The edit history: the states of the object between the steps of editing,
// each step named for the menu ("Add Vertex"), for Undo and Redo. States share
// the tables that a step did not change, so a step costs about the tables it
// changed. A step that also changed the project's file and options (Clear
// All) keeps them before and after, so that Undo and Redo put them back too.
//
// Every step has a number of its own, never given twice (not even after a
// reset), so a window that remembers the step of its last operation can tell
// whether that step is still the latest. Steps recorded under a merge key
// merge into the latest step when it has the same key and nothing was undone
// since (the changes of one control while the user types or turns it); a
// merged step that ends where it began disappears.
//
// It also remembers which state was last saved (or opened), so that the
// editor can tell whether the project has unsaved changes; undoing back to
// that state leaves none.
//
// It keeps up to kMaximumSteps steps while they fit in kMemoryBudget bytes and
// drops the oldest beyond that (100 steps of a 30,000-vertex object fit).

#include "model/project_options.hpp"
#include "model/track_object.hpp"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>

namespace meshsmith {

using StepId = std::uint64_t;
inline constexpr StepId kNoStep = 0;

class EditHistory {
  public:
    static constexpr std::size_t kMemoryBudget = std::size_t{200} << 20;
    static constexpr std::size_t kMaximumSteps = 1000;

    // What a state holds besides the object; `frame` is set when the step that
    // is undone or redone changed the project's file and options.
    struct State {
        TrackObject object;
        bool geometryPresent = false;
        std::optional<ProjectFrame> frame;
    };

    // Which tables differ between two states.
    struct Differences {
        bool vertices = false, lines = false, visLines = false, polygons = false;
        bool textures = false, collision = false, attributes = false, geometryPresent = false;
        bool any() const {
            return vertices || lines || visLines || polygons || textures || collision ||
                   attributes || geometryPresent;
        }
    };

    EditHistory();

    // Forgets every step; the next step starts from this state, which counts
    // as the saved one.
    void reset(const TrackObject& object, bool geometryPresent);

    // The current state and these options are what the project's file now
    // holds (a save); forgetSaved: no state is (a project whose file holds
    // something else). isSaved: the current state is the saved one and the
    // options are the saved ones.
    void markSaved(const ProjectOptions& options);
    void forgetSaved() { saved_.reset(); }
    bool isSaved(const ProjectOptions& options) const;

    // True when the object or the flag differ from the state the next step
    // starts from.
    bool differsFromCurrent(const TrackObject& object, bool geometryPresent) const;

    // Records the step `name` that led from the current state to this one;
    // the steps that could have been redone are dropped. `before` and `after`
    // are the project's frame around the step. Nothing is recorded (false)
    // when neither the object nor the frame changed.
    bool record(const std::string& name, const TrackObject& object, bool geometryPresent,
                const ProjectFrame& before, const ProjectFrame& after);

    // Steps recorded while a key is set merge as described above; "" ends it.
    void setMergeKey(std::string key) { mergeKey_ = std::move(key); }

    bool canUndo() const { return index_ > 0; }
    bool canRedo() const { return index_ + 1 < states_.size(); }
    // The step Undo / Redo would take back / do again; "" when there is none.
    std::string undoName() const;
    std::string redoName() const;
    // The step that led to the current state; kNoStep at the start.
    StepId currentStep() const;
    // The step the latest record() made or merged into (kNoStep when a merge
    // took it back to where it began), and how many records and resets there
    // have been: a caller compares these around an operation.
    StepId lastRecordedStep() const { return lastRecorded_; }
    std::uint64_t records() const { return records_; }
    std::uint64_t resets() const { return resets_; }

    // One step back or forward (only when canUndo / canRedo): the state to restore.
    State undo();
    State redo();
    // What differs between the current state and the one before the latest
    // move (record, undo or redo); everything after a reset.
    Differences lastMoveDifferences() const { return lastMove_; }

    std::size_t steps() const { return states_.size() - 1; }
    // The bytes the states hold, each shared table counted once.
    std::size_t bytes() const;

    struct Snapshot;

  private:
    State stateAt(std::size_t k) const;
    void dropOldSteps();
    bool mergesIntoLatest() const;

    std::deque<std::shared_ptr<const Snapshot>> states_;
    std::size_t index_ = 0; // the current state
    StepId nextId_ = 1;
    StepId lastRecorded_ = kNoStep;
    std::uint64_t records_ = 0, resets_ = 0;
    bool justRecorded_ = false; // the latest move was a record
    std::string mergeKey_;
    Differences lastMove_;
    // The saved state (a merge or a dropped step lets it expire) and options.
    std::weak_ptr<const Snapshot> saved_;
    ProjectOptions savedOptions_;
};

} // namespace meshsmith
