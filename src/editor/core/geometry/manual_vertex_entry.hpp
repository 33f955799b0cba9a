#pragma once
// What the window "Manual Vertex selection" collects, without its widgets:
// vertex numbers typed one at a time for a new polygon, for the two ends of a
// line, or for the corners of a polygon being redefined. The caller applies
// the result as one step once it is complete, so a Cancel half-way changes
// nothing.

#include "model/outcome.hpp"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace meshsmith {

inline constexpr const char* kNotAVertexNumber = "Not a valid Vertex number !";
inline constexpr const char* kOnlyTrianglesOrQuads =
    "Only triangular or rectangular polygons are supported. Closing Polygon...";
inline constexpr const char* kAddVerticesFirst = "Add Vertices first !";

enum class ManualPurpose {
    NewPolygon,    // up to 4 corners, closed with "Close Polygon"
    LineEnds,      // two ends
    PolygonCorners // as many corners as the redefined polygon has
};

class ManualVertexEntry {
  public:
    // `vertexCount`: the vertices of the project; `corners`: the corners of
    // the redefined polygon (PolygonCorners only).
    ManualVertexEntry(ManualPurpose purpose, std::size_t vertexCount, std::size_t corners = 0);

    enum class Step {
        Refused,  // `message` tells why; nothing taken
        Taken,    // more numbers follow
        Complete, // every number is there (lines, redefinitions)
        MustClose // a new polygon has 4 corners already: tell `message`, then close it
    };
    struct Reply {
        Step step;
        std::string message;
    };

    // "Add Vertex" with the text typed: an integer naming a vertex, not the
    // one just typed ("Select different Vertex !") nor another one already
    // typed ("Select vertex already used in this polygon. ...").
    Reply add(const std::string& text);

    // "Close Polygon": the corners with the first repeated at the end; below
    // 3 corners refused with "Add Vertices first !".
    OperationResult close(std::vector<std::int32_t>& closed) const;
    bool canClose() const { return purpose_ == ManualPurpose::NewPolygon; }

    // "Vertex No. 2 = ": the 1-based number of the vertex asked for next.
    std::string prompt() const;
    const std::vector<std::int32_t>& typed() const { return typed_; }
    std::size_t vertexCount() const { return vertexCount_; }

  private:
    ManualPurpose purpose_;
    std::size_t vertexCount_;
    std::size_t wanted_; // numbers that complete the entry (0: none, a new polygon)
    std::vector<std::int32_t> typed_;
};

} // namespace meshsmith
