// The view's window: its OpenGL surface (or the notice that there is none),
// the drawing, the rotation timer and the pop-up menu's camera commands.
#include "editor/qt/view/view_form.hpp"

#include "model/colour_text.hpp"
#include "editor/qt/view/scene_renderer_gl.hpp"
#include "editor/qt/view/view_canvas.hpp"

#include <QLabel>
#include <QOpenGLContext>
#include <QPainter>
#include <QStackedLayout>
#include <QSurfaceFormat>

namespace meshsmith {

std::optional<std::string> systemOpenGlProblem() {
    QOpenGLContext probe;
    probe.setFormat(QSurfaceFormat::defaultFormat());
    if (!probe.create()) return "no OpenGL rendering context could be created";
    // The drawing uses the fixed-function calls, which a core profile lacks.
    if (probe.format().profile() == QSurfaceFormat::CoreProfile)
        return "the OpenGL context is a core profile without the fixed-function calls";
    return std::nullopt;
}

ViewForm::ViewForm(EditorContext& context, QWidget* parent) : QWidget(parent), context_(context) {
    setObjectName("ViewForm");
    setMinimumSize(64, 64);
    auto* layout = new QStackedLayout(this);
    problem_ = context_.openGlProblem ? context_.openGlProblem() : systemOpenGlProblem();
    if (problem_) {
        notice_ = new QLabel("The 3D view is not available: " + QString::fromStdString(*problem_) +
                                 ".\nAll other commands work.",
                             this);
        notice_->setObjectName("ViewNotice");
        notice_->setAlignment(Qt::AlignCenter);
        notice_->setWordWrap(true);
        layout->addWidget(notice_);
    } else {
        canvas_ = new ViewCanvas(*this);
        layout->addWidget(canvas_);
    }
    rotationTimer_.setInterval(1);
    connect(&rotationTimer_, &QTimer::timeout, this, [this] {
        if (rotationTick(context_.project.options, context_.camera)) redraw();
    });
    showCaption();
}

ViewForm::~ViewForm() {
    // The canvas frees its texture objects while its context still exists.
    delete canvas_;
    canvas_ = nullptr;
}

QWidget* ViewForm::canvas() const {
    return canvas_;
}

void ViewForm::redraw() {
    updateCursor(); // a window may have switched a pick mode on or off
    if (canvas_)
        canvas_->update();
    else
        update();
}

void ViewForm::redrawNow() {
    if (canvas_)
        canvas_->repaint();
    else
        repaint();
}

void ViewForm::rebuildTextures() {
    if (!canvas_ || !canvas_->isValid()) return; // the first drawing builds them
    canvas_->makeCurrent();
    EditorLog log(context_);
    textures_.update(context_.project, context_.appFolder, log);
    canvas_->doneCurrent();
    redraw();
}

void ViewForm::showCaption() {
    setWindowTitle(QString::fromStdString(context_.project.viewCaption));
}

void ViewForm::setRotating(bool on) {
    if (on == rotationTimer_.isActive()) return;
    on ? rotationTimer_.start() : rotationTimer_.stop();
}

// Without OpenGL the window itself is drawn; the project named on the command
// line must still open at its first drawing.
void ViewForm::paintEvent(QPaintEvent*) {
    if (canvas_) return;
    ++drawCount_;
    sceneDrawn();
}

void ViewForm::initialiseGl() {
    initialiseSceneState();
}

void ViewForm::releaseGl() {
    textures_.release();
}

SceneOptions ViewForm::sceneOptions() const {
    SceneOptions o;
    o.showBackfaces = context_.general.ShowBackside;
    o.showGrid = context_.general.ShowGrid;
    o.gridScale = context_.general.GridScale;
    o.gridPointSize = context_.general.GridSize;
    o.pivotVertex = context_.pickModes.PivotVertex;
    o.originPivot = context_.pickModes.OriginPivot;
    return o;
}

Viewport ViewForm::viewport() const {
    const QWidget* surface = canvas_ ? static_cast<const QWidget*>(canvas_) : this;
    const qreal ratio = surface->devicePixelRatioF();
    return {0, 0, static_cast<int>(surface->width() * ratio),
            static_cast<int>(surface->height() * ratio)};
}

CameraMatrices ViewForm::camera() const {
    const Project& p = context_.project;
    return cameraMatrices(
        cameraViewOf(p.options, p.bounds, context_.camera.preset, context_.camera.panScale),
        viewport());
}

void ViewForm::paintGl() {
    Project& p = context_.project;
    EditorLog log(context_);
    textures_.update(p, context_.appFolder, log);
    const SceneOptions options = sceneOptions();
    const auto grid = textToColour(context_.general.GridColor);
    paintScene({p, options, colourToRgb(grid.value_or(0)), textures_, camera().combined()});
    ++drawCount_;
    sceneDrawn();
}

QImage ViewForm::grabScene() {
    return canvas_ ? canvas_->grabFramebuffer() : QImage();
}

void ViewForm::cameraMoved() {
    setRotating(context_.camera.rotating());
    cameraChanged();
    redraw();
}

void ViewForm::onResetView() {
    resetView(context_.project.options, context_.camera);
    cameraMoved();
}

void ViewForm::onZoomAll() {
    zoomAll(context_.project.options, context_.camera, context_.project.bounds);
    cameraMoved();
}

void ViewForm::onPerspective() {
    context_.project.options.Perspective = !context_.project.options.Perspective;
    redraw();
}

void ViewForm::choosePresetAndRedraw(ViewPreset preset) {
    choosePreset(context_.project.options, context_.camera, preset);
    cameraMoved();
}

void ViewForm::onLeftView() {
    choosePresetAndRedraw(ViewPreset::Left);
}

void ViewForm::onRightView() {
    choosePresetAndRedraw(ViewPreset::Right);
}

void ViewForm::onFrontView() {
    choosePresetAndRedraw(ViewPreset::Front);
}

void ViewForm::onBackView() {
    choosePresetAndRedraw(ViewPreset::Back);
}

void ViewForm::onTopView() {
    choosePresetAndRedraw(ViewPreset::Top);
}

void ViewForm::onBottomView() {
    choosePresetAndRedraw(ViewPreset::Bottom);
}

void ViewForm::onCustomView() {
    choosePresetAndRedraw(ViewPreset::Custom);
}

} // namespace meshsmith
