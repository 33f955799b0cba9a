#pragma once
// The project listing in a window ("Project Contents") and on the printer.

#include "editor/core/shell/editor_context.hpp"

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace meshsmith {

class ProjectContentsForm : public QDialog {
    Q_OBJECT
  public:
    ProjectContentsForm(const Project& project, QWidget* parent = nullptr);
    QString text() const;

  protected:
    // Builds the listing anew each time the window is shown.
    void showEvent(QShowEvent* event) override;

  private:
    void onCopy();   // copies the whole text, empties the pane, closes
    void onCancel(); // empties the pane, closes

    const Project& project_;
    QPlainTextEdit* pane_ = nullptr;
};

// Shows the printer dialog and prints the listing (Courier New, 9 points).
// The caller has checked that the project has vertices.
void printProjectListing(const Project& project, QWidget* parent);

} // namespace meshsmith
