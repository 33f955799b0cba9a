#pragma once
// Line editing: the operations of the line window, of the view's line picks
// and of the Misc. menu's visualization-line commands. Each is one step of the
// edit history (its name in quotes below), changes everything or nothing and
// keeps the object's invariants. `selected` lists the lines a command works on
// (the line window's selection): ascending numbers. The line window's
// one-level Undo is a step back in the edit history.

#include "model/colour_text.hpp"
#include "model/outcome.hpp"
#include "model/project.hpp"
#include "model/user_interaction.hpp"

#include <cstdint>
#include <functional>
#include <vector>

namespace meshsmith {

// "Add Line": appends a line from `first` to `second` (vertices of the
// project, else refused) in `colour`.
OperationResult createLine(Project& p, std::int32_t first, std::int32_t second, const Rgb& colour);

// "Redefine Line": line `index` gets the two ends; refused when the line or a
// vertex does not exist.
OperationResult redefineLine(Project& p, std::int32_t index, std::int32_t first,
                             std::int32_t second);

// "Recolour Lines": every selected line takes `colour`.
OperationResult recolourSelectedLines(Project& p, const std::vector<std::int32_t>& selected,
                                      const Rgb& colour);

// "Remove Lines": the selected lines go, later ones move down.
OperationResult removeSelectedLines(Project& p, const std::vector<std::int32_t>& selected);

// "Remove All Lines": asks "Are you sure ?" ("Remove all Lines"); No is
// Cancelled. Yes empties the line table and logs "All Lines Cleared !".
OperationResult removeAllLines(Project& p, UserPrompts& prompts, LogSink& log);

// "Create Visualization Lines": logs "Creating subsequent lines:" and "Pick
// color !", lets `pickColour` change the line colour (the colour dialog; a
// Cancel keeps it), then createVisualizationLines in it. Refused with "Not
// enough Vertices defined" below 2 vertices, and while visualization lines exist.
OperationResult createVisualizationLinesStep(Project& p, Rgb& lineColour,
                                             const std::function<void(Rgb&)>& pickColour,
                                             LogSink& log);

// "Remove Visualization Lines": removeVisualizationLines.
OperationResult removeVisualizationLinesStep(Project& p, LogSink& log);

// "Convert Visualization Lines": every visualization line is appended to the
// line table with its colour and ends, the visualization lines are removed
// (removeVisualizationLines), and "Converted visualization lines to 3DO lines"
// is logged. Refused when there are none.
OperationResult convertVisualizationLines(Project& p, LogSink& log);

} // namespace meshsmith
