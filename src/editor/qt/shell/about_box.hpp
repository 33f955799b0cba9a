#pragma once
// The About box with the system information of this platform, and the help commands.

#include "editor/core/shell/editor_context.hpp"

#include <QDialog>
#include <QPointer>

class QPlainTextEdit;

namespace meshsmith {

class AboutBox : public QDialog {
    Q_OBJECT
  public:
    // `view` is the 3D view whose size and OpenGL context the box describes (may be null).
    AboutBox(EditorContext& context, QWidget* view, QWidget* parent = nullptr);

  protected:
    // Fills the "System Information:" pane.
    void showEvent(QShowEvent* event) override;

  private:
    QPointer<QWidget> view_;
    QPlainTextEdit* info_ = nullptr;
};

// Online Help (the user guide beside the program) and Local Help.
void openOnlineHelp(EditorContext& context);
void openLocalHelp(EditorContext& context);

// Tool tips of the whole application on or off ("Show ToolTips").
void setApplicationToolTips(bool on);

} // namespace meshsmith
