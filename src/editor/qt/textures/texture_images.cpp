#include "editor/qt/textures/texture_images.hpp"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPushButton>

#include <algorithm>

namespace meshsmith {

QImage toQImage(const BmpImage& image) {
    QImage out(image.width, image.height, QImage::Format_RGB32);
    for (int y = 0; y < image.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < image.width; ++x) {
            const Colour c = image.at(x, y);
            line[x] = qRgb(redOf(c), greenOf(c), blueOf(c));
        }
    }
    return out;
}

ImageView::ImageView(QWidget* parent) : QLabel(parent) {
    setMouseTracking(true);
    setScaledContents(true);
}

void ImageView::showImage(const QImage& image) {
    setPixmap(QPixmap::fromImage(image));
}

void ImageView::mouseMoveEvent(QMouseEvent* event) {
    emit hovered(event->position().toPoint());
    QLabel::mouseMoveEvent(event);
}

void ImageView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit clicked(event->position().toPoint());
    QLabel::mousePressEvent(event);
}

QPushButton* textureButton(QWidget* parent, const char* name, const char* caption,
                           const char* hint) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setToolTip(hint);
    b->setAutoDefault(false);
    return b;
}

QHBoxLayout* dialogButtons(QPushButton* ok, QPushButton* cancel) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(ok);
    row->addWidget(cancel);
    return row;
}

ImageView* imageView(QWidget* parent, const char* name, const char* hint, const QImage& image) {
    auto* view = new ImageView(parent);
    view->setObjectName(name);
    view->setToolTip(hint);
    view->setAccessibleName(hint);
    view->setFixedSize(image.size());
    view->showImage(image);
    return view;
}

QPoint bitmapPixelAt(QPoint position, QSize shown, int w, int h) {
    const int x = shown.width() > 0 ? position.x() * w / shown.width() : 0;
    const int y = shown.height() > 0 ? position.y() * h / shown.height() : 0;
    return {std::clamp(x, 0, w - 1), std::clamp(y, 0, h - 1)};
}

} // namespace meshsmith
