#include "editor/core/view/pick_modes.hpp"

#include "editor/core/view/hit_names.hpp"
#include "model/edits/line_edits.hpp"
#include "model/edits/polygon_edits.hpp"

#include <algorithm>
#include <optional>

namespace meshsmith {

namespace {

class PickHandler {
  public:
    PickHandler(PickModes& modes, Project& project, LogSink& log, const FailureSignal& fail,
                PickReceiver& receiver)
        : modes_(modes), project_(project), log_(log), fail_(fail), receiver_(receiver) {}

    PickOutcome handle(const std::vector<PickHit>& hits) {
        if (hits.empty()) return reject(kNothingSelected);
        const std::vector<std::int32_t> candidates = vertexCandidates(project_, hits);
        if (candidates.empty()) return reject(kSelectVertexOnly);
        if (modes_.LinePickMode) return linePick(candidates);
        if (modes_.PolygonPickMode) return polygonPick(candidates);
        if (modes_.PolygonRedefineMode) return polygonRedefine(candidates);
        if (modes_.PivotPickMode) return pivotPick(candidates.back());
        return lineRedefine(candidates);
    }

  private:
    PickOutcome reject(const std::string& message) {
        fail_(message);
        return {PickResult::Rejected, message, false};
    }

    void select(std::int32_t vertex) { project_.object.vertices[vertex].Selected = 1; }

    PickOutcome linePick(const std::vector<std::int32_t>& candidates) {
        // Only 0 and 1 are states a pick can meet; anything else starts a new line.
        const int state = modes_.LinePickState == 1 ? 1 : 0;
        for (std::int32_t v : candidates)
            if (state == 1 && v == modes_.FirstLineVertex) return reject(kSelectDifferentVertex);
        const std::int32_t n = candidates.back();
        modes_.LinePickState = state + 1;
        log_.addLine("Vertex " + std::to_string(n) + " selected");
        select(n);
        if (modes_.LinePickState == 1) {
            modes_.FirstLineVertex = n;
            log_.addLine("Pick second vertex !");
            return {PickResult::Recorded, {}, false};
        }
        modes_.SecondLineVertex = n;
        log_.addLine("Line No. " + std::to_string(project_.object.lines.size() + 1) +
                     " created, using vertices " + std::to_string(modes_.FirstLineVertex) +
                     " and " + std::to_string(modes_.SecondLineVertex));
        modes_.LinePickState = 0;
        receiver_.linePicked(modes_.FirstLineVertex, modes_.SecondLineVertex);
        return {PickResult::Completed, {}, false};
    }

    // The polygon rules, shared by picking and redefining: not the vertex just
    // picked, and no vertex already used except the first (which closes).
    // Each accepted candidate is logged; the last one is appended.
    std::optional<PickOutcome> takePolygonCorner(const std::vector<std::int32_t>& candidates,
                                                 const std::string& logPrefix) {
        std::vector<std::int32_t>& picked = modes_.PickedVertices;
        for (std::int32_t v : candidates) {
            if (!picked.empty() && v == picked.back()) return reject(kSelectDifferentVertex);
            if (!picked.empty() && v != picked.front() &&
                std::find(picked.begin(), picked.end(), v) != picked.end())
                return reject(kVertexAlreadyUsed);
            log_.addLine(logPrefix + std::to_string(v));
        }
        picked.push_back(candidates.back());
        select(candidates.back());
        return std::nullopt;
    }

    PickOutcome polygonPick(const std::vector<std::int32_t>& candidates) {
        if (auto rejected = takePolygonCorner(candidates, "Picked = ")) return *rejected;
        const std::vector<std::int32_t>& picked = modes_.PickedVertices;
        if (picked.size() > 1 && picked.back() == picked.front()) {
            receiver_.polygonPicked(picked);
            return {PickResult::Completed, {}, false};
        }
        log_.addLine(picked.size() > 2 ? "Pick next vertex (or first vertex to close) !"
                                       : "Pick next vertex !");
        return {PickResult::Recorded, {}, false};
    }

