#pragma once
// The order in which the game draws a 3DO's polygons: it walks the drawing
// tree from the camera and paints back to front without a depth buffer, so
// what this order shows is what the tree makes the game show, faults included.

#include "threedo_file.hpp"

#include <cstddef>
#include <vector>

namespace meshsmith::viewer {

// The viewer's position in the file's coordinates, homogeneous: w = 1 for an
// eye at a point, w = 0 for an eye infinitely far along (x, y, z) (an
// orthographic view looks from there).
struct Eye {
    double x = 0, y = 0, z = 0, w = 1;
};

// True when the eye is on the side the plane's normal points to (a*x + b*y +
// c*z + d*w above 0). An eye in the plane counts as behind it.
bool eyeInFront(const inspect3do::Plane& plane, const Eye& eye);

struct DrawnPolygon {
    const inspect3do::Record* polygon = nullptr;
    const inspect3do::Record* textureGroup = nullptr;
    const inspect3do::Record* node = nullptr;
    bool backGroup = false; // from the node's back group
    bool reversed = false;  // a twin node's polygon drawn as its reversed twin
};

// Walks the tree from the root: at each node the far side first, then the
// polygons of the group that faces the eye (the front group when the eye is
// in front of the node's plane, else the back group; a twin node's front group
// from either side, reversed from behind), then the near side. Within a group
// texture groups and polygons come in file order. Takes a file whose references
// are sound (checkParsedThreeDo with CheckDepth::References); does not recurse,
// so a deep tree cannot exhaust the stack.
std::vector<DrawnPolygon> drawOrder(const inspect3do::ThreeDoFile& file, const Eye& eye);

// Per record of file.records: true for a polygon the game shows from behind,
// one whose facing (facingAgainst its node's plane) does not match its group's
// side: a front group polygon facing against the normal, a back group one
// facing along it. Pieces too thin to judge are not counted.
std::vector<bool> shownFromBehind(const inspect3do::ThreeDoFile& file);

// The index of `record` in file.records.
std::size_t recordIndex(const inspect3do::ThreeDoFile& file, const inspect3do::Record& record);

} // namespace meshsmith::viewer
