#pragma once
// The viewer's OpenGL surface: it draws the scene it is given in the tree's
// order from the camera, and moves the camera with the editor's controls
// (drag to pan, wheel to zoom, the F1..F8 and arrow keys, the pop-up menu).
// Under the mouse it names the polygon the game shows there.

#include "viewer/core/viewer_scene.hpp"
#include "viewer/qt/viewer_renderer_gl.hpp"

#include "editor/core/view/camera.hpp"
#include "editor/core/view/camera_commands.hpp"

#include <QOpenGLWidget>

#include <map>
#include <optional>
#include <vector>

namespace meshsmith::viewer {

class ViewerCanvas : public QOpenGLWidget {
  public:
    explicit ViewerCanvas(QWidget* parent = nullptr);
    ~ViewerCanvas() override;

    // Shows `scene` (nullptr: nothing). A new file is framed by Zoom All; a
    // reload keeps the camera. The scene must live until the next call.
    void setScene(const ViewerScene* scene, bool keepCamera);
    void setSwitches(const ViewSwitches& switches);
    const ViewSwitches& switches() const { return switches_; }
    bool perspective() const { return camera_.Perspective; }
    void runCamera(CameraCommand command);
    // How many frames were drawn (tests wait for one).
    int drawCount() const { return drawCount_; }

  protected:
    void initializeGL() override;
    void paintGL() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    Viewport viewport() const;
    CameraMatrices matrices() const;
    void rebuildTextures();
    void releaseTextures();
    void hover(QPoint at);
    QString hint(const DrawnPolygon& drawn) const;

    const ViewerScene* scene_ = nullptr;
    ProjectOptions camera_; // only the camera's values are used
    CameraControls controls_;
    DragState drag_;
    int wheelRemainder_ = 0;
    ViewSwitches switches_;
    std::map<std::int32_t, unsigned> textures_;
    bool texturesStale_ = false;
    std::vector<DrawnPolygon> drawn_; // of the last frame
    std::optional<std::size_t> hovered_;
    int drawCount_ = 0;
};

} // namespace meshsmith::viewer
