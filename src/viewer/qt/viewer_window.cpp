#include "viewer/qt/viewer_window.hpp"

#include "viewer/qt/viewer_canvas.hpp"

#include "editor/core/shell/general_options.hpp"
#include "editor/qt/view/camera_input.hpp"

#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QStatusBar>

namespace meshsmith::viewer {
namespace {

constexpr const char* kRecentSection = "3DO-View Recent Files";
constexpr const char* kTitle = "3DO-View";

} // namespace

ViewerWindow::ViewerWindow(std::string settingsFile, QWidget* parent)
    : QMainWindow(parent), settingsFile_(std::move(settingsFile)), recent_(kRecentSection) {
    setObjectName("ViewerWindow");
    setWindowTitle(kTitle);
    setAcceptDrops(true);
    const IniFile ini(settingsFile_);
    bitmapFolder_ = readGeneralOptions(ini).BMPPath;
    recent_.load(ini);
    canvas_ = new ViewerCanvas(this);
    setCentralWidget(canvas_);
    counts_ = new QLabel(this);
    counts_->setObjectName("ViewerCounts");
    statusBar()->addPermanentWidget(counts_);
    volumes_ = new QListWidget(this);
    volumes_->setObjectName("CollisionVolumes");
    volumesDock_ = new QDockWidget("Collision volumes", this);
    volumesDock_->setWidget(volumes_);
    addDockWidget(Qt::RightDockWidgetArea, volumesDock_);
    volumesDock_->hide();
    buildMenus();
    refuse = [this](const QString& why) { QMessageBox::warning(this, kTitle, why); };
    reloadTimer_.setSingleShot(true);
    reloadTimer_.setInterval(300); // let the converter finish writing
    connect(&reloadTimer_, &QTimer::timeout, this, &ViewerWindow::reload);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, [this] { reloadTimer_.start(); });
    resize(1000, 750);
}

ViewerWindow::~ViewerWindow() = default;

void ViewerWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu("&File");
    file->addAction("&Open...", QKeySequence::Open, this, &ViewerWindow::askForFile);
    recentMenu_ = file->addMenu("Recent Files");
    file->addAction("&Reload", QKeySequence(Qt::CTRL | Qt::Key_R), this, &ViewerWindow::reload);
    file->addSeparator();
    file->addAction("E&xit", QKeySequence::Quit, this, &QWidget::close);
    fillRecentMenu();
    QMenu* view = menuBar()->addMenu("&View");
    const auto toggle = [&](const char* text, bool on) {
        QAction* a = view->addAction(text);
        a->setCheckable(true);
        a->setChecked(on);
        connect(a, &QAction::toggled, this, &ViewerWindow::switchesChanged);
        return a;
    };
    collisionAction_ = toggle("Collision Volumes", false);
    nodePlanesAction_ = toggle("Node Planes under the Mouse", false);
    fromBehindAction_ = toggle("Polygons Shown from Behind in Warning Colour", true);
    QMenu* camera = menuBar()->addMenu("&Camera");
    connect(camera, &QMenu::aboutToShow, this, [this, camera] {
        camera->clear();
        fillCameraMenu(*camera, canvas_->perspective(),
                       [this](CameraCommand c) { canvas_->runCamera(c); });
    });
}

void ViewerWindow::switchesChanged() {
    canvas_->setSwitches({collisionAction_->isChecked(), nodePlanesAction_->isChecked(),
                          fromBehindAction_->isChecked()});
    volumesDock_->setVisible(collisionAction_->isChecked());
}

void ViewerWindow::fillRecentMenu() {
    recentMenu_->clear();
    for (const std::string& path : recent_.entries())
        recentMenu_->addAction(QString::fromStdString(path), this,
                               [this, path] { openFromWindow(path); });
    recentMenu_->setEnabled(!recent_.entries().empty());
}

std::optional<std::string> ViewerWindow::open(const std::string& path) {
    LoadedThreeDo loaded = loadThreeDo(path);
    if (!loaded.file) return loaded.refusal;
    present(viewerScene(std::move(*loaded.file), bitmapFolders(path, {bitmapFolder_})), path,
            false);
    recent_.add(QFileInfo(QString::fromStdString(path)).absoluteFilePath().toStdString());
    IniFile ini(settingsFile_);
    recent_.save(ini);
    fillRecentMenu();
    return std::nullopt;
}

void ViewerWindow::openFromWindow(const std::string& path) {
    if (const auto why = open(path)) refuse(QString::fromStdString(*why));
}

void ViewerWindow::askForFile() {
    const QString start = recent_.entries().empty()
                              ? QString()
                              : QFileInfo(QString::fromStdString(recent_.entries().front())).path();
    const QString chosen = QFileDialog::getOpenFileName(this, "Open 3DO file", start,
                                                        "GPL 3D-Object (*.3do);;All files (*)");
    if (!chosen.isEmpty()) openFromWindow(chosen.toStdString());
}

void ViewerWindow::reload() {
    if (path_.empty()) return;
    LoadedThreeDo loaded = loadThreeDo(path_);
    watch(path_); // a file replaced by a rename is no longer watched
    if (!loaded.file) {
        statusBar()->showMessage("Not reloaded: " + QString::fromStdString(loaded.refusal));
        return;
    }
    present(viewerScene(std::move(*loaded.file), bitmapFolders(path_, {bitmapFolder_})), path_,
            true);
}

void ViewerWindow::present(ViewerScene scene, const std::string& path, bool keepCamera) {
    canvas_->setScene(nullptr, true);
    scene_ = std::move(scene);
    path_ = path;
    canvas_->setScene(&*scene_, keepCamera);
    setWindowTitle(QString(kTitle) + " - " + QFileInfo(QString::fromStdString(path)).fileName());
    counts_->setText(QString::fromStdString(viewer::countsText(scene_->counts)));
    statusBar()->showMessage(QString::fromStdString(missingBitmapsLine(scene_->missingBitmaps)));
    fillVolumeList();
    watch(path);
}

void ViewerWindow::watch(const std::string& path) {
    if (!watcher_.files().isEmpty()) watcher_.removePaths(watcher_.files());
    watcher_.addPath(QString::fromStdString(path));
}

void ViewerWindow::fillVolumeList() {
    volumes_->clear();
    if (!scene_->file.collision) return;
    const auto& all = scene_->file.collision->volumes;
    for (std::size_t i = 0; i < all.size(); ++i) {
        auto* item = new QListWidgetItem(QString::fromStdString(volumeLine(all[i], i)), volumes_);
        const float* c = volumeColour(i);
        item->setForeground(QColor::fromRgbF(c[0] * 0.7f, c[1] * 0.7f, c[2] * 0.7f));
    }
}

QString ViewerWindow::countsText() const {
    return counts_->text();
}

void ViewerWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls() && event->mimeData()->urls().front().isLocalFile())
        event->acceptProposedAction();
}

void ViewerWindow::dropEvent(QDropEvent* event) {
    openFromWindow(event->mimeData()->urls().front().toLocalFile().toStdString());
}

} // namespace meshsmith::viewer
