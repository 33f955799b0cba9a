// The view's window: its OpenGL surface (or the notice that there is none),
// the drawing, the rotation timer and the pop-up menu's camera commands.
#include "editor/qt/view/view_form.hpp"

#include "editor/qt/view/scene_renderer_gl.hpp"
#include "editor/qt/view/view_canvas.hpp"
#include "model/colour_text.hpp"

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

ViewForm::ViewForm(EditorContext& context, DocumentSignal& signal, QWidget* parent)
    : QWidget(parent), context_(context) {
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
        ProjectOptions o = context_.document.options();
        if (rotationTick(o, context_.camera)) context_.document.setOptions(o);
    });
    connect(&signal, &DocumentSignal::changed, this, &ViewForm::onDocumentChanged);
    showCaption();
}

void ViewForm::onDocumentChanged(const DocumentChange& change) {
    if (change.any(DocumentChange::File)) showCaption();
    redraw();
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
    textures_.release(); // a bitmap or mask may have changed on disk under the same name
    textures_.update(context_.document.project(), context_.document.textureVersion(),
                     context_.appFolder, log);
    canvas_->doneCurrent();
    redraw();
}

void ViewForm::showCaption() {
    setWindowTitle(QString::fromStdString(context_.document.project().viewCaption));
}

void ViewForm::setBackColourPreview(bool on) {
    backColourPreview_ = on;
    redrawNow();
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
    o.pivotVertex = context_.document.pivot().vertex;
    o.originPivot = context_.document.pivot().origin;
    o.showVertices = verticesShown(context_.document.options(), context_.camera);
    o.marks = &context_.document.marks();
    o.backColourPreview = backColourPreview_;
    return o;
}

Viewport ViewForm::viewport() const {
    const QWidget* surface = canvas_ ? static_cast<const QWidget*>(canvas_) : this;
    const qreal ratio = surface->devicePixelRatioF();
    return {0, 0, static_cast<int>(surface->width() * ratio),
            static_cast<int>(surface->height() * ratio)};
}

CameraMatrices ViewForm::camera() const {
    const Project& p = context_.document.project();
    return cameraMatrices(
        cameraViewOf(p.options, p.bounds, context_.camera.preset, context_.camera.panScale),
        viewport());
}

void ViewForm::paintGl() {
    const Project& p = context_.document.project();
    EditorLog log(context_);
    textures_.update(p, context_.document.textureVersion(), context_.appFolder, log);
    const SceneOptions options = sceneOptions();
    const auto grid = textToColour(context_.general.GridColor);
    paintScene({p, options, colourToRgb(grid.value_or(0)), textures_, camera().combined()});
    ++drawCount_;
    sceneDrawn();
}

QImage ViewForm::grabScene() {
    return canvas_ ? canvas_->grabFramebuffer() : QImage();
}

void ViewForm::changeOptions(const std::function<void(ProjectOptions&)>& change) {
    ProjectOptions o = context_.document.options();
    change(o);
    context_.document.setOptions(o);
}

void ViewForm::cameraMoved() {
    setRotating(context_.camera.rotating());
    cameraChanged();
    redraw();
}

void ViewForm::runCamera(CameraCommand command) {
    changeOptions([&](ProjectOptions& o) {
        runCameraCommand(o, context_.camera, context_.document.project().bounds, command);
    });
    if (command != CameraCommand::Perspective) cameraMoved();
}

void ViewForm::onResetView() {
    runCamera(CameraCommand::ResetView);
}

void ViewForm::onZoomAll() {
    runCamera(CameraCommand::ZoomAll);
}

void ViewForm::onCustomView() {
    runCamera(CameraCommand::Custom);
}

} // namespace meshsmith
