#include "editor/qt/attributes/collision_form.hpp"

#include "editor/core/attributes/attribute_rules.hpp"
#include "editor/qt/geometry/form_controls.hpp"
#include "model/edits/attribute_edits.hpp"

#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

namespace meshsmith {
namespace {

constexpr int kNarrow = 465, kWide = 650;

QPushButton* button(QWidget* parent, const char* name, const char* caption, const char* hint) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setToolTip(hint);
    b->setAutoDefault(false);
    return b;
}

QListWidget* list(QWidget* parent, const char* name, const char* accessibleName) {
    auto* l = new QListWidget(parent);
    l->setObjectName(name);
    l->setAccessibleName(accessibleName);
    l->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    return l;
}

// The heading "Index       Rebound             Polygons", each word standing
// over its column of the list's lines ("  0: Armco        1,2"): 5 and 13
// characters of the list's fixed font, from where the list's text starts. The
// words are a little smaller than the lines, so that "Index", as wide as its
// column, does not run into "Rebound".
QWidget* headingOver(QListWidget* list, QWidget* parent) {
    auto* heading = new QWidget(parent);
    heading->setObjectName("VolumesHeading");
    heading->setAccessibleName("Index       Rebound             Polygons");
    const QFontMetrics metrics(list->font());
    const int textStart =
        list->frameWidth() + list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    auto* row = new QHBoxLayout(heading);
    row->setContentsMargins(textStart, 0, 0, 0);
    row->setSpacing(0);
    QFont wordFont = list->font();
    if (wordFont.pointSizeF() > 0) wordFont.setPointSizeF(wordFont.pointSizeF() * 0.85);
    const std::pair<const char*, int> columns[] = {{"Index", 5}, {"Rebound", 13}, {"Polygons", 0}};
    for (const auto& [word, characters] : columns) {
        auto* label = new QLabel(word, heading);
        label->setObjectName(QString(word) + "Heading");
        label->setFont(wordFont);
        label->setContentsMargins(0, 0, 0, 0);
        if (characters > 0) label->setFixedWidth(metrics.horizontalAdvance(QString(characters, 'x')));
        row->addWidget(label, characters > 0 ? 0 : 1);
    }
    return heading;
}

} // namespace

CollisionForm::CollisionForm(EditorContext& context, DocumentSignal& signal, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint), context_(context) {
    setObjectName("CollisionForm");
    setWindowTitle("Set Collision Volumes");
    setModal(false);
    buildControls();
    connect(&signal, &DocumentSignal::changed, this, &CollisionForm::onDocumentChanged);
}

