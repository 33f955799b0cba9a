#include "editor/core/geometry/vertex_form_rules.hpp"

#include "editor/core/shell/project_listing.hpp"
#include "model/edits/vertex_edits.hpp"
#include "model/number_text.hpp"

namespace meshsmith {

std::string vertexListLine(std::size_t index, const Vertex& v) {
    auto column = [](const std::string& number) {
        return number.size() >= 9 ? number : padText(number, 9, false);
    };
    const std::string n = std::to_string(index);
    return (n.size() >= 4 ? n : padText(n, 4, true)) + ":" + column(vertexReal(v.X)) +
           column(vertexReal(v.Y)) + column(vertexReal(v.Z));
}

std::string vertexCountCaption(std::size_t count) {
    return "No. of Vertices: " + std::to_string(count);
}

std::string reformattedField(const std::string& text) {
    if (text.empty()) return text;
    const auto value = parseReal(text);
    return value ? vertexReal(*value) : text;
}

VertexFields fieldsForSelection(const std::vector<Vertex>& vertices,
                                const std::vector<std::size_t>& rows, const VertexFields& current) {
    if (rows.empty()) return current;
    const Vertex& first = vertices[rows.front()];
    if (rows.size() == 1) return {vertexReal(first.X), vertexReal(first.Y), vertexReal(first.Z)};
    auto shared = [&](const std::string& text, float Vertex::*axis) {
        for (std::size_t row : rows)
            if (vertexReal(vertices[row].*axis) != text) return std::string();
        return text;
    };
    return {shared(current.x, &Vertex::X), shared(current.y, &Vertex::Y),
            shared(current.z, &Vertex::Z)};
}

bool actionButtonEnabled(std::size_t selectedCount, const VertexFields& f) {
    return !(selectedCount > 1 && f.x == f.y && f.y == f.z);
}

OperationResult readVertexFields(const VertexFields& fields, bool allRequired,
                                 VertexFieldValues& values) {
    if (allRequired && (fields.x.empty() || fields.y.empty() || fields.z.empty()))
        return OperationResult::refused(kEveryCoordinateMessage);
    const std::pair<const std::string*, std::optional<float>*> read[] = {
        {&fields.x, &values.x}, {&fields.y, &values.y}, {&fields.z, &values.z}};
    const char* names[] = {"X", "Y", "Z"};
    for (std::size_t k = 0; k < 3; ++k) {
        const std::string& text = *read[k].first;
        *read[k].second = std::nullopt;
        if (text.empty()) continue;
        const auto value = parseReal(text);
        if (!value)
            return OperationResult::refused(
                std::string("The ") + names[k] +
                " field does not hold a number: " + notAFloatMessage(text));
        *read[k].second = value;
    }
    return {};
}

} // namespace meshsmith
