#pragma once
// Unsaved work kept safe in the main window: the timer that writes the
// recovery copy when the keeper says it is due (recovery_keeper.hpp), the
// offer of the copies left by editors that did not close normally, at start,
// and the copy's removal at a normal close.

#include "editor/core/shell/editor_context.hpp"
#include "editor/core/shell/recovery_keeper.hpp"
#include "editor/qt/shell/document_signal.hpp"

#include <QObject>
#include <QTimer>

#include <optional>
#include <string>

namespace meshsmith {

class RecoveryController : public QObject {
    Q_OBJECT
  public:
    RecoveryController(EditorContext& context, DocumentSignal& signal, QObject* parent);

    // At start: asks about each left copy; true when a project was recovered.
    bool offerLeftCopies();
    // The editor closes normally: its copy goes.
    void closeNormally();
    const RecoveryFiles& files() { return keeper_.files(); }

  private:
    void onChange(const DocumentChange& change);
    void onTimer();
    void arm(std::optional<RecoveryKeeper::Clock::duration> wait);

    EditorContext& context_;
    EditorLog log_;
    RecoveryKeeper keeper_;
    QTimer timer_;
    std::string lastError_; // told once
};

} // namespace meshsmith
