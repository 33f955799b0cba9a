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

ScanForm::ScanForm(Project& project, std::string path, const DxfScan& scan, UserPrompts& prompts,
                   LogSink& log, RandomColours& colours, QWidget* parent)
    : QDialog(parent), project_(project), path_(std::move(path)), scan_(scan), prompts_(prompts),
      log_(log), colours_(colours) {
    setObjectName("ScanForm");
    setWindowTitle(scan.caption.empty() ? "Scan DXF" : QString::fromStdString(scan.caption));
    setModal(true);

    const char* names[] = {"PRadioButton", "VRadioButton", "LRadioButton", "FRadioButton"};
    QRadioButton** radios[] = {&PRadioButton, &VRadioButton, &LRadioButton, &FRadioButton};
    // One group for the four, so checking one clears the other three across the frames.
    auto* exclusive = new QButtonGroup(this);
    for (int k = 0; k < 4; ++k) {
        auto* r = new QRadioButton(QString::fromStdString(scan.radioCaptions[k]), this);
        r->setObjectName(names[k]);
        r->setEnabled(scan.enabled[k]);
        exclusive->addButton(r, k);
        *radios[k] = r;
    }
    OKButton = new QPushButton("OK", this);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);
    CancelButton = new QPushButton("Cancel", this);
    CancelButton->setObjectName("CancelButton");
    connect(OKButton, &QPushButton::clicked, this, &ScanForm::onOk);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group(this, "Import Vertices:", {PRadioButton, VRadioButton}));
    layout->addWidget(group(this, "Import Vertices and Lines:", {LRadioButton}));
    layout->addWidget(group(this, "Import Vertices and Polygons:", {FRadioButton}));
    layout->addLayout(buttons);
}

QRadioButton* ScanForm::radio(int kind) const {
    QRadioButton* const radios[] = {PRadioButton, VRadioButton, LRadioButton, FRadioButton};
    return radios[kind];
}

void ScanForm::onOk() {
    std::optional<DxfKind> checked;
    for (int k = 0; k < 4; ++k)
        if (radio(k)->isChecked() && radio(k)->isEnabled()) checked = kDxfKinds[k];
    DxfScanAccept accept = acceptDxfScan(project_, path_, scan_, checked, prompts_, log_, colours_);
    if (!accept.closeDialog) return;
    result_ = accept.import;
    accept.import.outcome == Outcome::Done ? QDialog::accept() : QDialog::reject();
}

} // namespace meshsmith
