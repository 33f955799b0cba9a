// "Show ToolTips": one event filter on the application swallows every tool
// tip request while tool tips are off, so no window has to know about it.
#include "editor/qt/shell/about_box.hpp"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QToolTip>

namespace meshsmith {
namespace {

class ToolTipBlocker : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ToolTip) return true;
        return QObject::eventFilter(watched, event);
    }
};

// Owned by the application (its parent), so it goes with it.
QPointer<ToolTipBlocker> blocker;

} // namespace

void setApplicationToolTips(bool on) {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) return;
    if (on) {
        delete blocker.data();
        return;
    }
    if (blocker) return;
    blocker = new ToolTipBlocker(app);
    app->installEventFilter(blocker);
    // A tip already on screen would otherwise stay until the mouse moves on.
    if (qobject_cast<QApplication*>(app)) QToolTip::hideText();
}

} // namespace meshsmith
