#pragma once
// Vertex merging of the readers: a new vertex reuses the first (lowest
// numbered) existing vertex whose coordinates each differ from it by at most
// 0.001, otherwise it is appended. A grid of cells twice the tolerance keeps
// this fast; the answer is the one a scan of the whole table gives.

#include "kiln_state.hpp"

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace meshsmith::kiln {

inline constexpr double kMergeTolerance = 0.001; // TOL

class VertexMerger {
  public:
    // Indexes the vertices already in the table.
    explicit VertexMerger(KilnState& k);
    // The number of the vertex at (x, y, z): an existing one within the
    // tolerance, else a new one (CapacityError when the table is full).
    std::int32_t merge(float x, float y, float z);

  private:
    struct Cell {
        std::int64_t x, y, z;
        friend bool operator==(const Cell&, const Cell&) = default;
    };
    struct CellHash {
        std::size_t operator()(const Cell& c) const;
    };
    static Cell cellOf(float x, float y, float z);
    void remember(std::int32_t index);

    KilnState& k_;
    std::unordered_map<Cell, std::vector<std::int32_t>, CellHash> cells_;
};

// Every polygon's texture y becomes 1 - y, then the polygon's texture y values
// are raised by whole units until none is below 0. Values so large or so far
// below 0 that adding 1 changes nothing are raised in one step; a polygon with
// a value that is not a number is left as it is.
void flipTextureY(KilnState& k);

} // namespace meshsmith::kiln
