#include "editor/qt/transform/rotate_box.hpp"

#include "editor/core/transform/transform_rules.hpp"
#include "editor/qt/transform/dialog_parts.hpp"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace meshsmith {

RotateBox::RotateBox(EditorContext& context, QWidget* parent)
    : QDialog(parent, Qt::Tool), context_(context) {
    setObjectName("RotateBox");
    setWindowTitle("Rotate");
    setModal(false);
    buildControls();
}

void RotateBox::buildControls() {
    auto* angle = new QGroupBox("Angle", this);
    auto* angleGrid = new QGridLayout(angle);
    fixedRadio_ = radioButton(angle, "FixedRadio", "Fixed:");
    fixedCombo_ = new QComboBox(angle);
    fixedCombo_->setObjectName("FixedComboBox");
    fixedCombo_->setAccessibleName("Fixed angle");
    for (const char* item : kFixedAngleItems)
        fixedCombo_->addItem(QString::fromUtf8(item));
    freeRadio_ = radioButton(angle, "FreeRadio", "Free:");
    freeSpin_ = new QSpinBox(angle);
    freeSpin_->setObjectName("FreeSpinEdit");
    freeSpin_->setAccessibleName("Free angle");
    freeSpin_->setRange(-180, 180);
    angleGrid->addWidget(fixedRadio_, 0, 0);
    angleGrid->addWidget(fixedCombo_, 0, 1);
    angleGrid->addWidget(freeRadio_, 1, 0);
    angleGrid->addWidget(freeSpin_, 1, 1);

    axes_ = new QButtonGroup(this);
    QWidget* axis = radioGroup(this, "Axis",
                               {{"XRadio", "X", "Rotate Vertices Around X Axis"},
                                {"YRadio", "Y", "Rotate Vertices Around Y Axis"},
                                {"ZRadio", "Z", "Rotate Vertices Around Z Axis"}},
                               axes_);
    auto* pivots = new QButtonGroup(this);
    QWidget* pivot = radioGroup(
        this, "Pivot", {{"OriginRadio", "Origin (0,0,0)"}, {"VertexRadio", "Specific Vertex"}},
        pivots, true);
    originRadio_ = static_cast<QRadioButton*>(pivots->button(0));
    vertexRadio_ = static_cast<QRadioButton*>(pivots->button(1));
    auto* scopes = new QButtonGroup(this);
    QWidget* which = radioGroup(
        this, "Vertices",
        {{"AllRadio", "All vertices"}, {"SelectedRadio", "Only selected vertices"}}, scopes, true);
    allRadio_ = static_cast<QRadioButton*>(scopes->button(0));
    selectedRadio_ = static_cast<QRadioButton*>(scopes->button(1));

    QPushButton* ok = dialogButton(this, "OKButton", "OK");
    QPushButton* cancel = dialogButton(this, "CancelButton", "Cancel");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    for (QWidget* w : {static_cast<QWidget*>(angle), axis, pivot, which})
        layout->addWidget(w);
    layout->addLayout(buttons);

    connect(fixedRadio_, &QRadioButton::toggled, this, &RotateBox::onAngleKind);
    connect(fixedCombo_, &QComboBox::activated, this, &RotateBox::onFixedAngle);
    connect(freeSpin_, &QSpinBox::valueChanged, this, &RotateBox::onFreeAngle);
    connect(originRadio_, &QRadioButton::clicked, this, &RotateBox::onOrigin);
    connect(vertexRadio_, &QRadioButton::clicked, this, &RotateBox::onPivotVertex);
    connect(selectedRadio_, &QRadioButton::clicked, this, &RotateBox::onSelectedScope);
    connect(ok, &QPushButton::clicked, this, &RotateBox::accept);
    connect(cancel, &QPushButton::clicked, this, &RotateBox::reject);
}

void RotateBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return; // restored from minimized: the session goes on
    useOriginPivot();
    axes_->button(static_cast<int>(Axis::Z))->setChecked(true);
    (initialRotateScope(context_.document.selected(Purpose::Vertices)) == VertexScope::Selected
         ? selectedRadio_
         : allRadio_)
        ->setChecked(true);
    fixedRadio_->setChecked(true);
    fixedCombo_->setCurrentIndex(kSelectAngleItem);
    {
        const QSignalBlocker blocker(freeSpin_);
        freeSpin_->setValue(0);
    }
    previousFree_ = 0;
    onAngleKind();
    steps_.forget();
}

void RotateBox::onAngleKind() {
    fixedCombo_->setEnabled(fixedRadio_->isChecked());
    freeSpin_->setEnabled(!fixedRadio_->isChecked());
}

void RotateBox::onFixedAngle(int item) {
    if (const auto degrees = fixedAngleDegrees(item)) rotate(*degrees);
    fixedCombo_->setCurrentIndex(kSelectAngleItem); // the same angle can be chosen again
}

void RotateBox::onFreeAngle(int degrees) {
    const double step = freeStepDegrees(previousFree_, degrees);
    previousFree_ = degrees;
    if (step != 0) rotate(step, "Rotate free angle");
}

void RotateBox::rotate(double degrees, const char* mergeKey) {
    Document& doc = context_.document;
    const auto axis = static_cast<Axis>(axes_->checkedId());
    const std::int32_t pivot = vertexRadio_->isChecked() ? doc.pivot().vertex : NoSelection;
    VertexChoice which;
    if (selectedRadio_->isChecked()) which = {VertexScope::Selected, doc.selected(Purpose::Vertices)};
    const Rotation turn = rotationByDegrees(axis, degrees);
    const OperationResult r = mergeKey ? doc.runMerged(mergeKey, &rotateVertices, turn, pivot, which)
                                       : doc.run(&rotateVertices, turn, pivot, which);
    steps_.remember(doc, true);
    report(context_.prompts, r);
    // A pivot vertex that is gone: the origin serves until another is picked.
    if (pivot != NoSelection && static_cast<std::size_t>(pivot) >= doc.object().vertices.size())
        useOriginPivot();
}

void RotateBox::useOriginPivot() {
    Document& doc = context_.document;
    if (std::holds_alternative<PivotPick>(doc.pickSession())) doc.endPick();
    doc.setPivot({NoSelection, true});
    originRadio_->setChecked(true);
}

void RotateBox::onOrigin() {
    useOriginPivot();
}

void RotateBox::onPivotVertex() {
    context_.prompts.showMessage("Pick vertex as pivot point !");
    context_.document.setPivot({context_.document.pivot().vertex, false});
    context_.document.startPick(PivotPick{});
}

void RotateBox::onSelectedScope() {
    if (!context_.document.selected(Purpose::Vertices).empty()) return;
    context_.prompts.showMessage(kNoVerticesSelectedMessage);
    allRadio_->setChecked(true);
}

void RotateBox::accept() {
    steps_.forget();
    QDialog::accept();
}

void RotateBox::reject() {
    steps_.undoAll(context_.document);
    steps_.forget();
    QDialog::reject();
}

void RotateBox::done(int result) {
    useOriginPivot();
    context_.document.setPivot({});
    QDialog::done(result);
}

} // namespace meshsmith
