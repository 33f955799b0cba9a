#include "editor/qt/textures/tex_man_box.hpp"

#include "editor/qt/textures/texture_images.hpp"
#include "model/number_text.hpp"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace meshsmith {

TexManBox::TexManBox(TexCoord start, UserPrompts& prompts, QWidget* parent)
    : QDialog(parent), prompts_(prompts), start_(start) {
    setObjectName("TexManBox");
    setWindowTitle("Texture Coordinates");
    setModal(true);
    auto* layout = new QGridLayout(this);
    const char* names[] = {"Edit1", "Edit2"};
    const char* labels[] = {"X:", "Y:"};
    const char* hints[] = {"Texture Coordinate's X-Value Of The Selected Vertex",
                           "Texture Coordinate's Y-Value Of The Selected Vertex"};
    const float values[] = {start.U, start.V};
    QLineEdit** edits[] = {&xEdit_, &yEdit_};
    for (int k = 0; k < 2; ++k) {
        *edits[k] = new QLineEdit(QString::fromStdString(vertexReal(values[k])), this);
        (*edits[k])->setObjectName(names[k]);
        (*edits[k])->setToolTip(hints[k]);
        auto* label = new QLabel(labels[k], this);
        label->setBuddy(*edits[k]);
        layout->addWidget(label, k, 0);
        layout->addWidget(*edits[k], k, 1, 1, 2);
        connect(*edits[k], &QLineEdit::textEdited, this, [this] { okButton_->setEnabled(true); });
    }
    okButton_ = textureButton(this, "OKButton", "Ok", "Take The Typed Coordinate");
    okButton_->setEnabled(false);
    auto* cancel = textureButton(this, "CancelButton", "Cancel", "Close Without Change");
    layout->addWidget(okButton_, 2, 1);
    layout->addWidget(cancel, 2, 2);
    connect(okButton_, &QPushButton::clicked, this, &TexManBox::onOk);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TexManBox::onOk() {
    const std::string texts[] = {xEdit_->text().toStdString(), yEdit_->text().toStdString()};
    float values[2] = {start_.U, start_.V};
    for (int k = 0; k < 2; ++k) {
        if (texts[k] == vertexReal(values[k])) continue; // as shown: not rounded to 3 decimals
        const auto value = parseReal(texts[k]);
        if (!value) return prompts_.showMessage(notAFloatMessage(texts[k]));
        values[k] = *value;
    }
    typed_ = TexCoord{values[0], values[1]};
    accept();
}

} // namespace meshsmith
