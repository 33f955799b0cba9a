#include "editor/qt/shell/recovery_controller.hpp"

#include <QCoreApplication>

#include <chrono>

namespace meshsmith {

RecoveryController::RecoveryController(EditorContext& context, DocumentSignal& signal,
                                       QObject* parent)
    : QObject(parent), context_(context), log_(context),
      keeper_(context.settingsFolder, static_cast<long>(QCoreApplication::applicationPid()),
              context.recoveryDelay) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &RecoveryController::onTimer);
    connect(&signal, &DocumentSignal::changed, this, &RecoveryController::onChange);
    if (!keeper_.files().usable())
        log_.addLine("Unsaved changes are not kept safe: " + keeper_.files().lockPath() +
                     " cannot be made.");
}

bool RecoveryController::offerLeftCopies() {
    return meshsmith::offerLeftCopies(keeper_.files(), context_.document, context_.saveOptions(),
                                      context_.prompts, log_);
}

void RecoveryController::closeNormally() {
    timer_.stop();
    keeper_.closeNormally();
}

void RecoveryController::onChange(const DocumentChange& change) {
    // What is shown selected or picked is not saved with the project.
    if (!change.any(DocumentChange::Everything &
                    ~(DocumentChange::Selection | DocumentChange::Pick)))
        return;
    arm(keeper_.changed(context_.document.project(), RecoveryKeeper::Clock::now()));
}

void RecoveryController::onTimer() {
    std::string error;
    arm(keeper_.writeIfDue(context_.document.project(), RecoveryKeeper::Clock::now(), error));
    if (error.empty() || error == lastError_) return;
    lastError_ = error;
    log_.addLine("The recovery copy of the unsaved changes cannot be written: " + error);
}

void RecoveryController::arm(std::optional<RecoveryKeeper::Clock::duration> wait) {
    if (!wait) {
        timer_.stop();
        return;
    }
    using namespace std::chrono;
    // A timer that runs already keeps its time: the write is due then.
    if (!timer_.isActive()) timer_.start(static_cast<int>(ceil<milliseconds>(*wait).count()));
}

} // namespace meshsmith
