#include "editor/qt/view/view_canvas.hpp"

#include "editor/qt/view/view_form.hpp"

#include <QKeyEvent>

namespace meshsmith {

ViewCanvas::ViewCanvas(ViewForm& form) : QOpenGLWidget(&form), form_(form) {
    setObjectName("ViewCanvas");
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true); // hover hints on every move
}

ViewCanvas::~ViewCanvas() {
    // The texture objects belong to this context: free them while it exists.
    makeCurrent();
    form_.releaseGl();
    doneCurrent();
}

void ViewCanvas::initializeGL() {
    form_.initialiseGl();
}

void ViewCanvas::paintGL() {
    form_.paintGl();
}

void ViewCanvas::mousePressEvent(QMouseEvent* event) {
    form_.mousePressed(event);
}

void ViewCanvas::mouseMoveEvent(QMouseEvent* event) {
    form_.mouseMoved(event);
}

void ViewCanvas::mouseReleaseEvent(QMouseEvent* event) {
    form_.mouseReleased(event);
}

void ViewCanvas::wheelEvent(QWheelEvent* event) {
    form_.wheelTurned(event);
}

void ViewCanvas::keyPressEvent(QKeyEvent* event) {
    if (!form_.keyPressed(event)) QOpenGLWidget::keyPressEvent(event);
}

void ViewCanvas::contextMenuEvent(QContextMenuEvent* event) {
    form_.contextMenuRequested(event);
}

} // namespace meshsmith
