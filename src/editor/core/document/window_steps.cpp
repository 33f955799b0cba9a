#include "editor/core/document/window_steps.hpp"

namespace meshsmith {

void WindowSteps::remember(const Document& document, bool keepEarlier) {
    const StepId step = document.lastRecordedStep();
    if (step == kNoStep) return;
    if (!keepEarlier) steps_.clear();
    if (steps_.empty() || steps_.back() != step) steps_.push_back(step);
}

bool WindowSteps::canUndo(const Document& document) const {
    return !steps_.empty() && steps_.back() == document.latestStep();
}

OperationResult WindowSteps::undo(Document& document) {
    if (!canUndo(document)) return OperationResult::refused("Nothing to undo");
    const OperationResult r = document.undoStep(steps_.back());
    if (r.done()) steps_.pop_back();
    return r;
}

void WindowSteps::undoAll(Document& document) {
    while (canUndo(document) && undo(document).done()) {
    }
}

} // namespace meshsmith
