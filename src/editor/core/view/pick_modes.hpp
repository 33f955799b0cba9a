#pragma once
// The five pick modes of the view: the rules that accept or reject a picked
// vertex, what each mode records, its log lines, and the hand-over of a
// finished pick to the window that switched the mode on. Plain state: the
// view runs the pick (picking.hpp) at the release point and hands the hits to
// handlePick.

#include "model/project.hpp"
#include "model/user_interaction.hpp"
#include "editor/core/view/picking.hpp"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace meshsmith {

inline constexpr const char* kNothingSelected = "Oops, nothing Selected !";
inline constexpr const char* kSelectVertexOnly = "Select Vertex only !";
inline constexpr const char* kSelectDifferentVertex = "Select different Vertex !";
inline constexpr const char* kVertexAlreadyUsed =
    "Select vertex already used in this polygon. Select different Vertex !";

// The modes and what they have picked so far. The windows switch the modes on
// (and reset LinePickState or empty PickedVertices as their commands say);
// at most one is meant to be on, and the view serves them in the order
// LinePickMode, PolygonPickMode, PolygonRedefineMode, PivotPickMode,
// LineRedefineMode. PickedCount is PickedVertices.size().
struct PickModes {
    bool LinePickMode = false;
    bool PolygonPickMode = false;
    bool PolygonRedefineMode = false;
    bool PivotPickMode = false;
    bool LineRedefineMode = false;

    int LinePickState = 0; // 0 none, 1 first vertex picked
    std::int32_t FirstLineVertex = 0, SecondLineVertex = 0;
    std::vector<std::int32_t> PickedVertices;
    std::int32_t PivotVertex = NoSelection;
    // The rotate dialog turns about the origin: the view marks it.
    bool OriginPivot = false;

    bool anyOn() const {
        return LinePickMode || PolygonPickMode || PolygonRedefineMode || PivotPickMode ||
               LineRedefineMode;
    }
};

// The windows that take a finished pick.
class PickReceiver {
  public:
    virtual ~PickReceiver() = default;
    // LinePickMode, second vertex: the line window creates the line, then the
    // line-colour dialog runs.
    virtual void linePicked(std::int32_t firstVertex, std::int32_t secondVertex) = 0;
    // PolygonPickMode, closed by picking the first vertex again: the polygon
    // window creates the polygon from the picks (the closing repeat
    // included), empties PickedVertices, then the polygon-colour dialog runs.
    virtual void polygonPicked(const std::vector<std::int32_t>& pickedVertices) = 0;
    // PolygonRedefineMode finished: the polygon's corners are already
    // rewritten; the polygon window shows again.
    virtual void polygonRedefined(std::int32_t polygon) = 0;
    // LineRedefineMode finished: the line's ends are already rewritten; the
    // line window shows again.
    virtual void lineRedefined(std::int32_t line) = 0;
    // PivotPickMode finished: PivotVertex is already set.
    virtual void pivotPicked(std::int32_t /*vertex*/) {}
};

// How a rejected pick is told: a system beep while "Play Sound on Errors" is
// on, otherwise the rejection's message as a log line.
class FailureSignal {
  public:
    FailureSignal(LogSink& log, bool playSoundOnErrors, std::function<void()> beep)
        : log_(log), playSound_(playSoundOnErrors), beep_(std::move(beep)) {}
    void operator()(const std::string& message) const;

  private:
    LogSink& log_;
    bool playSound_;
    std::function<void()> beep_;
};

enum class PickResult {
    NoMode,    // no pick mode on: nothing done
    Rejected,  // the failure signal was given; the pick state is as it was
    Recorded,  // the vertex was taken; more picks follow
    Completed, // the pick was handed over (see PickReceiver)
    Abandoned  // a redefinition whose polygon or line is gone: the mode ended without change
};

struct PickOutcome {
    PickResult result = PickResult::NoMode;
    std::string rejection;           // the message of a rejected pick
    bool restoreArrowCursor = false; // the view switched its mode off
};

// Whether a mouse release picks: a mode is on and no modifier key (Shift,
// Ctrl, Alt) or other mouse button is held.
bool picksOnRelease(const PickModes& modes, bool modifierOrOtherButtonHeld);

// Serves the first mode that is on with the hits of one pick. No hits: "Oops,
// nothing Selected !"; no vertex among them: "Select Vertex only !". Each
// candidate vertex is checked in hit order against the mode's rules (the first
// failing one rejects the whole pick: the failure signal, nothing changed but
// the log lines already written); the last candidate, the highest vertex under
// the cursor, is the one taken (n) and gets its Selected flag (not the pivot).
//  - LinePickMode: with LinePickState 1 the first vertex is refused ("Select
//    different Vertex !"). Logs "Vertex n selected", then "Pick second vertex
//    !" (state 1) or "Line No. <lines + 1> created, using vertices a and b",
//    state back to 0 and linePicked (state 2).
//  - PolygonPickMode: refuses the vertex just picked ("Select different Vertex
//    !") and any other used one except the first ("Select vertex already used
//    ..."), logs "Picked = v" per accepted candidate, appends n; n equal to the
//    first entry (after at least one other) completes: polygonPicked. Else logs
//    "Pick next vertex (or first vertex to close) !" (more than 2 picked) or
//    "Pick next vertex !".
//  - PolygonRedefineMode: the same rules with "Picked vertex v"; once the picks
//    number SelectedPolygon's corners (VertexCount - 1) they become its
//    corners (redefinePolygon, a step of the edit history), the closing entry
//    repeats the first, every vertex is deselected,
//    the mode ends, "Polygon No. i redefined." is logged, PickedVertices
//    emptied and polygonRedefined called.
//  - PivotPickMode: PivotVertex = n, the mode ends, "Picked vertex n as pivot
//    point." is logged, pivotPicked called.
//  - LineRedefineMode: refuses the vertex just picked, logs "Picked vertex v";
//    with two picks SelectedLine's ends become them (redefineLine), every vertex is
//    deselected, the mode ends, "Line No. i redefined." is logged,
//    PickedVertices emptied and lineRedefined called.
// A redefinition whose SelectedPolygon or SelectedLine names nothing in its
// table ends at once without change (log "No polygon selected to redefine !"
// or "No line selected to redefine !"). Indices are never read out of range.
PickOutcome handlePick(PickModes& modes, Project& project, const std::vector<PickHit>& hits,
                       LogSink& log, const FailureSignal& fail, PickReceiver& receiver);

} // namespace meshsmith
