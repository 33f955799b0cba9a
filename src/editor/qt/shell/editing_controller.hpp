#pragma once
// The editing windows in the main window and the commands that edit the
// object directly: Edit > Undo and Redo, the vertex, line and polygon
// windows, the texture windows, the transformation dialogs, the attribute
// dialogs, and the whole-table commands (interpolated vertices, double
// vertices, visualization lines). It owns those commands' actions and the
// windows it opens.

#include "editor/core/shell/editor_context.hpp"
#include "editor/qt/shell/document_signal.hpp"
#include "editor/qt/shell/main_actions.hpp"
#include "editor/qt/textures/texture_images.hpp"
#include "model/edits/visualization_lines.hpp"

#include <QObject>

#include <memory>

namespace meshsmith {

class ViewForm;

class EditingController : public QObject {
    Q_OBJECT
  public:
    EditingController(EditorContext& context, DocumentSignal& signal, MainActions& actions,
                      QWidget* window);

    // The view the texture windows rebuild and the background-colour check draws.
    void attachView(ViewForm* view) { view_ = view; }

  private:
    void addWindowActions(MainActions& actions);
    void addCommandActions(MainActions& actions);
    // Runs `then` when the condition holds; otherwise shows the message.
    void needs(bool condition, const char* message, const std::function<void()>& then);
    void showEditMenu(const DocumentChange& change);
    // The window of type Window, made once by `make` and shown on every command.
    template <typename Window, typename Make> void showWindow(Make make);
    void onCreateVisualizationLines();
    void onConvertVisualizationLines();
    void onCheckBackColors();
    TextureWindowHooks textureHooks();

    EditorContext& context_;
    DocumentSignal& signal_;
    MainActions& actions_;
    QWidget* window_;
    ViewForm* view_ = nullptr;
    std::unique_ptr<EditorLog> log_;
    Rgb lineColour_ = kDefaultLineColour; // every new line and visualization line takes it
};

} // namespace meshsmith
