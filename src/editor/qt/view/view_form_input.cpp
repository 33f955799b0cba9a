// The view's mouse, wheel, keys and pop-up menu: panning, zooming, hover
// hints and the picking of vertices for the pick modes.
#include "editor/core/view/hit_names.hpp"
#include "editor/core/view/picking.hpp"
#include "editor/qt/view/camera_input.hpp"
#include "editor/qt/view/view_canvas.hpp"
#include "editor/qt/view/view_form.hpp"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QToolTip>
#include <QWheelEvent>

namespace meshsmith {
// The hits under the cursor, found with the matrices the drawing uses.
std::vector<PickHit> ViewForm::pickAt(QPoint position) const {
    const qreal ratio = canvas_ ? canvas_->devicePixelRatioF() : 1.0;
    return pickScene(context_.document.project(), sceneOptions(), camera().combined(), viewport(),
                     static_cast<int>(position.x() * ratio),
                     static_cast<int>(position.y() * ratio));
}

void ViewForm::mousePressed(QMouseEvent* event) {
    beginDrag(drag_, context_.camera, context_.document.project(), event->position().toPoint().x(),
              event->position().toPoint().y());
}

void ViewForm::mouseMoved(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    updateCursor();
    if (drag_.dragging) {
        changeOptions([&](ProjectOptions& o) { dragTo(drag_, o, at.x(), at.y()); });
        return;
    }
    showHint(at);
}

void ViewForm::showHint(QPoint position) {
    const auto hint = hoverHint(context_.document.project(), pickAt(position));
    QString text;
    if (hint) text = QString::fromStdString(*hint).replace('\r', '\n');
    canvas_->setToolTip(text);
    // A hint already on screen follows the cursor's item at once.
    if (QToolTip::isVisible()) {
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(canvas_->mapToGlobal(position), text, canvas_);
    }
}

void ViewForm::mouseReleased(QMouseEvent* event) {
    endDrag(drag_, context_.camera);
    redraw();
    const bool held =
        (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) ||
        event->buttons() != Qt::NoButton;
    if (picksOnRelease(context_.document.pickSession(), held))
        pickAtRelease(event->position().toPoint());
}

void ViewForm::pickAtRelease(QPoint position) {
    EditorLog log(context_);
    const FailureSignal fail(log, context_.general.PlaySound, [] { QApplication::beep(); });
    context_.document.pick(pickAt(position), log, fail);
    updateCursor();
    redraw();
}

void ViewForm::updateCursor() {
    if (!canvas_) return;
    if (picking(context_.document.pickSession()))
        canvas_->setCursor(Qt::PointingHandCursor);
    else
        canvas_->unsetCursor();
}

void ViewForm::wheelTurned(QWheelEvent* event) {
    changeOptions(
        [&](ProjectOptions& o) { turnWheel(o, wheelRemainder_, event->angleDelta().y()); });
    event->accept();
}

bool ViewForm::keyPressed(QKeyEvent* event) {
    const ViewKey key = viewKeyOf(event->key());
    if (key == ViewKey::Other) return false;
    bool moved = false;
    changeOptions([&](ProjectOptions& o) { moved = pressViewKey(o, context_.camera, key); });
    if (moved) cameraMoved();
    return true;
}

void ViewForm::contextMenuRequested(QContextMenuEvent* event) {
    // The menu takes the button's release: the press must not leave a drag behind.
    endDrag(drag_, context_.camera);
    QMenu menu(this);
    menu.setObjectName("ViewPopupMenu");
    fillCameraMenu(menu, context_.document.options().Perspective,
                   [this](CameraCommand command) { runCamera(command); });
    menu.exec(event->globalPos());
    redraw();
}

} // namespace meshsmith
