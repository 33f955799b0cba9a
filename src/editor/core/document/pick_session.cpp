#include "editor/core/document/pick_session.hpp"

#include "editor/core/view/hit_names.hpp"

#include <algorithm>
#include <optional>

namespace meshsmith {
namespace {

bool contains(const std::vector<std::int32_t>& values, std::int32_t v) {
    return std::find(values.begin(), values.end(), v) != values.end();
}

class PickHandler {
  public:
    PickHandler(PickSession& session, const Project& project, LogSink& log,
                const FailureSignal& fail, PickActions& actions)
        : session_(session), project_(project), log_(log), fail_(fail), actions_(actions) {}

    PickOutcome handle(const std::vector<PickHit>& hits) {
        if (hits.empty()) return reject(kNothingSelected);
        const std::vector<std::int32_t> candidates = vertexCandidates(project_, hits);
        if (candidates.empty()) return reject(kSelectVertexOnly);
        return std::visit([&](auto& s) { return serve(s, candidates); }, session_);
    }

  private:
    PickOutcome reject(const std::string& message) {
        fail_(message);
        return {PickResult::Rejected, message, -1, false};
    }
    static PickOutcome recorded(std::int32_t n) { return {PickResult::Recorded, {}, n, false}; }
    PickOutcome completed(std::int32_t n) {
        session_ = NoPick{};
        return {PickResult::Completed, {}, n, true};
    }

    PickOutcome serve(NoPick&, const std::vector<std::int32_t>&) { return {}; }

    PickOutcome serve(LinePick& s, const std::vector<std::int32_t>& candidates) {
        for (std::int32_t v : candidates)
            if (!s.picked.empty() && v == s.picked.front()) return reject(kSelectDifferentVertex);
        const std::int32_t n = candidates.back();
        log_.addLine("Vertex " + std::to_string(n) + " selected");
        if (s.picked.empty()) {
            s.picked.push_back(n);
            log_.addLine("Pick second vertex !");
            return recorded(n);
        }
        const std::int32_t first = s.picked.front();
        log_.addLine("Line No. " + std::to_string(project_.object.lines.size() + 1) +
                     " created, using vertices " + std::to_string(first) + " and " +
                     std::to_string(n));
        const Rgb colour = s.colour;
        const PickOutcome done = completed(n);
        actions_.createLine(first, n, colour);
        return done;
    }

    // The corner rules of picking and redefining: not the vertex just picked,
    // and no vertex already used, except the first when `closes` allows it.
    // Each accepted candidate is logged; the last one is appended.
    std::optional<PickOutcome> takeCorner(std::vector<std::int32_t>& picked,
                                          const std::vector<std::int32_t>& candidates,
                                          const std::string& logPrefix, bool firstCloses) {
        for (std::int32_t v : candidates) {
            if (!picked.empty() && v == picked.back()) return reject(kSelectDifferentVertex);
            const bool closing = firstCloses && !picked.empty() && v == picked.front();
            if (!closing && contains(picked, v)) return reject(kVertexAlreadyUsed);
            log_.addLine(logPrefix + std::to_string(v));
        }
        picked.push_back(candidates.back());
        return std::nullopt;
    }

    PickOutcome serve(PolygonPick& s, const std::vector<std::int32_t>& candidates) {
        // The first vertex closes the polygon only once it has three corners.
        const bool canClose = s.picked.size() >= 3;
        if (auto rejected = takeCorner(s.picked, candidates, "Picked = ", canClose))
            return *rejected;
        const std::int32_t n = s.picked.back();
        if (s.picked.size() > 3 && n == s.picked.front()) {
            const std::vector<std::int32_t> closed = s.picked;
            const Rgb colour = s.colour;
            const PickOutcome done = completed(n);
            actions_.createPolygon(closed, colour);
            return done;
        }
        log_.addLine(s.picked.size() > 2 ? "Pick next vertex (or first vertex to close) !"
                                         : "Pick next vertex !");
        return recorded(n);
    }

    // A redefinition whose polygon or line no longer exists ends without change.
    PickOutcome abandon(const std::string& message) {
        session_ = NoPick{};
        log_.addLine(message);
        return {PickResult::Abandoned, {}, -1, true};
    }

    PickOutcome serve(PolygonRedefine& s, const std::vector<std::int32_t>& candidates) {
        const std::int32_t index = s.polygon;
        const auto& polygons = project_.object.polygons;
        if (index < 0 || static_cast<std::size_t>(index) >= polygons.size() ||
            polygons[static_cast<std::size_t>(index)].VertexCount < 2)
            return abandon("No polygon selected to redefine !");
        if (auto rejected = takeCorner(s.picked, candidates, "Picked vertex ", false))
            return *rejected;
        const std::int32_t n = s.picked.back();
        const auto corners =
            static_cast<std::size_t>(polygons[static_cast<std::size_t>(index)].corners());
        if (s.picked.size() < corners) return recorded(n);
        const std::vector<std::int32_t> picked = s.picked;
        const PickOutcome done = completed(n);
        actions_.redefinePolygon(index, picked);
        log_.addLine("Polygon No. " + std::to_string(index) + " redefined.");
        return done;
    }

    PickOutcome serve(LineRedefine& s, const std::vector<std::int32_t>& candidates) {
        const std::int32_t index = s.line;
        if (index < 0 || static_cast<std::size_t>(index) >= project_.object.lines.size())
            return abandon("No line selected to redefine !");
        for (std::int32_t v : candidates) {
            if (!s.picked.empty() && v == s.picked.back()) return reject(kSelectDifferentVertex);
            log_.addLine("Picked vertex " + std::to_string(v));
        }
        s.picked.push_back(candidates.back());
        const std::int32_t n = s.picked.back();
        if (s.picked.size() < 2) return recorded(n);
        const std::int32_t first = s.picked[s.picked.size() - 2];
        const PickOutcome done = completed(n);
        actions_.redefineLine(index, first, n);
        log_.addLine("Line No. " + std::to_string(index) + " redefined.");
        return done;
    }

    PickOutcome serve(PivotPick&, const std::vector<std::int32_t>& candidates) {
        const std::int32_t n = candidates.back();
        PickOutcome done = completed(n);
        done.taken = -1; // the pivot is marked as the pivot, not selected
        log_.addLine("Picked vertex " + std::to_string(n) + " as pivot point.");
        actions_.pivotPicked(n);
        return done;
    }

    PickSession& session_;
    const Project& project_;
    LogSink& log_;
    const FailureSignal& fail_;
    PickActions& actions_;
};

} // namespace

const std::vector<std::int32_t>& pickedVertices(const PickSession& s) {
    static const std::vector<std::int32_t> none;
    if (auto* line = std::get_if<LinePick>(&s)) return line->picked;
    if (auto* polygon = std::get_if<PolygonPick>(&s)) return polygon->picked;
    if (auto* redefine = std::get_if<PolygonRedefine>(&s)) return redefine->picked;
    if (auto* line = std::get_if<LineRedefine>(&s)) return line->picked;
    return none;
}

void FailureSignal::operator()(const std::string& message) const {
    if (playSound_) {
        if (beep_) beep_();
    } else {
        log_.addLine(message);
    }
}

bool picksOnRelease(const PickSession& session, bool modifierOrOtherButtonHeld) {
    return picking(session) && !modifierOrOtherButtonHeld;
}

PickOutcome handlePick(PickSession& session, const Project& project,
                       const std::vector<PickHit>& hits, LogSink& log, const FailureSignal& fail,
                       PickActions& actions) {
    if (!picking(session)) return {};
    return PickHandler(session, project, log, fail, actions).handle(hits);
}

} // namespace meshsmith
