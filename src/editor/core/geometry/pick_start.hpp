#pragma once
// The line and polygon windows' side of picking in the view: starting their
// pick sessions, and the colours that new lines and polygons take (the colour
// dialog, or random colours for polygons).

#include "editor/core/document/document.hpp"
#include "editor/core/shell/editor_services.hpp"
#include "model/colour_text.hpp"
#include "model/random_colours.hpp"
#include "model/user_interaction.hpp"

namespace meshsmith {

inline constexpr Rgb kDefaultPolygonColour{0.5f, 0.5f, 0.5f};

// Each component times 255, rounded: the colour the dialog and panels show.
Colour toColour(const Rgb& colour);

// The colour dialog, opened with `colour`: OK sets it to the chosen colour's
// bytes / 255 and gives true; Cancel keeps it and gives false.
bool chooseColour(FileDialogs& files, Rgb& colour);

// How a new polygon gets its colour.
enum class NextColour {
    Keep,   // the colour of the last polygon
    Random, // three new random values in [0, 1)
    Dialog  // "Pick color for Polygon!" logged, then the colour dialog
};
// A polygon started with Flat Shading or closed in the manual window: the
// dialog while colours are picked manually, else a random colour.
NextColour colourOfNewPolygon(bool manualColours);
// "Same Color" / "Yes" of the next-polygon question.
NextColour colourOfSamePolygon(bool manualColours);

// The polygon colour the editor holds, and its random generator.
class PolygonColour {
  public:
    explicit PolygonColour(RandomColours random) : random_(random) {}
    const Rgb& current() const { return colour_; }
    void next(NextColour how, FileDialogs& files, LogSink& log);
    // The colour dialog without a log line ("Re-define Color"); see chooseColour.
    bool choose(FileDialogs& files) { return chooseColour(files, colour_); }

  private:
    Rgb colour_ = kDefaultPolygonColour;
    RandomColours random_;
};

// Starts picking a new polygon: any other pick ends; logs "Creating a Flat
// Shading Polygon:", the colour comes as `how` says, logs "Pick first vertex
// !"; the document's session is a PolygonPick in that colour.
void startPolygonPick(Document& document, PolygonColour& colour, NextColour how,
                      FileDialogs& files, LogSink& log);

// Starts picking a new line: any other pick ends; logs "Creating a line:",
// with `askColour` "Pick color !" and the colour dialog for `lineColour`, then
// "Pick first vertex !"; the document's session is a LinePick in that colour.
void startLinePick(Document& document, Rgb& lineColour, bool askColour, FileDialogs& files,
                   LogSink& log);

} // namespace meshsmith
