#pragma once
// The rules of the texture assignment window and its coordinate windows,
// without their widgets: list lines and combo-box entries, the working
// coordinate list of the current polygon and the mapping style read from it,
// the styles' conditions, the repeat counts, clicks in the texture image
// turned into coordinates, and the size an image is shown at.

#include "model/outcome.hpp"
#include "model/project.hpp"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace meshsmith {

enum class MappingStyle { EntireTexture, TextureArea, RepeatTexture };
inline constexpr std::array<const char*, 3> kMappingStyles = {"Entire Texture", "Texture Area",
                                                              "Repeat Texture"};

enum class CoordinateMode { PickAll, PickSingle, Manually, LoadFromFile };
inline constexpr std::array<const char*, 4> kCoordinateModes = {"Pick all at once", "Pick Single",
                                                                "Manually", "Load from File"};

inline constexpr const char* kUntexturedItem = "Untextured";
inline constexpr const char* kLoadNewTextureItem = "-> Load New Texture";
inline constexpr const char* kNoTextureSelected = "No Texture Selected";
inline constexpr int kLargestRepeat = 999;

// "Polygon No. 3"
std::string polygonListLine(std::size_t index);

// The texture combo box: the textures' short file names in index order, then
// kUntexturedItem and kLoadNewTextureItem.
std::vector<std::string> textureComboItems(const Project& p);

// What the window works with for its current polygon.
struct MappingState {
    std::vector<TexCoord> working; // one pair per corner
    bool assigned = false;         // the polygon is textured
    MappingStyle style = MappingStyle::EntireTexture;
    int repeatX = 1, repeatY = 1;
};

// The working list for `corners` corners before anything is assigned:
// (0, 0), (0, 1), (1, 1), (1, 0), then (1, 1) for every further corner.
std::vector<TexCoord> defaultWorkingList(std::size_t corners);

// The state read from a polygon: its coordinates (or the defaults when it is
// untextured) and the style that makes exactly them: "Entire Texture" for
// (0, 0), (0, 1), (1, 1), (1, 0); "Repeat Texture" with the counts of the
// third pair (rounded, 1 to 999) when the repeat list of those counts is
// exactly the coordinates; any other coordinates are shown as they are, in
// the free style "Texture Area". A polygon that is not a quadrilateral is
// always "Texture Area"; an untextured quadrilateral starts at "Entire Texture".
MappingState readMappingState(const ObjectData& polygon);

// "Vertex 7: 0.250, 1.000", or "Vertex 7: Not assigned"; one line per corner.
std::vector<std::string> coordinateLines(const ObjectData& polygon, const MappingState& state);

// Entire Texture and Repeat Texture need a quadrilateral: refused with "Only
// possible for rectangular Polygons !" (the window then shows Texture Area).
OperationResult checkStyle(const ObjectData& current, MappingStyle style);

// (0, 0), (0, y), (x, y), (x, 0): the texture x times across and y times up.
std::vector<TexCoord> repeatWorkingList(int x, int y);

// Whether coordinates may be set by double-clicking the list: refused with
// "Repeating Texture, no Coordinates possible !" while a count is above 1,
// "Choose a Texture !" without a texture, and "Load from file not available
// yet !" in that mode.
OperationResult checkCoordinateSetting(const MappingState& state, std::int32_t selectedTexture,
                                       CoordinateMode mode);

// A click at pixel (x, y) of an image shown w by h pixels: u = x / w, v = (h - y) / h.
TexCoord clickedTexCoord(int x, int y, int w, int h);

// The coordinate window's picking: in "Pick all at once" each click sets the
// entry of `counter` (1-based) and counts on; in "Pick Single" each row
// selected in the coordinate list takes the pair. True when the window
// closes (all corners picked, or the single pick done); the counter then
// returns to 1.
bool applyCoordinatePick(CoordinateMode mode, int& counter, const std::vector<std::size_t>& rows,
                         TexCoord uv, std::vector<TexCoord>& working);

// The coordinate window's caption while the mouse is at (x, y) of the w by h
// image: "Pick 2/4   [129,65] --> 0.502, 0.504" ("[" alone when not picking all).
std::string pickCaption(CoordinateMode mode, int counter, std::size_t corners, int x, int y, int w,
                        int h);

// A bitmap up to 128 pixels both ways is shown at its size, a larger one at
// half its width and height, rounded.
struct ShownSize {
    int width = 0, height = 0;
    friend bool operator==(const ShownSize&, const ShownSize&) = default;
};
ShownSize shownImageSize(int width, int height);

// "Format: 64x32"
std::string formatLabel(int width, int height);

} // namespace meshsmith
