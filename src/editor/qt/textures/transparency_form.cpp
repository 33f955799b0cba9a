#include "editor/qt/textures/transparency_form.hpp"

#include "model/edits/texture_edits.hpp"

#include <QGridLayout>
#include <QPushButton>

namespace meshsmith {

TransparencyForm::TransparencyForm(EditorContext& context, std::int32_t texture, BmpImage bitmap,
                                   QWidget* parent)
    : QDialog(parent), context_(context), texture_(texture), bitmap_(std::move(bitmap)) {
    setObjectName("TransForm");
    setWindowTitle("Transparency");
    setModal(true);
    const QImage image = toQImage(bitmap_);
    textureImage_ = imageView(this, "Image1", "Original Image", image);
    maskImage_ = imageView(this, "Image2", "How The Mask Image Looks", image);
    pick_ = new ColourPick(this, textureImage_, bitmap_, "Pick Transparent Color",
                           "Pick The Color That Shall Be Transparent");
    saveButton_ = textureButton(this, "OKButton", "Save Mask File && Close",
                                "Save The Mask Bitmap And Use It For The Texture");
    saveButton_->setEnabled(false); // a mask exists once a colour was picked
    auto* cancel = textureButton(this, "CancelButton", "Cancel", "Close Without Change");

    auto* layout = new QGridLayout(this);
    layout->addWidget(textureImage_, 0, 0, Qt::AlignCenter);
    layout->addWidget(maskImage_, 0, 1, Qt::AlignCenter);
    layout->addLayout(pick_->row(), 1, 0, 1, 2);
    layout->addLayout(dialogButtons(saveButton_, cancel), 2, 0, 1, 2);

    connect(pick_, &ColourPick::picked, this, &TransparencyForm::onPicked);
    connect(saveButton_, &QPushButton::clicked, this, &TransparencyForm::onSave);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TransparencyForm::onPicked(Colour colour) {
    mask_ = transparencyMask(bitmap_, colour);
    maskImage_->showImage(toQImage(mask_));
    saveButton_->setEnabled(true);
}

// A mask that cannot be written leaves the texture as it was and the window open.
void TransparencyForm::onSave() {
    FileDialogRequest request;
    request.filters = {"Mask Bitmap File [*.bmp]|*.bmp"};
    request.defaultExtension = "bmp";
    request.presetPath = proposedMaskPath(context_.document.project(), texture_);
    const auto path = context_.files.saveFile(request);
    if (!path) return;
    const OperationResult r = context_.document.run(&saveTextureMask, texture_, mask_, *path);
    report(context_.prompts, r);
    if (r.done()) accept();
}

} // namespace meshsmith
