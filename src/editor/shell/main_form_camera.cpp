// The main window's central area (the view above, the camera controls and the
// log below) and the camera scroll bars and rotate buttons.
#include "main_form.hpp"

#include "view/view_form.hpp"

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
        connect(bars[row], &QScrollBar::sliderReleased, this, &MainForm::RedrawView);
    }
    connect(xBar_, &QScrollBar::valueChanged, this, [this](int v) {
        rotationChanged(xBar_, &ProjectOptions::RotationX, "X-Rotation: ", v);
    });
    connect(yBar_, &QScrollBar::valueChanged, this, [this](int v) {
        rotationChanged(yBar_, &ProjectOptions::RotationY, "Y-Rotation: ", v);
    });
    connect(zBar_, &QScrollBar::valueChanged, this, [this](int v) {
        rotationChanged(zBar_, &ProjectOptions::RotationZ, "Z-Rotation: ", v);
    });
    connect(zoomBar_, &QScrollBar::valueChanged, this, &MainForm::zoomChanged);
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
                &MainForm::CopyLogClipboardClick);
        connect(menu.addAction("Save As Log File"), &QAction::triggered, this,
                &MainForm::SaveLogClick);
        connect(menu.addAction("Clear All"), &QAction::triggered, this,
                &MainForm::ClearAllLogClick);
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
    view_ = new ViewForm(context_.project);
    Qt::WindowFlags flags = Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (context_.general.NoCaption) flags |= Qt::FramelessWindowHint;
    viewWindow_ = mdi_->addSubWindow(view_, flags);
    viewWindow_->setObjectName("ViewWindow");
    viewWindow_->showMaximized();
    view_->sceneDrawn = [this] { openCommandLineProject(); };
    view_->rotationTick = [this] { rotationTick(); };
}

void MainForm::rotationChanged(QScrollBar* bar, std::int32_t ProjectOptions::*angle,
                               const char* label, int value) {
    context_.project.options.*angle = value;
    bar->setToolTip(QString(label) + QString::number(value) + QChar(0x00B0));
    redrawWithoutVertices();
}

void MainForm::zoomChanged(int value) {
    context_.project.options.ZoomRatio = value;
    zoomBar_->setToolTip("Zoom-Ratio: " + QString::number(value));
    redrawWithoutVertices();
}

// While the camera moves only lines and polygons are drawn (when there are
// any), which keeps big projects quick to turn.
void MainForm::redrawWithoutVertices() {
    Project& p = context_.project;
    p.ShowVerticesNow = p.lines.empty() && p.polygons.empty();
    if (view_) view_->repaint();
    p.ShowVerticesNow = p.options.ShowVertices;
}

void MainForm::rotateButtonClicked() {
    Project& p = context_.project;
    struct Axis {
        QPushButton* button;
        QScrollBar* bar;
        std::int32_t ProjectOptions::*angle;
    } axes[] = {{xRotate_, xBar_, &ProjectOptions::RotationX},
                {yRotate_, yBar_, &ProjectOptions::RotationY},
                {zRotate_, zBar_, &ProjectOptions::RotationZ}};
    bool anyDown = false;
    for (const Axis& a : axes) {
        const bool down = a.button->isChecked();
        const int angle = p.options.*a.angle;
        a.bar->setValue(angle);
        p.options.*a.angle = angle; // the bar's range must not cut the running angle
        a.bar->setEnabled(!down);
        anyDown = anyDown || down;
    }
    p.ShowVerticesNow = anyDown ? false : p.options.ShowVertices;
    view_->setRotating(anyDown);
    RedrawView();
}

void MainForm::rotationTick() {
    Project& p = context_.project;
    auto turn = [](std::int32_t& angle) { angle = angle >= 361 ? 0 : angle + 1; };
    if (xRotate_->isChecked()) turn(p.options.RotationX);
    if (yRotate_->isChecked()) turn(p.options.RotationY);
    if (zRotate_->isChecked()) turn(p.options.RotationZ);
    RedrawView();
}

void MainForm::CopyLogClipboardClick() {
    QApplication::clipboard()->setText(logPane_->toPlainText());
}

void MainForm::ClearAllLogClick() {
    logPane_->clear();
}

} // namespace meshsmith
