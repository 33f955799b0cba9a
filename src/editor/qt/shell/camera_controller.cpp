#include "editor/qt/shell/camera_controller.hpp"

#include "editor/qt/view/view_form.hpp"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>

namespace meshsmith {
namespace {

QScrollBar* cameraBar(QWidget* parent, const char* name, int min, int max, int start, int pageStep,
                      const char* hint) {
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setObjectName(name);
    bar->setRange(min, max);
    bar->setValue(start);
    bar->setPageStep(pageStep);
    bar->setToolTip(hint);
    bar->setMinimumWidth(160);
    return bar;
}

QPushButton* rotateButton(QWidget* parent, const char* name, const char* hint) {
    auto* button = new QPushButton("Rotate", parent);
    button->setObjectName(name);
    button->setCheckable(true);
    button->setToolTip(hint);
    return button;
}

} // namespace

CameraController::CameraController(EditorContext& context, DocumentSignal& signal,
                                   MainActions& actions, QWidget* panel, QGridLayout* controls)
    : QObject(panel), context_(context), actions_(actions) {
    xBar_ = cameraBar(panel, "XScrollBar", -360, 360, 0, 2, "Rotate Camera Around X");
    yBar_ = cameraBar(panel, "YScrollBar", -360, 360, 0, 2, "Rotate Camera Around Y");
    zBar_ = cameraBar(panel, "ZScrollBar", -360, 360, 0, 2, "Rotate Camera Around Z");
    zoomBar_ = cameraBar(panel, "ZoomScrollBar", 1, 450, 70, 10, "Zoom Camera In/Out");
    xRotate_ = rotateButton(panel, "XRotateButton", "Automatically Rotate Camera Around X");
    yRotate_ = rotateButton(panel, "YRotateButton", "Automatically Rotate Camera Around Y");
    zRotate_ = rotateButton(panel, "ZRotateButton", "Automatically Rotate Camera Around Z");
    const char* labels[] = {"X", "Y", "Z", "Zoom"};
    QScrollBar* bars[] = {xBar_, yBar_, zBar_, zoomBar_};
    QPushButton* buttons[] = {xRotate_, yRotate_, zRotate_, nullptr};
    for (int row = 0; row < 4; ++row) {
        controls->addWidget(new QLabel(labels[row], panel), row, 0);
        controls->addWidget(bars[row], row, 1);
        if (buttons[row]) controls->addWidget(buttons[row], row, 2);
        // Dragging a bar draws without the vertex spheres; letting go shows them again.
        connect(bars[row], &QScrollBar::sliderReleased, this, [this] {
            context_.camera.verticesHidden = context_.camera.rotating();
            if (view_) view_->redraw();
        });
    }
    connect(xBar_, &QScrollBar::valueChanged, this,
            [this](int v) { barMoved(xBar_, CameraBar::X, "X-Rotation: ", v); });
    connect(yBar_, &QScrollBar::valueChanged, this,
            [this](int v) { barMoved(yBar_, CameraBar::Y, "Y-Rotation: ", v); });
    connect(zBar_, &QScrollBar::valueChanged, this,
            [this](int v) { barMoved(zBar_, CameraBar::Z, "Z-Rotation: ", v); });
    connect(zoomBar_, &QScrollBar::valueChanged, this,
            [this](int v) { barMoved(zoomBar_, CameraBar::Zoom, "Zoom-Ratio: ", v); });
    for (QPushButton* b : {xRotate_, yRotate_, zRotate_})
        connect(b, &QPushButton::clicked, this, &CameraController::rotateButtonClicked);

    using enum MainItem;
    const std::pair<MainItem, bool ProjectOptions::*> switches[] = {
        {ShowAxis, &ProjectOptions::ShowAxis},
        {ShowVertices, &ProjectOptions::ShowVertices},
        {ShowLines, &ProjectOptions::ShowLines},
        {ShowPolygons, &ProjectOptions::ShowPolygons},
        {ShowTextures, &ProjectOptions::ShowTextures}};
    for (auto [which, flag] : switches)
        actions.addCheckable(which, [this, flag](bool on) {
            ProjectOptions o = context_.document.options();
            o.*flag = on;
            context_.document.setOptions(o);
        });
    connect(&signal, &DocumentSignal::changed, this, &CameraController::onDocumentChanged);
}

void CameraController::attachView(ViewForm* view) {
    view_ = view;
    view_->cameraChanged = [this] { showControls(); };
}

// A project opened, closed or cleared (or such a step undone) brings its own
// camera; any change of the options moves the switches.
void CameraController::onDocumentChanged(const DocumentChange& change) {
    if (change.any(DocumentChange::Opened) ||
        (change.any(DocumentChange::File) && change.any(DocumentChange::Options)))
        syncFromProject();
    else if (change.any(DocumentChange::Options))
        showControls();
}

void CameraController::syncFromProject() {
    const ProjectOptions& o = context_.document.options();
    CameraControls& c = context_.camera;
    rotationBarsFollow(c, o);
    c.zoomBar = std::clamp(o.ZoomRatio, barMinimum(CameraBar::Zoom), barMaximum(CameraBar::Zoom));
    showControls();
}

// A bar's change: the camera value takes the bar's position, the hint shows
// it, and the scene is drawn at once (without the vertex spheres while the
// project has lines or polygons).
void CameraController::barMoved(QScrollBar* bar, CameraBar which, const char* label, int value) {
    CameraControls& c = context_.camera;
    ProjectOptions o = context_.document.options();
    moveBar(o, c, which, value);
    QString hint = QString(label) + QString::number(value);
    if (which != CameraBar::Zoom) hint += QChar(0x00B0);
    bar->setToolTip(hint);
    c.verticesHidden = c.rotating() || hidesVerticesWhileMoving(context_.document.project());
    context_.document.setOptions(o);
    if (view_) view_->redrawNow();
    if (!bar->isSliderDown()) c.verticesHidden = c.rotating();
}

void CameraController::rotateButtonClicked() {
    CameraControls& c = context_.camera;
    c.rotateX = xRotate_->isChecked();
    c.rotateY = yRotate_->isChecked();
    c.rotateZ = zRotate_->isChecked();
    // The bars show the running angles; while its button is down a bar rests.
    rotationBarsFollow(c, context_.document.options());
    c.xBarEnabled = !c.rotateX;
    c.yBarEnabled = !c.rotateY;
    c.zBarEnabled = !c.rotateZ;
    c.verticesHidden = c.rotating();
    showControls();
    if (!view_) return;
    view_->setRotating(c.rotating());
    view_->redraw();
}

// The bars and rotate buttons show the camera controls (without running their
// change behaviour again), the switches the options.
void CameraController::showControls() {
    const CameraControls& c = context_.camera;
    const QSignalBlocker bx(xBar_), by(yBar_), bz(zBar_), bzoom(zoomBar_);
    xBar_->setValue(c.xBar);
    yBar_->setValue(c.yBar);
    zBar_->setValue(c.zBar);
    zoomBar_->setValue(c.zoomBar);
    xBar_->setEnabled(c.xBarEnabled);
    yBar_->setEnabled(c.yBarEnabled);
    zBar_->setEnabled(c.zBarEnabled);
    xRotate_->setChecked(c.rotateX);
    yRotate_->setChecked(c.rotateY);
    zRotate_->setChecked(c.rotateZ);
    const ProjectOptions& o = context_.document.options();
    using enum MainItem;
    actions_[ShowAxis]->setChecked(o.ShowAxis);
    actions_[ShowVertices]->setChecked(o.ShowVertices);
    actions_[ShowLines]->setChecked(o.ShowLines);
    actions_[ShowPolygons]->setChecked(o.ShowPolygons);
    actions_[ShowTextures]->setChecked(o.ShowTextures);
}

} // namespace meshsmith
