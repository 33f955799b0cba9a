#pragma once
// Checks that a 3DO file is sound: its layout, every number and offset its
// records hold, and the geometry of its drawing tree.

#include "threedo_file.hpp"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace meshsmith::inspect3do {

// Distance allowed between a vertex and a plane before the vertex counts as
// off the plane: twice the converter's 0.001, so that a value the converter
// judged at the edge of its tolerance is never reported.
inline constexpr double kPlaneTolerance = 0.002;

// Where a polygon lies relative to a plane. The distance of a vertex is
// a*x + b*y + c*z + d, computed in double precision from the file's floats
// (the plane is taken as stored, not normalised, as the converter judges it).
//  - InPlane: every vertex distance is within [-kPlaneTolerance, kPlaneTolerance].
//  - WhollyInFront: every vertex distance is above kPlaneTolerance.
//  - WhollyBehind: every vertex distance is below -kPlaneTolerance.
//  - Other: anything else (crossing the plane, or touching it within the
//    tolerance on one side); also a polygon with a non-finite distance.
// So a polygon counts as wholly on one side only when even moving each vertex
// by the tolerance would not bring it to the plane.
enum class PlaneSide { InPlane, WhollyInFront, WhollyBehind, Other };

// The polygon's vertex numbers must be below file.vertices.size().
PlaneSide sideOfPlane(const ThreeDoFile& file, const Record& polygon, const Plane& plane);

// Which way the polygon faces against the plane's normal: 1 along, -1 against,
// judged by its area normal (Newell's, double precision) over its corners in
// file order, which the game takes as counter-clockwise seen from the front.
// 0 for a piece too thin to judge: its area is below kPlaneTolerance times its
// longest edge (a sliver that rounding could turn over), or none at all.
int facingAgainst(const ThreeDoFile& file, const Record& polygon, const Plane& plane);

struct CheckSummary {
    std::size_t vertices = 0, planes = 0, strings = 0, records = 0, nodes = 0, polygons = 0,
                volumes = 0;
    std::size_t thinPolygons = 0; // polygons too thin for their facing to be judged
};

struct CheckResult {
    std::optional<Violation> violation; // the first fault found, or none
    CheckSummary summary;               // filled when there is no violation
};

// Checks, in this order, stopping at the first fault:
//  1. the layout (parseThreeDo);
//  2. vertices and planes: finite numbers, each vertex's leading field 0;
//  3. every drawing record in file order (after the root offset): polygons have at least 3
//  vertices,
//     each below the vertex count; lists are not empty; texture groups name the
//     start of a string; nodes name a plane below the plane count; every offset
//     (list items, group child, left, right, front and back group) points back
//     to the start of an earlier record of the right kind (a group's child is a
//     polygon record or a list of them, a node's group a texture group or a list
//     of them, a child a node); the root offset names a node (or is -1 when
//     there are no records); no record is named by two offsets, the root by none;
//  4. the records form one tree: every record but the root is named by an offset;
//  5. collision planes name a plane below the plane count and a type 0..255;
//     HAND names the last string;
//  6. the geometry, node by node in file order: each polygon of a node lies in
//     its plane; each polygon of its front group faces along the plane's normal
//     and each of its back group against it (facingAgainst, thin pieces
//     excepted and counted); no polygon of a node's front (left) subtree lies wholly behind
//     its plane, none of its back (right) subtree wholly in front (PlaneSide).
// Never crashes, loops or recurses on any bytes.
CheckResult checkThreeDo(std::span<const std::uint8_t> bytes);

// How far checkParsedThreeDo goes: everything, or the references only (steps
// 2 to 5), for a reader that shows the tree's geometry with its faults.
enum class CheckDepth { Everything, References };

// Steps 2 to 6 (or 2 to 5) over a file that parseThreeDo read without a fault.
CheckResult checkParsedThreeDo(const ThreeDoFile& file, CheckDepth depth = CheckDepth::Everything);

// "OK: 4 vertices, 1 planes, ..." for a file without violation; the count of
// thin polygons follows when there are any.
std::string summaryLine(const CheckSummary& summary);

} // namespace meshsmith::inspect3do
