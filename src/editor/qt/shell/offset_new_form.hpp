#pragma once
// "Offset New Vertices ?": the X, Y and Z offsets added to every vertex that an
// import or Add From Project appends to a project that already holds data.

#include "model/user_interaction.hpp"

#include <QDialog>

#include <optional>

class QLineEdit;
class QPushButton;

namespace meshsmith {

class UserPrompts;

class OffsetNewForm : public QDialog {
    Q_OBJECT
  public:
    // `prompts` shows the message of a box that does not hold a number.
    OffsetNewForm(UserPrompts& prompts, QWidget* parent = nullptr);

    // Shows the dialog modally with the three boxes and the offsets reset to 0;
    // the offsets when "Add with Offset" was pressed, nullopt for Cancel.
    std::optional<VertexOffset> ask();

    QLineEdit* xEdit_ = nullptr; // X
    QLineEdit* yEdit_ = nullptr; // Y
    QLineEdit* zEdit_ = nullptr; // Z
    QPushButton* offsetButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;

    // The offsets of the last confirmed dialog (all 0 until then).
    const VertexOffset& offsets() const { return offsets_; }

  public slots:
    void onAddWithOffset();
    void onCancel();

  private:
    void resetBoxes();

    UserPrompts& prompts_;
    VertexOffset offsets_;
};

} // namespace meshsmith
