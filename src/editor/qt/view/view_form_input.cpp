// The view's mouse, wheel, keys and pop-up menu: panning, zooming, hover
// hints and the picking of vertices for the pick modes.
#include "editor/core/view/hit_names.hpp"
#include "editor/core/view/picking.hpp"
#include "editor/qt/view/view_canvas.hpp"
#include "editor/qt/view/view_form.hpp"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QToolTip>
#include <QWheelEvent>

namespace meshsmith {
namespace {

ViewKey viewKeyOf(int key) {
    switch (key) {
    case Qt::Key_F1:
        return ViewKey::F1;
    case Qt::Key_F2:
        return ViewKey::F2;
    case Qt::Key_F3:
        return ViewKey::F3;
    case Qt::Key_F4:
        return ViewKey::F4;
    case Qt::Key_F5:
        return ViewKey::F5;
    case Qt::Key_F6:
        return ViewKey::F6;
    case Qt::Key_F7:
        return ViewKey::F7;
    case Qt::Key_F8:
        return ViewKey::F8;
    case Qt::Key_Left:
        return ViewKey::Left;
    case Qt::Key_Right:
        return ViewKey::Right;
    case Qt::Key_Up:
        return ViewKey::Up;
    case Qt::Key_Down:
        return ViewKey::Down;
    default:
        return ViewKey::Other;
    }
}

} // namespace

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
    // One step per notch; finer wheels add up to whole notches.
    wheelRemainder_ += event->angleDelta().y();
    changeOptions([this](ProjectOptions& o) {
        for (; wheelRemainder_ >= 120; wheelRemainder_ -= 120)
            wheelZoom(o, WheelStep::Up);
        for (; wheelRemainder_ <= -120; wheelRemainder_ += 120)
            wheelZoom(o, WheelStep::Down);
    });
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
    connect(menu.addAction("Reset View"), &QAction::triggered, this, &ViewForm::onResetView);
    connect(menu.addAction("Zoom All"), &QAction::triggered, this, &ViewForm::onZoomAll);
    QAction* perspective = menu.addAction("Perspective View");
    perspective->setCheckable(true);
    perspective->setChecked(context_.document.options().Perspective);
    connect(perspective, &QAction::triggered, this, &ViewForm::onPerspective);
    menu.addSeparator();
    connect(menu.addAction("Left"), &QAction::triggered, this, &ViewForm::onLeftView);
    connect(menu.addAction("Right"), &QAction::triggered, this, &ViewForm::onRightView);
    connect(menu.addAction("Front"), &QAction::triggered, this, &ViewForm::onFrontView);
    connect(menu.addAction("Back"), &QAction::triggered, this, &ViewForm::onBackView);
    connect(menu.addAction("Top"), &QAction::triggered, this, &ViewForm::onTopView);
    connect(menu.addAction("Bottom"), &QAction::triggered, this, &ViewForm::onBottomView);
    connect(menu.addAction("Custom"), &QAction::triggered, this, &ViewForm::onCustomView);
    menu.exec(event->globalPos());
    redraw();
}

} // namespace meshsmith
