#pragma once
// The editor's 3D window, the one child of the main window: it draws the
// project with OpenGL and lets the user turn, zoom and pan the camera (drags,
// wheel, keys, the pop-up menu), names what is under the cursor in its hint,
// and picks vertices for the pick session that an editing window started. It
// draws the document as it is and redraws whenever the document changes.
// When OpenGL cannot serve it, it says so and every other command still works.
//
// After every drawing it calls `sceneDrawn` (the main window opens the project
// named on the command line at the first one); `cameraChanged` tells the main
// window that the view moved the camera's bars or released its rotate buttons.

#include "editor/core/shell/editor_context.hpp"
#include "editor/core/view/camera.hpp"
#include "editor/core/view/camera_commands.hpp"
#include "editor/qt/shell/document_signal.hpp"
#include "editor/qt/view/texture_handles_gl.hpp"

#include <QImage>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <optional>

class QLabel;
class QMouseEvent;
class QWheelEvent;
class QKeyEvent;
class QContextMenuEvent;

namespace meshsmith {

class ViewCanvas;

// Why this system's OpenGL cannot serve the view, or nullopt when it can.
std::optional<std::string> systemOpenGlProblem();

class ViewForm : public QWidget {
    Q_OBJECT
  public:
    ViewForm(EditorContext& context, DocumentSignal& signal, QWidget* parent = nullptr);
    ~ViewForm() override;

    // Asks for a repaint; the drawing happens when the event loop gets to it.
    void redraw();
    // Draws at once (camera moves that show the scene without its vertices).
    void redrawNow();
    // Rebuilds the texture objects at once from the files (the texture library
    // window waits for it, logging each file that cannot be read).
    void rebuildTextures();
    // Shows the project's caption in the title bar.
    void showCaption();
    // "Check Texture-specific Background Colors": textured polygons drawn in
    // their background colour while on.
    void setBackColourPreview(bool on);
    // The 1 ms rotation timer on or off.
    void setRotating(bool on);
    bool rotating() const { return rotationTimer_.isActive(); }
    // How many times the scene was drawn (tests wait for the first drawing).
    int drawCount() const { return drawCount_; }
    // Why there is no OpenGL drawing, or nullopt.
    const std::optional<std::string>& openGlProblem() const { return problem_; }
    // What the view shows, as drawn by OpenGL (a null image without OpenGL).
    QImage grabScene();
    // The drawing area in device pixels and the camera for it.
    Viewport viewport() const;
    CameraMatrices camera() const;
    // The widget that draws and takes the mouse and keys (nullptr without OpenGL).
    QWidget* canvas() const;

    std::function<void()> sceneDrawn = [] {};
    std::function<void()> cameraChanged = [] {};

    // A command of the pop-up menu.
    void runCamera(CameraCommand command);

  public slots:
    void onResetView();
    void onZoomAll();
    void onCustomView();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    friend class ViewCanvas;
    // Called by the canvas.
    void initialiseGl();
    void paintGl();
    void releaseGl();
    void mousePressed(QMouseEvent* event);
    void mouseMoved(QMouseEvent* event);
    void mouseReleased(QMouseEvent* event);
    void wheelTurned(QWheelEvent* event);
    bool keyPressed(QKeyEvent* event);
    void contextMenuRequested(QContextMenuEvent* event);

    SceneOptions sceneOptions() const;
    std::vector<PickHit> pickAt(QPoint position) const;
    void showHint(QPoint position);
    void pickAtRelease(QPoint position);
    // The camera's options as `change` leaves a copy of them.
    void changeOptions(const std::function<void(ProjectOptions&)>& change);
    void cameraMoved();
    void updateCursor();
    void onDocumentChanged(const DocumentChange& change);

    EditorContext& context_;
    ViewCanvas* canvas_ = nullptr;
    QLabel* notice_ = nullptr;
    std::optional<std::string> problem_;
    TextureHandles textures_;
    QTimer rotationTimer_;
    DragState drag_;
    int wheelRemainder_ = 0;
    int drawCount_ = 0;
    bool backColourPreview_ = false;
};

} // namespace meshsmith
