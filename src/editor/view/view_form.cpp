#include "view_form.hpp"

#include <QPainter>

namespace meshsmith {

ViewForm::ViewForm(Project& project, QWidget* parent) : QWidget(parent), project_(project) {
    setObjectName("ViewForm");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(64, 64);
    rotationTimer_.setInterval(1);
    connect(&rotationTimer_, &QTimer::timeout, this, [this] { rotationTick(); });
    showCaption();
}

void ViewForm::redraw() {
    update();
}

void ViewForm::showCaption() {
    setWindowTitle(QString::fromStdString(project_.viewCaption));
}

void ViewForm::setRotating(bool on) {
    if (on == rotationTimer_.isActive()) return;
    on ? rotationTimer_.start() : rotationTimer_.stop();
}

void ViewForm::paintEvent(QPaintEvent*) {
    const Rgb& back = project_.drawColours.background;
    QPainter painter(this);
    painter.fillRect(rect(), QColor::fromRgbF(back.r, back.g, back.b));
    painter.end();
    ++drawCount_;
    sceneDrawn();
}

} // namespace meshsmith
