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

// Picks go nowhere while no window waits for them.
class NoReceiver : public PickReceiver {
  public:
    void linePicked(std::int32_t, std::int32_t) override {}
    void polygonPicked(const std::vector<std::int32_t>&) override {}
    void polygonRedefined(std::int32_t) override {}
    void lineRedefined(std::int32_t) override {}
};

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
    return pickScene(context_.project, sceneOptions(), camera().combined(), viewport(),
                     static_cast<int>(position.x() * ratio),
                     static_cast<int>(position.y() * ratio));
}

void ViewForm::mousePressed(QMouseEvent* event) {
    beginDrag(drag_, context_.project, event->position().toPoint().x(),
              event->position().toPoint().y());
}

void ViewForm::mouseMoved(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    updateCursor();
    if (dragTo(drag_, context_.project.options, at.x(), at.y())) {
        redraw();
        return;
    }
    showHint(at);
}

void ViewForm::showHint(QPoint position) {
    const auto hint = hoverHint(context_.project, pickAt(position));
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
    endDrag(drag_, context_.project);
    redraw();
    const bool held =
        (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) ||
        event->buttons() != Qt::NoButton;
    if (picksOnRelease(context_.pickModes, held)) pickAtRelease(event->position().toPoint());
}

void ViewForm::pickAtRelease(QPoint position) {
    EditorLog log(context_);
    const FailureSignal fail(log, context_.general.PlaySound, [] { QApplication::beep(); });
    NoReceiver none;
    PickReceiver& receiver = context_.pickReceiver ? *context_.pickReceiver : none;
    handlePick(context_.pickModes, context_.project, pickAt(position), log, fail, receiver);
    updateCursor();
    redraw();
}

void ViewForm::updateCursor() {
    if (!canvas_) return;
    if (context_.pickModes.anyOn())
        canvas_->setCursor(Qt::PointingHandCursor);
    else
        canvas_->unsetCursor();
}

void ViewForm::wheelTurned(QWheelEvent* event) {
    // One step per notch; finer wheels add up to whole notches.
    wheelRemainder_ += event->angleDelta().y();
    bool changed = false;
    for (; wheelRemainder_ >= 120; wheelRemainder_ -= 120)
        changed = wheelZoom(context_.project.options, WheelStep::Up) || changed;
    for (; wheelRemainder_ <= -120; wheelRemainder_ += 120)
        changed = wheelZoom(context_.project.options, WheelStep::Down) || changed;
    if (changed) redraw();
    event->accept();
}

bool ViewForm::keyPressed(QKeyEvent* event) {
    const ViewKey key = viewKeyOf(event->key());
    if (key == ViewKey::Other) return false;
    if (pressViewKey(context_.project.options, context_.camera, key)) cameraMoved();
    return true;
}

void ViewForm::contextMenuRequested(QContextMenuEvent* event) {
    // The menu takes the button's release: the press must not leave a drag behind.
    endDrag(drag_, context_.project);
    QMenu menu(this);
    menu.setObjectName("ViewPopupMenu");
    connect(menu.addAction("Reset View"), &QAction::triggered, this, &ViewForm::onResetView);
    connect(menu.addAction("Zoom All"), &QAction::triggered, this, &ViewForm::onZoomAll);
    QAction* perspective = menu.addAction("Perspective View");
    perspective->setCheckable(true);
    perspective->setChecked(context_.project.options.Perspective);
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
