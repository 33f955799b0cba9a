#pragma once
// The view's pick session: which vertices a click in the view takes, for
// which window, and when a pick is complete. One session at a time (a
// variant), so two pick modes can never be on together; starting one ends
// any other. The rules here are plain state; the document runs the change a
// completed pick asks for (PickActions) as one step of the edit history.

#include "editor/core/view/picking.hpp"
#include "model/colour_text.hpp"
#include "model/project.hpp"
#include "model/user_interaction.hpp"

#include <cstdint>
#include <functional>
#include <string>
#include <variant>
#include <vector>

namespace meshsmith {

inline constexpr const char* kNothingSelected = "Oops, nothing Selected !";
inline constexpr const char* kSelectVertexOnly = "Select Vertex only !";
inline constexpr const char* kSelectDifferentVertex = "Select different Vertex !";
inline constexpr const char* kVertexAlreadyUsed =
    "Select vertex already used in this polygon. Select different Vertex !";

struct NoPick {
    friend bool operator==(const NoPick&, const NoPick&) = default;
};
// The line window's "Add Line": two different vertices make a line.
struct LinePick {
    Rgb colour;
    std::vector<std::int32_t> picked; // the first end, once picked
    friend bool operator==(const LinePick&, const LinePick&) = default;
};
// The polygon window's "Flat Shading": corners until the first is picked again.
struct PolygonPick {
    Rgb colour;
    std::vector<std::int32_t> picked;
    friend bool operator==(const PolygonPick&, const PolygonPick&) = default;
};
// "Re-Pick Vertices" of a polygon: as many new corners as it has.
struct PolygonRedefine {
    std::int32_t polygon = 0;
    std::vector<std::int32_t> picked;
    friend bool operator==(const PolygonRedefine&, const PolygonRedefine&) = default;
};
// "Re-Pick Vertices" of a line: two new ends.
struct LineRedefine {
    std::int32_t line = 0;
    std::vector<std::int32_t> picked;
    friend bool operator==(const LineRedefine&, const LineRedefine&) = default;
};
// The rotate dialog's "Specific Vertex": one vertex as the pivot.
struct PivotPick {
    friend bool operator==(const PivotPick&, const PivotPick&) = default;
};
using PickSession = std::variant<NoPick, LinePick, PolygonPick, PolygonRedefine, LineRedefine,
                                 PivotPick>;

inline bool picking(const PickSession& s) {
    return !std::holds_alternative<NoPick>(s);
}
// The vertices picked so far (none for NoPick and PivotPick).
const std::vector<std::int32_t>& pickedVertices(const PickSession& s);

// What a completed pick asks for; the document runs it through the history.
class PickActions {
  public:
    virtual ~PickActions() = default;
    virtual void createLine(std::int32_t first, std::int32_t second, const Rgb& colour) = 0;
    // `closed` repeats the first corner at the end.
    virtual void createPolygon(const std::vector<std::int32_t>& closed, const Rgb& colour) = 0;
    virtual void redefinePolygon(std::int32_t polygon, const std::vector<std::int32_t>& corners) = 0;
    virtual void redefineLine(std::int32_t line, std::int32_t first, std::int32_t second) = 0;
    virtual void pivotPicked(std::int32_t vertex) = 0;
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
    NoMode,    // no session: nothing done
    Rejected,  // the failure signal was given; the session is as it was
    Recorded,  // the vertex was taken; more picks follow
    Completed, // the pick was handed over (PickActions); the session ended
    Abandoned  // a redefinition whose polygon or line is gone: the session ended without change
};

struct PickOutcome {
    PickResult result = PickResult::NoMode;
    std::string rejection;           // the message of a rejected pick
    std::int32_t taken = -1;         // the vertex taken (shown selected), or -1
    bool restoreArrowCursor = false; // the session ended
};

// Whether a mouse release picks: a session is on and no modifier key (Shift,
// Ctrl, Alt) or other mouse button is held.
bool picksOnRelease(const PickSession& session, bool modifierOrOtherButtonHeld);

// Serves the session with the hits of one pick. No hits: "Oops, nothing
// Selected !"; no vertex among them: "Select Vertex only !". Each candidate
// vertex is checked in hit order against the session's rules (the first
// failing one rejects the whole pick: the failure signal, nothing changed but
// the log lines already written); the last candidate, the highest vertex under
// the cursor, is the one taken (n).
//  - LinePick: with the first end picked, that vertex is refused ("Select
//    different Vertex !"). Logs "Vertex n selected", then "Pick second vertex
//    !", or "Line No. <lines + 1> created, using vertices a and b" and
//    createLine; the session ends.
//  - PolygonPick: refuses the vertex just picked ("Select different Vertex !")
//    and any other used one ("Select vertex already used ..."), except the
//    first once three corners are picked: that one closes the polygon
//    (createPolygon with the closing repeat; the session ends). Logs "Picked =
//    v" per accepted candidate, then "Pick next vertex (or first vertex to
//    close) !" (from three corners on) or "Pick next vertex !".
//  - PolygonRedefine: the same refusals (no corner twice, the first
//    included) with "Picked vertex v"; once the picks number the polygon's
//    corners, redefinePolygon, "Polygon No. i redefined." and the session ends.
//  - LineRedefine: refuses the vertex just picked, logs "Picked vertex v"; with
//    two picks redefineLine, "Line No. i redefined." and the session ends.
//  - PivotPick: "Picked vertex n as pivot point.", pivotPicked; the session ends.
// A redefinition whose polygon or line names nothing in its table ends at once
// without change (log "No polygon selected to redefine !" or "No line selected
// to redefine !"). Indices are never read out of range.
PickOutcome handlePick(PickSession& session, const Project& project,
                       const std::vector<PickHit>& hits, LogSink& log, const FailureSignal& fail,
                       PickActions& actions);

} // namespace meshsmith
