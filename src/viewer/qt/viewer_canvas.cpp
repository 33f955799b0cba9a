#include "viewer/qt/viewer_canvas.hpp"

#include "viewer/core/first_camera.hpp"
#include "viewer/core/polygon_pick.hpp"

#include "editor/qt/view/camera_input.hpp"
#include "editor/qt/view/texture_handles_gl.hpp"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QToolTip>
#include <QWheelEvent>
#include <qopengl.h>

namespace meshsmith::viewer {

ViewerCanvas::ViewerCanvas(QWidget* parent) : QOpenGLWidget(parent) {
    setObjectName("ViewerCanvas");
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setMinimumSize(64, 64);
}

ViewerCanvas::~ViewerCanvas() {
    makeCurrent();
    releaseTextures();
    doneCurrent();
}

void ViewerCanvas::setScene(const ViewerScene* scene, bool keepCamera) {
    scene_ = scene;
    drawn_.clear();
    hovered_.reset();
    texturesStale_ = true;
    if (scene_ && !keepCamera) {
        const Viewport v = viewport();
        firstCamera(camera_, controls_, scene_->bounds, v.width, v.height);
    }
    update();
}

void ViewerCanvas::setSwitches(const ViewSwitches& switches) {
    switches_ = switches;
    update();
}

void ViewerCanvas::runCamera(CameraCommand command) {
    runCameraCommand(camera_, controls_, scene_ ? scene_->bounds : BoundingBox{}, command);
    update();
}

Viewport ViewerCanvas::viewport() const {
    const qreal ratio = devicePixelRatioF();
    return {0, 0, static_cast<int>(width() * ratio), static_cast<int>(height() * ratio)};
}

CameraMatrices ViewerCanvas::matrices() const {
    const BoundingBox bounds = scene_ ? scene_->bounds : BoundingBox{};
    return cameraMatrices(cameraViewOf(camera_, bounds, controls_.preset, controls_.panScale),
                          viewport());
}

void ViewerCanvas::releaseTextures() {
    for (const auto& [offset, name] : textures_)
        if (name) glDeleteTextures(1, &name);
    textures_.clear();
}

void ViewerCanvas::rebuildTextures() {
    releaseTextures(); // a bitmap may have changed on disk under the same name
    if (scene_)
        for (const auto& [offset, path] : scene_->bitmaps)
            textures_[offset] = path.empty() ? 0 : loadBmpTexture(path);
    texturesStale_ = false;
}

void ViewerCanvas::initializeGL() {
    glShadeModel(GL_SMOOTH);
}

void ViewerCanvas::paintGL() {
    if (texturesStale_) rebuildTextures();
    const CameraMatrices m = matrices();
    drawn_.clear();
    if (scene_) drawn_ = drawOrder(scene_->file, eyeOfCamera(m.modelview, camera_.Perspective));
    static const ViewerScene kNothing{};
    paintFrame({scene_ ? *scene_ : kNothing, drawn_, textures_, switches_, hovered_, m.combined()});
    ++drawCount_;
}

void ViewerCanvas::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    beginDrag(drag_, controls_, Project{}, at.x(), at.y());
}

void ViewerCanvas::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (dragTo(drag_, camera_, at.x(), at.y())) {
        update();
        return;
    }
    hover(at);
}

void ViewerCanvas::mouseReleaseEvent(QMouseEvent*) {
    endDrag(drag_, controls_);
    update();
}

void ViewerCanvas::hover(QPoint at) {
    if (!scene_) return;
    const qreal ratio = devicePixelRatioF();
    const auto hit = polygonUnderPoint(scene_->file, drawn_, matrices().combined(), viewport(),
                                       at.x() * ratio, at.y() * ratio);
    if (hit == hovered_) return;
    hovered_ = hit;
    const QString text = hit ? hint(drawn_[*hit]) : QString();
    setToolTip(text);
    if (QToolTip::isVisible()) QToolTip::showText(mapToGlobal(at), text, this);
    if (switches_.nodePlanes) update();
}

QString ViewerCanvas::hint(const DrawnPolygon& d) const {
    const inspect3do::StringEntry* name = scene_->file.stringAt(d.textureGroup->stringOffset);
    QString text =
        QString("Polygon at data offset %1\nTexture: %2\nNode at data offset %3 (%4 group)")
            .arg(d.polygon->offset)
            .arg(name ? QString::fromStdString(name->text) : QString("?"))
            .arg(d.node->offset)
            .arg(d.backGroup ? "back" : "front");
    if (scene_->fromBehind[recordIndex(scene_->file, *d.polygon)]) text += "\nShown from behind";
    return text;
}

void ViewerCanvas::wheelEvent(QWheelEvent* event) {
    turnWheel(camera_, wheelRemainder_, event->angleDelta().y());
    event->accept();
    update();
}

void ViewerCanvas::keyPressEvent(QKeyEvent* event) {
    const ViewKey key = viewKeyOf(event->key());
    if (key == ViewKey::Other) return QOpenGLWidget::keyPressEvent(event);
    if (pressViewKey(camera_, controls_, key)) update();
}

void ViewerCanvas::contextMenuEvent(QContextMenuEvent* event) {
    endDrag(drag_, controls_); // the menu takes the button's release
    QMenu menu(this);
    menu.setObjectName("ViewerPopupMenu");
    fillCameraMenu(menu, camera_.Perspective, [this](CameraCommand c) { runCamera(c); });
    menu.exec(event->globalPos());
}

} // namespace meshsmith::viewer
