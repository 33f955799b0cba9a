#pragma once
// The tables of 3DO-Kiln: vertices, polygons, planes, strings and collision
// volumes with their counters and switches. One KilnState is passed by
// reference to every stage (reading, polygon preparation, BSP building,
// writing); a fresh state is a fresh conversion, so tests run many in one
// process.
//
// The tables have fixed capacities. They are held at full size and zeroed, and
// the counters say how much is in use, as the stages expect. Every append goes
// through the functions below, which stop the run with a CapacityError instead
// of writing past a table.

#include "readers/capacity_error.hpp"

#include <array>
#include <cstdint>
#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

namespace meshsmith::kiln {

inline constexpr int kMaxVertices = 30000;
inline constexpr int kMaxPolygons = 20000;
inline constexpr int kMaxPlanes = 10000;
inline constexpr int kMaxStrings = 2000;
inline constexpr int kMaxCollisionVolumes = 30;
inline constexpr int kMaxCollisionPlanes = 30; // per volume
inline constexpr int kMaxPolyVertices = 11;    // per stored polygon record
inline constexpr int kMaxReadVertices = 100;   // per polygon being read
inline constexpr int kMaxStringLength = 255;   // a string entry is a 256-byte copy

// A polygon record.
struct poly {
    std::uint8_t flav = 0;            // 0 textured; 1 textured with per-vertex colours
    std::uint8_t polyVertexCount = 0; // at most kMaxPolyVertices
    std::array<std::int32_t, kMaxPolyVertices> vertexList{};
    std::int32_t inPlane = 0;   // first plane the polygon lies in; -1 none
    std::int32_t stringNum = 0; // texture: index into stringy
    std::array<float, kMaxPolyVertices> tvertx{}, tverty{};
    std::array<std::uint8_t, kMaxPolyVertices> red{}, green{}, blue{}, alpha{};
};

// A collision volume.
struct cVolume {
    std::uint8_t numPlanes = 0;
    std::array<std::uint8_t, kMaxCollisionPlanes> type{};
    std::array<std::int32_t, kMaxCollisionPlanes> collisionPlane{};
};

// An item of a node's polygon list. A list starts with a head item (polyIndex
// -1, or 1 when every polygon has its reversed twin in the node) and ends with
// an item whose polyIndex is -1.
struct list {
    std::int32_t polyIndex = -1;
    list* next = nullptr;
};

// A BSP node.
struct node {
    std::int32_t nodeValue = 0;   // plane number
    std::int32_t nodeOffset = -1; // data offset of the node's record in the 3DO, -1 until written
    std::int32_t parentValue = 0; // plane number of the parent; -123 for the root
    std::int32_t isLeftNode = 0;  // 1 in front of the parent's plane, 0 behind it
    node* parent = nullptr;
    node* left = nullptr;  // front subtree
    node* right = nullptr; // back subtree
    list* centre = nullptr;
};

inline constexpr std::int32_t kRootParentValue = -123;

// A table would grow past its capacity. The run stops; nothing was written past a table.
using readers::CapacityError;

struct KilnState {
    KilnState();

    // Counters.
    std::int32_t vertCount = 0, polyCount = 0, planeCount = 0, stringCount = 0, nodeCount = 0;
    std::int32_t chosenPoly = 0;
    std::uint8_t numCollisionVolumes = 0;
    std::int32_t displayClass = 3;
    std::int32_t clipperStringNum = -1;
    long PRIMdataStart = 0;
    std::int32_t isLefty = 0;

    // Switches.
    bool TRIANGULARISE = true;
    bool AS2_ON = false;

    // Tables, held at their full capacity.
    std::vector<float> x, y, z;         // vertices
    std::vector<poly> polygon;          // polygons
    std::vector<std::int32_t> e;        // per polygon: 0 live, -1 placed or discarded
    std::vector<float> a, b, c, d;      // planes: a*x + b*y + c*z + d = 0
    std::vector<std::int32_t> f, g;     // per plane: root statistics
    std::vector<std::string> stringy;   // texture names, then "collision"
    std::vector<bool> stringNotWritten; // entries left out of the string chunk
    std::array<cVolume, kMaxCollisionVolumes> collisionVol{};
    std::vector<std::int32_t> s; // file vertex number -> table vertex number
    std::array<std::uint8_t, kMaxReadVertices> tRed{}, tGreen{}, tBlue{}, tAlpha{};

    // Tree storage: nodes and list items live as long as the state (stable addresses).
    std::deque<node> nodes;
    std::deque<list> items;
    node rootParent; // placeholder parent of every root; never read
};

// Appends a vertex as number vertCount and returns it.
std::int32_t appendVertex(KilnState& k, float x, float y, float z);
// The polygon record in `slot`, for a stage that fills a slot at or past
// polyCount before it counts it (a checked write position).
poly& polygonSlot(KilnState& k, std::int32_t slot);
// Appends a polygon as number polyCount (e = 0 live) and returns it.
std::int32_t appendPolygon(KilnState& k, const poly& p);
// Appends a plane as number planeCount and returns it.
std::int32_t appendPlane(KilnState& k, float a, float b, float c, float d);
// Stores a plane in slot planeCount without counting it (a candidate).
void stagePlane(KilnState& k, float a, float b, float c, float d);
// Appends a string (cut to kMaxStringLength characters) and returns its number.
std::int32_t appendString(KilnState& k, const std::string& text);
// Starts the next collision volume and returns its number.
int appendCollisionVolume(KilnState& k);
// Adds a plane to a collision volume.
void appendCollisionPlane(KilnState& k, int volume, std::uint8_t type, std::int32_t plane);

// New tree storage.
node* newNode(KilnState& k);
list* createList(KilnState& k, std::int32_t item);

} // namespace meshsmith::kiln