    // A redefinition whose polygon or line no longer exists ends without change.
    PickOutcome abandon(bool& mode, const std::string& message) {
        mode = false;
        modes_.PickedVertices.clear();
        deselectAllVertices(project_);
        log_.addLine(message);
        return {PickResult::Abandoned, {}, true};
    }

    PickOutcome polygonRedefine(const std::vector<std::int32_t>& candidates) {
        const std::int32_t index = project_.SelectedPolygon;
        if (index < 0 || static_cast<std::size_t>(index) >= project_.object.polygons.size() ||
            project_.object.polygons[index].VertexCount < 2)
            return abandon(modes_.PolygonRedefineMode, "No polygon selected to redefine !");
        if (auto rejected = takePolygonCorner(candidates, "Picked vertex ")) return *rejected;
        std::vector<std::int32_t>& picked = modes_.PickedVertices;
        const auto corners = static_cast<std::size_t>(project_.object.polygons[index].corners());
        if (picked.size() < corners) return {PickResult::Recorded, {}, false};
        // The latest picks replace the corners (a step of the edit history);
        // the closing entry repeats the new first.
        const std::vector<std::int32_t> latest(picked.end() - static_cast<std::ptrdiff_t>(corners),
                                               picked.end());
        redefinePolygon(project_, index, latest);
        deselectAllVertices(project_);
        modes_.PolygonRedefineMode = false;
        log_.addLine("Polygon No. " + std::to_string(index) + " redefined.");
        picked.clear();
        receiver_.polygonRedefined(index);
        return {PickResult::Completed, {}, true};
    }

    PickOutcome pivotPick(std::int32_t n) {
        modes_.PivotVertex = n;
        modes_.PivotPickMode = false;
        log_.addLine("Picked vertex " + std::to_string(n) + " as pivot point.");
        receiver_.pivotPicked(n);
        return {PickResult::Completed, {}, true};
    }

    PickOutcome lineRedefine(const std::vector<std::int32_t>& candidates) {
        const std::int32_t index = project_.SelectedLine;
        if (index < 0 || static_cast<std::size_t>(index) >= project_.object.lines.size())
            return abandon(modes_.LineRedefineMode, "No line selected to redefine !");
        std::vector<std::int32_t>& picked = modes_.PickedVertices;
        for (std::int32_t v : candidates) {
            if (!picked.empty() && v == picked.back()) return reject(kSelectDifferentVertex);
            log_.addLine("Picked vertex " + std::to_string(v));
        }
        picked.push_back(candidates.back());
        select(candidates.back());
        if (picked.size() < 2) return {PickResult::Recorded, {}, false};
        redefineLine(project_, index, picked[picked.size() - 2], picked.back());
        deselectAllVertices(project_);
        modes_.LineRedefineMode = false;
        log_.addLine("Line No. " + std::to_string(index) + " redefined.");
        picked.clear();
        receiver_.lineRedefined(index);
        return {PickResult::Completed, {}, true};
    }

    PickModes& modes_;
    Project& project_;
    LogSink& log_;
    const FailureSignal& fail_;
    PickReceiver& receiver_;
};

} // namespace

void FailureSignal::operator()(const std::string& message) const {
    if (playSound_) {
        if (beep_) beep_();
    } else {
        log_.addLine(message);
    }
}

bool picksOnRelease(const PickModes& modes, bool modifierOrOtherButtonHeld) {
    return modes.anyOn() && !modifierOrOtherButtonHeld;
}

PickOutcome handlePick(PickModes& modes, Project& project, const std::vector<PickHit>& hits,
                       LogSink& log, const FailureSignal& fail, PickReceiver& receiver) {
    if (!modes.anyOn()) return {};
    return PickHandler(modes, project, log, fail, receiver).handle(hits);
}

} // namespace meshsmith
