#include "editor/qt/shell/scan_form.hpp"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace meshsmith {
namespace {

QGroupBox* group(QWidget* parent, const char* title, std::initializer_list<QRadioButton*> radios) {
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(box);
    for (QRadioButton* r : radios)
        layout->addWidget(r);
    return box;
}

} // namespace

ScanForm::ScanForm(Document& document, std::string path, const DxfScan& scan, UserPrompts& prompts,
                   LogSink& log, RandomColours& colours, QWidget* parent)
    : QDialog(parent), document_(document), path_(std::move(path)), scan_(scan), prompts_(prompts),
      log_(log), colours_(colours) {
    setObjectName("ScanForm");
    setWindowTitle(scan.caption.empty() ? "Scan DXF" : QString::fromStdString(scan.caption));
    setModal(true);

    const char* names[] = {"PRadioButton",  "VRadioButton",  "LRadioButton", "FRadioButton",
                           "PLRadioButton", "PFRadioButton", "ARadioButton"};
    QRadioButton** radios[] = {&pointRadio_,    &vertexRadio_,   &lineRadio_, &faceRadio_,
                               &polylineRadio_, &polyfaceRadio_, &allRadio_};
    // One group for them all, so checking one clears the others across the frames.
    auto* exclusive = new QButtonGroup(this);
    for (int k = 0; k < static_cast<int>(kDxfChoices.size()); ++k) {
        auto* r = new QRadioButton(QString::fromStdString(scan.radioCaptions[k]), this);
        r->setObjectName(names[k]);
        r->setEnabled(scan.enabled[k]);
        exclusive->addButton(r, k);
        *radios[k] = r;
    }
    okButton_ = new QPushButton("OK", this);
    okButton_->setObjectName("OKButton");
    okButton_->setDefault(true);
    cancelButton_ = new QPushButton("Cancel", this);
    cancelButton_->setObjectName("CancelButton");
    connect(okButton_, &QPushButton::clicked, this, &ScanForm::onOk);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group(this, "Import Vertices:", {pointRadio_, vertexRadio_}));
    layout->addWidget(group(this, "Import Vertices and Lines:", {lineRadio_}));
    layout->addWidget(
        group(this, "Import Vertices and Polygons:", {faceRadio_, polylineRadio_, polyfaceRadio_}));
    layout->addWidget(group(this, "Import Vertices, Lines and Polygons:", {allRadio_}));
    layout->addLayout(buttons);
}

QRadioButton* ScanForm::radio(int kind) const {
    QRadioButton* const radios[] = {pointRadio_,    vertexRadio_,   lineRadio_, faceRadio_,
                                    polylineRadio_, polyfaceRadio_, allRadio_};
    return radios[kind];
}

void ScanForm::onOk() {
    std::optional<DxfKind> checked;
    for (int k = 0; k < static_cast<int>(kDxfChoices.size()); ++k)
        if (radio(k)->isChecked() && radio(k)->isEnabled()) checked = kDxfChoices[k];
    const std::optional<DxfKind> kind = chosenDxfKind(scan_, checked);
    if (!kind) return report(prompts_, OperationResult::refused(kSelectObjectsMessage));
    result_ = document_.run(&importScannedDxf, path_, *kind, prompts_, log_, colours_);
    report(prompts_, result_);
    result_.done() ? QDialog::accept() : QDialog::reject();
}

} // namespace meshsmith
