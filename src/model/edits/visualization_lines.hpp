#pragma once
// Visualization lines: lines that join the vertices in index order (the last
// back to the first) to show their sequence. They follow vertex numbers, so a
// command that renumbers vertices removes them first and draws them again
// afterwards in the colour they had.

#include "model/colour_text.hpp"
#include "model/project.hpp"
#include "model/user_interaction.hpp"

#include <functional>

namespace meshsmith {

// The line colour every new line and visualization line starts with.
inline constexpr Rgb kDefaultLineColour{0.5f, 0.5f, 0.5f};

// "Creating subsequent lines:", "Pick color !", then a visualization line i to
// i + 1 for every vertex (n vertices give n lines, the last to vertex 0) in
// `colour`, appended to the table; n + " subsequent
// Lines created".
void createVisualizationLines(Project& p, const Rgb& colour, LogSink& log);
// The same without the first two log lines (for a caller that logs them
// before it asks for the colour).
void appendVisualizationLines(Project& p, const Rgb& colour, LogSink& log);

// Empties the table, logs "Subsequent Lines removed".
void removeVisualizationLines(Project& p, LogSink& log);

// Runs `renumber` (a change of vertex numbers) between the removal and the
// new drawing of the visualization lines, when there are any, keeping the
// colour of the first one. Returns what `renumber` returns.
OperationResult keepingVisualizationLines(Project& p, LogSink& log,
                                          const std::function<OperationResult()>& renumber);

} // namespace meshsmith
