#pragma once
// Picking a colour on a bitmap, as the transparency and background-colour
// dialogs do: armed by their pick button, the hand cursor over the window;
// while the mouse moves over the image the colour under it shows in a panel
// and as "RGB: r,g,b" in a label; a click ends picking and hands the colour on.

#include "editor/qt/textures/texture_images.hpp"

#include <QObject>

namespace meshsmith {

class ColourPick : public QObject {
    Q_OBJECT
  public:
    // The window, image, panel and label are the dialog's; `bitmap` is what the image shows.
    ColourPick(QWidget* window, ImageView* image, const BmpImage& bitmap, QLabel* panel,
               QLabel* readOut);
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
    bool armed_ = false;
};

} // namespace meshsmith
