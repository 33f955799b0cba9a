#pragma once
// A window's own "Undo" over the document's one history: the steps the
// window's operations recorded, given back only while they are the latest
// steps (no copy of any table is kept). A window with a one-level Undo
// remembers its last step; the rotate dialog's Cancel takes back every step
// it made since it showed.

#include "editor/core/document/document.hpp"

#include <vector>

namespace meshsmith {

class WindowSteps {
  public:
    // After an operation of the window: its step, if it recorded one,
    // replaces the earlier ones (`keepEarlier`: joins them).
    void remember(const Document& document, bool keepEarlier = false);
    void forget() { steps_.clear(); }

    // The window's last step is the document's latest.
    bool canUndo(const Document& document) const;
    // Takes back the window's last step; refused with "Nothing to undo" when
    // canUndo does not hold.
    OperationResult undo(Document& document);
    // Takes back the window's steps as long as each is the latest.
    void undoAll(Document& document);

  private:
    std::vector<StepId> steps_;
};

} // namespace meshsmith
