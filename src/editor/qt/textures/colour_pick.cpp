#include "editor/qt/textures/colour_pick.hpp"

#include "editor/core/textures/texture_library_rules.hpp"

#include <QHBoxLayout>
#include <QPushButton>

namespace meshsmith {

ColourPick::ColourPick(QWidget* window, ImageView* image, const BmpImage& bitmap,
                       const char* caption, const char* hint)
    : QObject(window), window_(window), image_(image), bitmap_(bitmap), panel_(new QLabel(window)),
      rgbLabel_(new QLabel(window)), row_(new QHBoxLayout) {
    auto* button = textureButton(window, "TransButton", caption, hint);
    panel_->setObjectName("TransPanel");
    panel_->setFixedSize(48, 24);
    panel_->setAutoFillBackground(true);
    rgbLabel_->setObjectName("RGBLabel");
    row_->addWidget(button);
    row_->addWidget(panel_);
    row_->addWidget(rgbLabel_, 1);
    connect(button, &QPushButton::clicked, this, &ColourPick::arm);
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