void CollisionForm::buildControls() {
    volumeList_ = list(this, "VolumesListBox", "List Of Collision Volumes");
    volumeList_->setToolTip("List Of Collision Volumes");
    addVolumeButton_ = button(this, "AddVolumeButton", "Add Volume", "Add  a New Collision Volume");
    removeButton_ = button(this, "RemoveButton", "Remove", "Remove Selected Collision Volume");
    removeAllButton_ =
        button(this, "RemoveAllButton", "Remove All", "Remove All Collision Volumes");
    editReboundButton_ = button(this, "EditReboundButton", "Edit Rebound",
                                "Change the Rebound Value of the selected Volume");
    closeButton_ = button(this, "CloseButton", "Close", "Close This Window");

    panel_ = new QWidget(this);
    polygonList_ = list(panel_, "PolyListBox", "Polygons:");
    polygonList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto* polygonsLabel = new QLabel("&Polygons:", panel_);
    polygonsLabel->setBuddy(polygonList_);
    reboundBox_ = new QComboBox(panel_);
    reboundBox_->setObjectName("ReboundComboBox");
    reboundBox_->setToolTip("List Of All Collision Charateristics For The Above Polygon (Plane)");
    for (const char* name : reboundNames())
        reboundBox_->addItem(name);
    auto* reboundLabel = new QLabel("&Rebound characteritics:", panel_);
    reboundLabel->setBuddy(reboundBox_);
    addButton_ = button(panel_, "AddButton", "Add",
                        "Add The Selected Polygon(s) With The Above Collision Chrateritics as a "
                        "Collision Volume");
    backButton_ = button(panel_, "BackButton", "<<", "Finalize The Collision Volume");
    auto* panelLayout = new QVBoxLayout(panel_);
    panelLayout->addWidget(polygonsLabel);
    panelLayout->addWidget(polygonList_, 1);
    panelLayout->addWidget(reboundLabel);
    panelLayout->addWidget(reboundBox_);
    auto* panelButtons = new QHBoxLayout;
    panelButtons->addWidget(addButton_);
    panelButtons->addWidget(backButton_);
    panelLayout->addLayout(panelButtons);
    panel_->setFixedWidth(kWide - kNarrow);

    auto* left = new QVBoxLayout;
    left->addWidget(headingOver(volumeList_, this));
    left->addWidget(volumeList_, 1);
    auto* buttons = new QGridLayout;
    buttons->addWidget(addVolumeButton_, 0, 0);
    buttons->addWidget(removeButton_, 0, 1);
    buttons->addWidget(removeAllButton_, 1, 0);
    buttons->addWidget(editReboundButton_, 1, 1);
    buttons->addWidget(closeButton_, 2, 1);
    left->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addWidget(panel_);
    panel_->hide();
    setFixedWidth(kNarrow);
    setMinimumHeight(360);

    connect(addVolumeButton_, &QPushButton::clicked, this, [this] { openPanel(false); });
    connect(editReboundButton_, &QPushButton::clicked, this, [this] { openPanel(true); });
    connect(removeButton_, &QPushButton::clicked, this, &CollisionForm::onRemove);
    connect(removeAllButton_, &QPushButton::clicked, this, &CollisionForm::onRemoveAll);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(addButton_, &QPushButton::clicked, this, &CollisionForm::onAddOrEdit);
    connect(backButton_, &QPushButton::clicked, this, &CollisionForm::closePanel);
    connect(volumeList_, &QListWidget::itemSelectionChanged, this, &CollisionForm::onVolumeClicked);
    connect(polygonList_, &QListWidget::itemSelectionChanged, this,
            &CollisionForm::onPolygonsClicked);
}

void CollisionForm::showEvent(QShowEvent* event) {
    panel_->hide();
    setFixedWidth(kNarrow);
    reboundBox_->setCurrentIndex(0);
    refreshList();
    removeButton_->setEnabled(false);
    editReboundButton_->setEnabled(false);
    QDialog::showEvent(event);
}

void CollisionForm::done(int result) {
    Document& doc = context_.document;
    report(context_.prompts, doc.run(&closeCollisionWork));
    doc.clearSelection(Purpose::CollisionPolygons);
    doc.clearSelection(Purpose::Volumes);
    QDialog::done(result);
}

void CollisionForm::onDocumentChanged(const DocumentChange& change) {
    if (change.any(DocumentChange::Collision | DocumentChange::Opened)) refreshList();
    if (panel_->isVisible() && change.any(DocumentChange::Polygons | DocumentChange::Textures |
                                          DocumentChange::Opened | DocumentChange::Selection))
        fillPanel();
}

void CollisionForm::refreshList() {
    const QSignalBlocker blocker(volumeList_);
    const int current = volumeList_->currentRow();
    volumeList_->clear();
    const auto& volumes = context_.document.object().collision;
    for (std::size_t k = 0; k < volumes.size(); ++k) {
        const QString line = QString::fromStdString(volumeListLine(k, volumes[k]));
        volumeList_->addItem(line);
        volumeList_->item(static_cast<int>(k))->setToolTip(line); // the row under the mouse
    }
    if (current >= 0 && current < volumeList_->count()) volumeList_->setCurrentRow(current);
    removeAllButton_->setEnabled(!volumes.empty() && !panel_->isVisible());
}

