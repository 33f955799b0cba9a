#pragma once
// What the texture windows share: bitmaps turned into images for the screen,
// an image that reports where the mouse moves and clicks, and what the
// windows need from the main window beyond the shared context.

#include "model/bmp_image.hpp"

#include <QImage>
#include <QLabel>

#include <functional>

class QHBoxLayout;
class QMouseEvent;
class QPushButton;

namespace meshsmith {

// What the main window lends the texture windows.
struct TextureWindowHooks {
    // The view rebuilds its texture objects at once when the library changed.
    std::function<void()> rebuildTextures = [] {};
    // Sets "Show Textures": the option and the main menu's check mark.
    std::function<void(bool)> showTextures = [](bool) {};
};

QImage toQImage(const BmpImage& image);

// An image on a label that tells where the mouse moves and where it is
// pressed, in the label's own coordinates, with the label's size.
class ImageView : public QLabel {
    Q_OBJECT
  public:
    explicit ImageView(QWidget* parent);
    // Shows `image` (scaled to the label when the label has another size).
    void showImage(const QImage& image);

  signals:
    void hovered(QPoint position);
    void clicked(QPoint position);

  protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

// A button with its object name, caption and hint, which Return does not press.
QPushButton* textureButton(QWidget* parent, const char* name, const char* caption,
                           const char* hint);
// A dialog's closing buttons in a row, on the right.
QHBoxLayout* dialogButtons(QPushButton* ok, QPushButton* cancel);
// An image view with its object name and hint, showing `image` at its own size.
ImageView* imageView(QWidget* parent, const char* name, const char* hint, const QImage& image);

// The pixel of a w by h bitmap under `position` of a label showing it at `shown`.
QPoint bitmapPixelAt(QPoint position, QSize shown, int w, int h);

} // namespace meshsmith
