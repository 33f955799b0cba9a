#pragma once
// The editor's 3D window, the one child of the main window. It shows the
// project's caption ("New Project" for a new project) and draws the project;
// after every drawing it calls `sceneDrawn`, where the main window opens the
// project named on the command line at the first repaint. Its rotation timer
// turns the camera while a rotate button of the main window is down.

#include "model/project.hpp"

#include <QTimer>
#include <QWidget>

#include <functional>

namespace meshsmith {

class ViewForm : public QWidget {
    Q_OBJECT
  public:
    ViewForm(Project& project, QWidget* parent = nullptr);

    // Asks for a repaint; the drawing happens when the event loop gets to it.
    void redraw();
    // Shows the project's caption in the title bar.
    void showCaption();
    // The 1 ms rotation timer on or off.
    void setRotating(bool on);
    bool rotating() const { return rotationTimer_.isActive(); }
    // How many times the scene was drawn (tests wait for the first drawing).
    int drawCount() const { return drawCount_; }

    std::function<void()> sceneDrawn = [] {};
    std::function<void()> rotationTick = [] {};

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Project& project_;
    QTimer rotationTimer_;
    int drawCount_ = 0;
};

} // namespace meshsmith
