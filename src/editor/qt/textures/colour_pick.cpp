#include "editor/qt/textures/colour_pick.hpp"

#include "editor/core/textures/texture_library_rules.hpp"

namespace meshsmith {

ColourPick::ColourPick(QWidget* window, ImageView* image, const BmpImage& bitmap, QLabel* panel,
                       QLabel* readOut)
    : QObject(window), window_(window), image_(image), bitmap_(bitmap), panel_(panel),
      rgbLabel_(readOut) {
    panel_->setAutoFillBackground(true);
    connect(image_, &ImageView::hovered, this, [this](QPoint at) {
        if (!armed_) return;
        const Colour c = colourAt(at);
        showColour(c);
        rgbLabel_->setText(QString::fromStdString(rgbLabel(c)));
    });
    connect(image_, &ImageView::clicked, this, [this](QPoint at) {
        if (!armed_) return;
        armed_ = false;
        window_->unsetCursor();
        const Colour c = colourAt(at);
        showColour(c);
        emit picked(c);
    });
}

void ColourPick::arm() {
    armed_ = true;
    window_->setCursor(Qt::PointingHandCursor);
}

void ColourPick::showColour(Colour c) {
    QPalette palette = panel_->palette();
    palette.setColor(QPalette::Window, QColor(redOf(c), greenOf(c), blueOf(c)));
    panel_->setPalette(palette);
}

Colour ColourPick::colourAt(QPoint position) const {
    const QPoint pixel = bitmapPixelAt(position, image_->size(), bitmap_.width, bitmap_.height);
    return bitmap_.at(pixel.x(), pixel.y());
}

} // namespace meshsmith
