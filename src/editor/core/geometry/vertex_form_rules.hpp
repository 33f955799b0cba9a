#pragma once
// The vertex window's rules, without its widgets: what a list line reads, how
// the coordinate fields are reformatted and filled from a selection, when the
// action button may be used, and how the fields are read for Add and Modify.

#include "model/outcome.hpp"
#include "model/project.hpp"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace meshsmith {

struct VertexFields {
    std::string x, y, z;
    friend bool operator==(const VertexFields&, const VertexFields&) = default;
};

// "0   :    1.500    2.000   -3.000": the index left-aligned in 4 characters,
// ":", then x, y and z with 3 decimals right-aligned in 9 characters. Longer
// texts are not cut (a cut number or index would show another one).
std::string vertexListLine(std::size_t index, const Vertex& v);

// "No. of Vertices: 12"
std::string vertexCountCaption(std::size_t count);

// Leaving a field: a number is written with 3 decimals ("1.5" -> "1.500"); an
// empty field stays empty; any other text stays as typed (Add or Modify
// refuses it then).
std::string reformattedField(const std::string& text);

// The fields after the list selection changed to `rows`: one row shows its
// vertex; several keep each field's text only where it equals every selected
// vertex's value (3 decimals), emptying it otherwise; none keeps the fields.
VertexFields fieldsForSelection(const std::vector<Vertex>& vertices,
                                const std::vector<std::size_t>& rows, const VertexFields& current);

// Add Vertex / Modify may be pressed unless several vertices are selected and
// the three fields hold the same text (as when all are empty).
bool actionButtonEnabled(std::size_t selectedCount, const VertexFields& fields);

// The values of the fields: an empty field gives nullopt, except for Add
// (`allRequired`), which is refused with "Every coordinate needs to be
// assigned !". A field that is not a number is refused naming it: "The X
// field does not hold a number: 'abc' is not a valid floating point value".
struct VertexFieldValues {
    std::optional<float> x, y, z;
};
OperationResult readVertexFields(const VertexFields& fields, bool allRequired,
                                 VertexFieldValues& values);

} // namespace meshsmith
