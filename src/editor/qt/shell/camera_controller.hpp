#pragma once
// The camera's controls in the main window: the X, Y, Z and zoom scroll bars,
// the rotate buttons and the View Options switches (Show Axis, Vertices,
// Lines, Polygons, Textures). The camera's values are the project's options,
// changed through the document; the controls follow a project opened, closed
// or cleared.

#include "editor/core/shell/editor_context.hpp"
#include "editor/qt/shell/document_signal.hpp"
#include "editor/qt/shell/main_actions.hpp"

#include <QObject>

class QGridLayout;
class QPushButton;
class QScrollBar;

namespace meshsmith {

class ViewForm;

class CameraController : public QObject {
    Q_OBJECT
  public:
    // The bars and buttons go into `controls` (made in `panel`).
    CameraController(EditorContext& context, DocumentSignal& signal, MainActions& actions,
                     QWidget* panel, QGridLayout* controls);

    // The view the camera moves (it tells when it moved the camera itself).
    void attachView(ViewForm* view);
    // The bars, buttons and switches show the camera and the options.
    void showControls();

  private:
    void barMoved(QScrollBar* bar, CameraBar which, const char* label, int value);
    void rotateButtonClicked();
    void syncFromProject();
    void onDocumentChanged(const DocumentChange& change);

    EditorContext& context_;
    MainActions& actions_;
    ViewForm* view_ = nullptr;
    QScrollBar *xBar_ = nullptr, *yBar_ = nullptr, *zBar_ = nullptr, *zoomBar_ = nullptr;
    QPushButton *xRotate_ = nullptr, *yRotate_ = nullptr, *zRotate_ = nullptr;
};

} // namespace meshsmith