// The polygon panel: a row per polygon as the table is now, the rows chosen
// selected.
void CollisionForm::fillPanel() {
    const QSignalBlocker blocker(polygonList_);
    polygonList_->clear();
    const auto& polygons = context_.document.object().polygons;
    for (std::size_t k = 0; k < polygons.size(); ++k)
        polygonList_->addItem(QString::fromStdString(polygonPanelLine(k, polygons[k])));
    for (std::int32_t k : context_.document.selected(Purpose::CollisionPolygons))
        if (auto* item = polygonList_->item(k)) item->setSelected(true);
}

void CollisionForm::openPanel(bool editing) {
    editing_ = editing;
    addButton_->setText(editing ? "Edit" : "Add");
    if (!editing) {
        reboundBox_->setCurrentIndex(0);
        context_.document.clearSelection(Purpose::Volumes);
    } else {
        // The volume's rebound is what the box offers to change.
        const auto& volumes = context_.document.object().collision;
        const int row = volumeList_->currentRow();
        if (row >= 0 && static_cast<std::size_t>(row) < volumes.size() &&
            !volumes[static_cast<std::size_t>(row)].PlaneRebounds.empty()) {
            const std::int32_t code = volumes[static_cast<std::size_t>(row)].PlaneRebounds.front();
            if (code >= 0 && code < reboundBox_->count()) reboundBox_->setCurrentIndex(code);
        }
    }
    context_.document.clearSelection(Purpose::CollisionPolygons);
    fillPanel();
    for (QWidget* w :
         {static_cast<QWidget*>(volumeList_), static_cast<QWidget*>(addVolumeButton_),
          static_cast<QWidget*>(removeButton_), static_cast<QWidget*>(removeAllButton_),
          static_cast<QWidget*>(editReboundButton_)})
        w->setEnabled(false);
    setFixedWidth(kWide);
    panel_->show();
}

void CollisionForm::closePanel() {
    panel_->hide();
    setFixedWidth(kNarrow);
    addButton_->setText("Add");
    volumeList_->setEnabled(true);
    addVolumeButton_->setEnabled(true);
    removeButton_->setEnabled(volumeList_->currentRow() >= 0);
    editReboundButton_->setEnabled(volumeList_->currentRow() >= 0);
    context_.document.clearSelection(Purpose::CollisionPolygons);
    context_.document.clearSelection(Purpose::Volumes);
    refreshList();
}

void CollisionForm::onVolumeClicked() {
    const int row = volumeList_->currentRow();
    const auto& volumes = context_.document.object().collision;
    const bool chosen = row >= 0 && static_cast<std::size_t>(row) < volumes.size();
    removeButton_->setEnabled(chosen);
    editReboundButton_->setEnabled(chosen);
    if (chosen)
        context_.document.select(Purpose::Volumes, {row});
    else
        context_.document.clearSelection(Purpose::Volumes);
}

std::vector<std::int32_t> CollisionForm::chosenPolygons() const {
    return context_.document.selected(Purpose::CollisionPolygons);
}

void CollisionForm::onPolygonsClicked() {
    context_.document.select(Purpose::CollisionPolygons, listSelection(polygonList_));
}

void CollisionForm::onAddOrEdit() {
    Document& doc = context_.document;
    const auto rebound = static_cast<std::int32_t>(reboundBox_->currentIndex());
    OperationResult r;
    if (editing_) {
        r = doc.run(&setVolumeRebound, static_cast<std::size_t>(volumeList_->currentRow()),
                    rebound);
    } else {
        r = doc.run(&addCollisionVolume, chosenPolygons(), rebound);
        if (r.outcome == Outcome::Refused) return report(context_.prompts, r);
    }
    finish(r);
    closePanel();
}

void CollisionForm::onRemove() {
    finish(context_.document.run(&removeCollisionVolume,
                                 static_cast<std::size_t>(volumeList_->currentRow())));
    removeButton_->setEnabled(false);
    editReboundButton_->setEnabled(false);
}

void CollisionForm::onRemoveAll() {
    finish(context_.document.run(&removeAllCollisionVolumes));
}

void CollisionForm::finish(const OperationResult& result) {
    report(context_.prompts, result);
}

} // namespace meshsmith
