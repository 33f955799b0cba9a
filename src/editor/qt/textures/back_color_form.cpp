#include "editor/qt/textures/back_color_form.hpp"

#include "editor/core/textures/texture_library_rules.hpp"
#include "model/edits/texture_edits.hpp"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QPushButton>
#include <QScrollBar>

namespace meshsmith {
namespace {

QImage colourImage(QSize size, Colour c) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(redOf(c), greenOf(c), blueOf(c)));
    return image;
}

} // namespace

BackColorForm::BackColorForm(EditorContext& context, std::int32_t texture, BmpImage bitmap,
                             QWidget* parent)
    : QDialog(parent), context_(context), texture_(texture), bitmap_(std::move(bitmap)) {
    setObjectName("AverageForm");
    setWindowTitle("Texture Background Color");
    setModal(true);
    textureImage_ = toQImage(bitmap_);
    const Colour current =
        context_.document.object().textures.at(static_cast<std::size_t>(texture)).BackColor;
    colourImage_ = colourImage(textureImage_.size(), resolveSystemColour(current));
    buildControls();
    toggleTimer_.setInterval(toggleIntervalMs(kDefaultToggleRate));
    connect(&toggleTimer_, &QTimer::timeout, this, [this] { showSide(!showingTexture_); });
}

void BackColorForm::buildControls() {
    image1_ = imageView(this, "Image1", "Original Image", textureImage_);
    image2_ = imageView(this, "Image2", "Background Color", colourImage_);
    pick_ = new ColourPick(this, image1_, bitmap_, "Pick Background Color",
                           "Pick The Background Color From The Texture");
    const QColor face = QApplication::palette().color(QPalette::Button);
    pick_->showColour(static_cast<Colour>(face.red() | face.green() << 8 | face.blue() << 16));
    auto* toggle = textureButton(this, "ToggleButton", "Toggle Texture / Color",
                                 "Show The Texture Or The Background Color");
    autoToggle_ = new QCheckBox(QString::fromStdString(toggleCaption(kDefaultToggleRate)), this);
    autoToggle_->setObjectName("AutoToggleCheckBox");
    rateBar_ = new QScrollBar(Qt::Horizontal, this);
    rateBar_->setObjectName("ToggleRateBar");
    rateBar_->setAccessibleName("Toggle Rate");
    rateBar_->setRange(1, 30);
    rateBar_->setValue(kDefaultToggleRate);
    auto* save = textureButton(this, "OKButton", "Save && Close", "Save The Color And Close");
    auto* cancel = textureButton(this, "CancelButton", "Cancel", "Close Without Change");

    auto* layout = new QGridLayout(this);
    layout->addWidget(image1_, 0, 0, Qt::AlignCenter);
    layout->addWidget(image2_, 0, 1, Qt::AlignCenter);
    layout->addLayout(pick_->row(), 1, 0, 1, 2);
    layout->addWidget(toggle, 2, 0);
    layout->addWidget(autoToggle_, 2, 1);
    layout->addWidget(rateBar_, 3, 1);
    layout->addLayout(dialogButtons(save, cancel), 4, 0, 1, 2);

    connect(pick_, &ColourPick::picked, this, &BackColorForm::onPicked);
    connect(toggle, &QPushButton::clicked, this, &BackColorForm::onToggle);
    connect(autoToggle_, &QCheckBox::toggled, this,
            [this](bool on) { on ? toggleTimer_.start() : toggleTimer_.stop(); });
    connect(rateBar_, &QScrollBar::valueChanged, this, &BackColorForm::onRateChanged);
    connect(save, &QPushButton::clicked, this, &BackColorForm::onSave);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void BackColorForm::onPicked(Colour colour) {
    picked_ = colour;
    colourImage_ = colourImage(textureImage_.size(), colour);
    showSide(false);
}

void BackColorForm::showSide(bool texture) {
    showingTexture_ = texture;
    image2_->showImage(texture ? textureImage_ : colourImage_);
}

void BackColorForm::onToggle() {
    autoToggle_->setChecked(false);
    showSide(!showingTexture_);
}

void BackColorForm::onRateChanged(int rate) {
    toggleTimer_.setInterval(toggleIntervalMs(rate));
    autoToggle_->setText(QString::fromStdString(toggleCaption(rate)));
}

// Without a pick since showing, the texture keeps its colour.
void BackColorForm::onSave() {
    if (picked_)
        report(context_.prompts, context_.document.run(&setTextureBackColor, texture_, *picked_));
    accept();
}

void BackColorForm::done(int result) {
    toggleTimer_.stop();
    QDialog::done(result);
}

} // namespace meshsmith
