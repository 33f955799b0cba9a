#pragma once
// The edit history: the states of the object between the steps of editing,
// each step named for the menu ("Add Vertex"), for Undo and Redo. States share
// the tables that a step did not change, so a step costs about the tables it
// changed. Selection flags are not part of a state: a restored state has every
// vertex, line and polygon deselected.
//
// It keeps up to kMaximumSteps steps while they fit in kMemoryBudget bytes and
// drops the oldest beyond that (100 steps of a 30,000-vertex object fit).

#include "model/track_object.hpp"

#include <cstddef>
#include <deque>
#include <memory>
#include <string>

namespace meshsmith {

class EditHistory {
  public:
    static constexpr std::size_t kMemoryBudget = std::size_t{200} << 20;
    static constexpr std::size_t kMaximumSteps = 1000;

    // What a state holds besides the object.
    struct State {
        TrackObject object;
        bool geometryPresent = false;
    };

    EditHistory();

    // Forgets every step; the next step starts from this state.
    void reset(const TrackObject& object, bool geometryPresent);

    // True when the object (selection flags aside) or the flag differ from
    // the state the next step starts from.
    bool differsFromCurrent(const TrackObject& object, bool geometryPresent) const;

    // Records the step `name` that led from the current state to this one;
    // the steps that could have been redone are dropped. Nothing is recorded
    // (false) when nothing differs.
    bool record(const std::string& name, const TrackObject& object, bool geometryPresent);

    bool canUndo() const { return index_ > 0; }
    bool canRedo() const { return index_ + 1 < states_.size(); }
    // The step Undo / Redo would take back / do again; "" when there is none.
    std::string undoName() const;
    std::string redoName() const;

    // One step back or forward (only when canUndo / canRedo): the state to restore.
    State undo();
    State redo();

    std::size_t steps() const { return states_.size() - 1; }
    // The bytes the states hold, each shared table counted once.
    std::size_t bytes() const;

    struct Snapshot;

  private:
    State stateAt(std::size_t k) const;
    void dropOldSteps();

    std::deque<std::shared_ptr<const Snapshot>> states_;
    std::size_t index_ = 0; // the current state
};

} // namespace meshsmith
