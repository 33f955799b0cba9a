#pragma once
// The main window of 3DO-View: one 3DO file at a time, opened from the
// command line, File > Open, the recent files or a file dropped on the
// window; its counts in the status bar; the view's switches in the View
// menu; and a reload, keeping the camera, whenever the file changes on disk.

#include "viewer/core/viewer_scene.hpp"

#include "editor/core/shell/recent_files.hpp"

#include <QFileSystemWatcher>
#include <QMainWindow>
#include <QTimer>

#include <functional>
#include <optional>
#include <string>

class QLabel;
class QListWidget;
class QDockWidget;

namespace meshsmith::viewer {

class ViewerCanvas;

class ViewerWindow : public QMainWindow {
    Q_OBJECT
  public:
    // `settingsFile`: the editor's Meshsmith.ini, for its bitmap folder and
    // the viewer's own recent files.
    explicit ViewerWindow(std::string settingsFile, QWidget* parent = nullptr);
    ~ViewerWindow() override;

    // Opens `path`; the reason when it is refused (the window is unchanged then).
    std::optional<std::string> open(const std::string& path);
    // Opens a file chosen in the window: a refusal goes to `refuse`.
    void openFromWindow(const std::string& path);
    // The open dialog, in the folder of the most recent file.
    void askForFile();
    // Reads the file again, keeping the camera; a refusal shows in the status bar.
    void reload();

    ViewerCanvas* canvas() const { return canvas_; }
    QString countsText() const;
    const std::string& path() const { return path_; }

    // How a refusal of a file chosen in the window is shown (a message box).
    std::function<void(const QString&)> refuse;

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void buildMenus();
    void fillRecentMenu();
    void present(ViewerScene scene, const std::string& path, bool keepCamera);
    void watch(const std::string& path);
    void fillVolumeList();
    void switchesChanged();

    std::string settingsFile_;
    std::string bitmapFolder_;
    RecentFiles recent_;
    ViewerCanvas* canvas_ = nullptr;
    QLabel* counts_ = nullptr;
    QDockWidget* volumesDock_ = nullptr;
    QListWidget* volumes_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    QAction* collisionAction_ = nullptr;
    QAction* nodePlanesAction_ = nullptr;
    QAction* fromBehindAction_ = nullptr;
    QFileSystemWatcher watcher_;
    QTimer reloadTimer_;
    std::optional<ViewerScene> scene_;
    std::string path_;
};

} // namespace meshsmith::viewer
