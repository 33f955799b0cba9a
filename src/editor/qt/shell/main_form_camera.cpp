// The main window's central area (the view above, the camera controls and the
// log below) and the camera scroll bars and rotate buttons.
#include "editor/qt/shell/main_form.hpp"

#include "editor/qt/view/view_form.hpp"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSplitter>

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

void MainForm::buildBottomPanel() {
    auto* splitter = new QSplitter(Qt::Vertical, this);
    mdi_ = new QMdiArea(splitter);
    mdi_->setObjectName("MdiArea");

    auto* panel = new QWidget(splitter);
    panel->setObjectName("BottomPanel");
    auto* controls = new QGridLayout;
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
        connect(bars[row], &QScrollBar::sliderReleased, this, &MainForm::redrawView);
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
        connect(b, &QPushButton::clicked, this, &MainForm::rotateButtonClicked);

    logPane_ = new QPlainTextEdit(panel);
    logPane_->setObjectName("LogMemo");
    logPane_->setReadOnly(true);
    logPane_->setLineWrapMode(QPlainTextEdit::NoWrap);
    logPane_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(logPane_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu menu(this);
        connect(menu.addAction("Copy Log To Clipboard"), &QAction::triggered, this,
                &MainForm::onCopyLog);
        connect(menu.addAction("Save As Log File"), &QAction::triggered, this,
                &MainForm::onSaveLog);
        connect(menu.addAction("Clear All"), &QAction::triggered, this, &MainForm::onClearLog);
        menu.exec(logPane_->mapToGlobal(at));
    });

    auto* row = new QHBoxLayout(panel);
    row->addLayout(controls);
    row->addWidget(logPane_, 1);
    splitter->setStretchFactor(0, 1);
    splitter->setSizes({520, 160});
    setCentralWidget(splitter);
}

void MainForm::buildView() {
    view_ = new ViewForm(context_);
    Qt::WindowFlags flags = Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (context_.general.NoCaption) flags |= Qt::FramelessWindowHint;
    viewWindow_ = mdi_->addSubWindow(view_, flags);
    viewWindow_->setObjectName("ViewWindow");
    viewWindow_->showMaximized();
    view_->sceneDrawn = [this] { openCommandLineProject(); };
    view_->cameraChanged = [this] { showCameraControls(); };
    if (const auto& problem = view_->openGlProblem())
        addLogLine("The 3D view is not available: " + *problem + ". All other commands work.");
}

// A bar's change: the camera value takes the bar's position, the hint shows
// it, and the scene is drawn at once (without the vertex spheres while the
// project has lines or polygons).
void MainForm::barMoved(QScrollBar* bar, CameraBar which, const char* label, int value) {
    moveBar(context_.project.options, context_.camera, which, value);
    QString hint = QString(label) + QString::number(value);
    if (which != CameraBar::Zoom) hint += QChar(0x00B0);
    bar->setToolTip(hint);
    redrawWithoutVertices();
}

void MainForm::redrawWithoutVertices() {
    Project& p = context_.project;
    p.ShowVerticesNow = !hidesVerticesWhileMoving(p);
    if (view_) view_->redrawNow();
    p.ShowVerticesNow = p.options.ShowVertices && !context_.camera.rotating();
}

void MainForm::rotateButtonClicked() {
    CameraControls& c = context_.camera;
    c.rotateX = xRotate_->isChecked();
    c.rotateY = yRotate_->isChecked();
    c.rotateZ = zRotate_->isChecked();
    const ProjectOptions& o = context_.project.options;
    // The bars show the running angles; while its button is down a bar rests.
    rotationBarsFollow(c, o);
    c.xBarEnabled = !c.rotateX;
    c.yBarEnabled = !c.rotateY;
    c.zBarEnabled = !c.rotateZ;
    showCameraControls();
    context_.project.ShowVerticesNow = c.rotating() ? false : o.ShowVertices;
    view_->setRotating(c.rotating());
    redrawView();
}

// The bars and rotate buttons show the camera controls (without running their
// change behaviour again).
void MainForm::showCameraControls() {
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
}

void MainForm::onCopyLog() {
    QApplication::clipboard()->setText(logPane_->toPlainText());
}

void MainForm::onClearLog() {
    logPane_->clear();
}

} // namespace meshsmith
