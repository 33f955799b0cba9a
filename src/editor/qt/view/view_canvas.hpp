#pragma once
// The OpenGL surface of the view: it hands drawing, mouse, wheel and keys to
// its ViewForm.

#include <QOpenGLWidget>

namespace meshsmith {

class ViewForm;

class ViewCanvas : public QOpenGLWidget {
  public:
    explicit ViewCanvas(ViewForm& form);
    ~ViewCanvas() override;

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
    ViewForm& form_;
};

} // namespace meshsmith
