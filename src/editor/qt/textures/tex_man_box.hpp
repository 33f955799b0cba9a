#pragma once
// The dialog "Texture Coordinates" (TexManBox): one vertex's texture
// coordinate typed by hand.

#include "model/track_object.hpp"
#include "model/user_interaction.hpp"

#include <QDialog>

#include <optional>

class QLineEdit;
class QPushButton;

namespace meshsmith {

class TexManBox : public QDialog {
    Q_OBJECT
  public:
    // Shows `start`; a text that is not a number is refused through `prompts`.
    TexManBox(TexCoord start, UserPrompts& prompts, QWidget* parent);
    // The pair typed, once "Ok" was pressed with two numbers; a field left as
    // shown keeps its value unrounded.
    const std::optional<TexCoord>& typed() const { return typed_; }

  private:
    void onOk();

    UserPrompts& prompts_;
    TexCoord start_;
    QLineEdit *xEdit_ = nullptr, *yEdit_ = nullptr;
    QPushButton* okButton_ = nullptr;
    std::optional<TexCoord> typed_;
};

} // namespace meshsmith
