#include "editor/qt/textures/texture_view_form.hpp"

#include <QResizeEvent>
#include <QVBoxLayout>

namespace meshsmith {

TextureViewForm::TextureViewForm(const BmpImage& bitmap, QWidget* parent, PickHandler pick,
                                 CaptionText caption)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), pick_(std::move(pick)),
      caption_(std::move(caption)) {
    setObjectName("TextureViewForm");
    setWindowTitle("Set Texture Coordinates");
    setMinimumSize(263, 173);
    image_ = new ImageView(this);
    image_->setObjectName("Image1");
    image_->setAccessibleName("Texture");
    image_->setMinimumSize(1, 1);
    image_->showImage(toQImage(bitmap));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(image_);
    resize(263, 263);
    if (pick_) image_->setCursor(Qt::CrossCursor);
    connect(image_, &ImageView::hovered, this, [this](QPoint at) {
        if (caption_)
            setWindowTitle(QString::fromStdString(
                caption_(at.x(), at.y(), image_->width(), image_->height())));
    });
    connect(image_, &ImageView::clicked, this, [this](QPoint at) {
        if (pick_ && pick_(clickedTexCoord(at.x(), at.y(), image_->width(), image_->height())))
            accept();
    });
}

// The client area stays as wide as it is high.
void TextureViewForm::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    const QSize size = event->size();
    if (size.width() != size.height()) {
        const int side = std::max(size.width(), minimumHeight());
        resize(side, side);
    }
}

} // namespace meshsmith
