#pragma once
// Picking a colour on a bitmap, as the transparency and background-colour
// dialogs do: armed by its pick button, the hand cursor over the window;
// while the mouse moves over the image the colour under it shows in a panel
// (TransPanel) and as "RGB: r,g,b" in a label (RGBLabel); a click ends
// picking and hands the colour on.

#include "editor/qt/textures/texture_images.hpp"

#include <QObject>

class QHBoxLayout;

namespace meshsmith {

class ColourPick : public QObject {
    Q_OBJECT
  public:
    // Makes the pick button (TransButton) with its caption and hint, the panel
    // and the label in `window`; `bitmap` is what `image` shows.
    ColourPick(QWidget* window, ImageView* image, const BmpImage& bitmap, const char* caption,
               const char* hint);
    // The button, the panel and the label in a row, for the dialog's layout.
    QHBoxLayout* row() const { return row_; }
    void arm();
    bool armed() const { return armed_; }
    // Shows a colour in the panel.
    void showColour(Colour colour);

  signals:
    void picked(Colour colour);

  private:
    Colour colourAt(QPoint position) const;

    QWidget* window_;
    ImageView* image_;
    const BmpImage& bitmap_;
    QLabel *panel_, *rgbLabel_;
    QHBoxLayout* row_;
    bool armed_ = false;
};

} // namespace meshsmith
