#pragma once
// The dialog "Transparency" (TransForm): the user picks the transparent
// colour on the texture, sees the mask built from it, and saves the mask
// beside the texture; the texture then uses it. Modal, for one texture.

#include "editor/core/shell/editor_context.hpp"
#include "editor/qt/textures/colour_pick.hpp"

#include <QDialog>

class QPushButton;

namespace meshsmith {

class TransparencyForm : public QDialog {
    Q_OBJECT
  public:
    // `bitmap` is the texture's image, read by the caller.
    TransparencyForm(EditorContext& context, std::int32_t texture, BmpImage bitmap,
                     QWidget* parent);

  private:
    void onPicked(Colour colour);
    void onSave();

    EditorContext& context_;
    std::int32_t texture_;
    BmpImage bitmap_, mask_;
    ImageView *textureImage_ = nullptr, *maskImage_ = nullptr;
    ColourPick* pick_ = nullptr;
    QPushButton* saveButton_ = nullptr;
};

} // namespace meshsmith
