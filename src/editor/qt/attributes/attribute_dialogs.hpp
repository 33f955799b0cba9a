#pragma once
// The two modal attribute dialogs: "Set Visibility within GPL" (the display
// class) and "Project Description". OK / "Save && Close" store through the
// attribute operations; Cancel changes nothing.

#include "editor/core/shell/editor_context.hpp"

#include <QDialog>

class QComboBox;
class QLineEdit;

namespace meshsmith {

class DisplayClassForm : public QDialog {
    Q_OBJECT
  public:
    DisplayClassForm(EditorContext& context, QWidget* parent);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void onOk();
    EditorContext& context_;
    QComboBox* classBox_ = nullptr;
};

class DescForm : public QDialog {
    Q_OBJECT
  public:
    DescForm(EditorContext& context, QWidget* parent);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void onSave();
    EditorContext& context_;
    QLineEdit* descriptionEdit_ = nullptr;
};

} // namespace meshsmith
