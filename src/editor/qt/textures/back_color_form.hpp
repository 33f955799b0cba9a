#pragma once
// The dialog "Texture Background Color" (AverageForm): the user picks the
// colour the game shows on the texture's polygons when textures are off,
// and compares it with the texture by toggling between the two, by hand or
// with a timer. Modal, for one texture.

#include "editor/core/shell/editor_context.hpp"
#include "editor/qt/textures/colour_pick.hpp"

#include <QDialog>
#include <QTimer>

#include <optional>

class QCheckBox;
class QScrollBar;

namespace meshsmith {

class BackColorForm : public QDialog {
    Q_OBJECT
  public:
    // `bitmap` is the texture's image, read by the caller.
    BackColorForm(EditorContext& context, std::int32_t texture, BmpImage bitmap, QWidget* parent);

    const QTimer& toggleTimer() const { return toggleTimer_; }

  protected:
    void done(int result) override;

  private:
    void buildControls();
    void onPicked(Colour colour);
    void onToggle();
    void showSide(bool texture);
    void onRateChanged(int rate);
    void onSave();

    EditorContext& context_;
    std::int32_t texture_;
    BmpImage bitmap_;
    QImage textureImage_, colourImage_;
    std::optional<Colour> picked_;
    bool showingTexture_ = false;
    ImageView *image1_ = nullptr, *image2_ = nullptr;
    ColourPick* pick_ = nullptr;
    QCheckBox* autoToggle_ = nullptr;
    QScrollBar* rateBar_ = nullptr;
    QTimer toggleTimer_;
};

} // namespace meshsmith
