#include "editor/core/geometry/manual_vertex_entry.hpp"

#include "editor/core/document/pick_session.hpp"
#include "model/number_text.hpp"

#include <algorithm>

namespace meshsmith {

namespace {
constexpr std::size_t kMostCorners = 4;
} // namespace

ManualVertexEntry::ManualVertexEntry(ManualPurpose purpose, std::size_t vertexCount,
                                     std::size_t corners)
    : purpose_(purpose), vertexCount_(vertexCount),
      wanted_(purpose == ManualPurpose::LineEnds         ? 2
              : purpose == ManualPurpose::PolygonCorners ? corners
                                                         : 0) {}

ManualVertexEntry::Reply ManualVertexEntry::add(const std::string& text) {
    if (purpose_ == ManualPurpose::NewPolygon && typed_.size() >= kMostCorners)
        return {Step::MustClose, kOnlyTrianglesOrQuads};
    const auto number = parseInteger(text);
    if (!number || *number < 0 || static_cast<std::size_t>(*number) >= vertexCount_)
        return {Step::Refused, kNotAVertexNumber};
    if (!typed_.empty() && typed_.back() == *number) return {Step::Refused, kSelectDifferentVertex};
    if (std::find(typed_.begin(), typed_.end(), *number) != typed_.end())
        return {Step::Refused, kVertexAlreadyUsed};
    typed_.push_back(*number);
    return {typed_.size() == wanted_ ? Step::Complete : Step::Taken, {}};
}

OperationResult ManualVertexEntry::close(std::vector<std::int32_t>& closed) const {
    if (typed_.size() < 3) return OperationResult::refused(kAddVerticesFirst);
    closed = typed_;
    closed.push_back(typed_.front());
    return {};
}

std::string ManualVertexEntry::prompt() const {
    return "Vertex No. " + std::to_string(typed_.size() + 1) + " = ";
}

} // namespace meshsmith
