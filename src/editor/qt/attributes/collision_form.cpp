#include "editor/qt/attributes/collision_form.hpp"

#include "editor/core/attributes/attribute_rules.hpp"
#include "model/edits/attribute_edits.hpp"

#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
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

} // namespace

CollisionForm::CollisionForm(EditorContext& context, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint), context_(context) {
    setObjectName("CollisionForm");
    setWindowTitle("Set Collision Volumes");
    setModal(false);
    buildControls();
    context_.recordLists.push_back(this);
}

CollisionForm::~CollisionForm() {
    std::erase(context_.recordLists, static_cast<RecordList*>(this));
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
    auto* heading = new QLabel("Index       Rebound             Polygons", this);
    heading->setFont(volumeList_->font()); // the columns stand over the list's
    left->addWidget(heading);
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
    closeCollisionWork(context_.project);
    context_.objectChanged();
    QDialog::done(result);
}

void CollisionForm::refreshList() {
    const QSignalBlocker blocker(volumeList_);
    volumeList_->clear();
    const auto& volumes = context_.project.object.collision;
    for (std::size_t k = 0; k < volumes.size(); ++k) {
        const QString line = QString::fromStdString(volumeListLine(k, volumes[k]));
        volumeList_->addItem(line);
        volumeList_->item(static_cast<int>(k))->setToolTip(line); // the row under the mouse
    }
    removeAllButton_->setEnabled(!volumes.empty() && !panel_->isVisible());
}

void CollisionForm::selectPolygons(const std::vector<std::int32_t>& polygons) {
    for (ObjectData& polygon : context_.project.object.polygons)
        polygon.Selected = 0;
    for (std::int32_t k : polygons)
        if (k >= 0 && static_cast<std::size_t>(k) < context_.project.object.polygons.size())
            context_.project.object.polygons[static_cast<std::size_t>(k)].Selected = 1;
    context_.repaintView();
}

void CollisionForm::openPanel(bool editing) {
    editing_ = editing;
    addButton_->setText(editing ? "Edit" : "Add");
    {
        const QSignalBlocker blocker(polygonList_);
        polygonList_->clear();
        const auto& polygons = context_.project.object.polygons;
        for (std::size_t k = 0; k < polygons.size(); ++k)
            polygonList_->addItem(QString::fromStdString(polygonPanelLine(k, polygons[k])));
    }
    if (!editing) {
        reboundBox_->setCurrentIndex(0);
        selectPolygons({});
    }
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
    selectPolygons({});
    refreshList();
}

void CollisionForm::onVolumeClicked() {
    const int row = volumeList_->currentRow();
    const auto& volumes = context_.project.object.collision;
    const bool chosen = row >= 0 && static_cast<std::size_t>(row) < volumes.size();
    removeButton_->setEnabled(chosen);
    editReboundButton_->setEnabled(chosen);
    selectPolygons(chosen ? volumes[static_cast<std::size_t>(row)].PlanePolygons
                          : std::vector<std::int32_t>{});
}

std::vector<std::int32_t> CollisionForm::chosenPolygons() const {
    std::vector<std::int32_t> chosen;
    for (int k = 0; k < polygonList_->count(); ++k)
        if (polygonList_->item(k)->isSelected()) chosen.push_back(k);
    return chosen;
}

void CollisionForm::onPolygonsClicked() {
    selectPolygons(chosenPolygons());
}

void CollisionForm::onAddOrEdit() {
    Project& p = context_.project;
    const auto rebound = static_cast<std::int32_t>(reboundBox_->currentIndex());
    OperationResult r;
    if (editing_) {
        r = setVolumeRebound(p, static_cast<std::size_t>(volumeList_->currentRow()), rebound);
    } else {
        r = addCollisionVolume(p, chosenPolygons(), rebound);
        if (r.outcome == Outcome::Refused) return report(context_.prompts, r);
    }
    finish(r);
    closePanel();
}

void CollisionForm::onRemove() {
    finish(removeCollisionVolume(context_.project,
                                 static_cast<std::size_t>(volumeList_->currentRow())));
    removeButton_->setEnabled(false);
    editReboundButton_->setEnabled(false);
}

void CollisionForm::onRemoveAll() {
    finish(removeAllCollisionVolumes(context_.project));
}

void CollisionForm::finish(const OperationResult& result) {
    report(context_.prompts, result);
    context_.objectChanged();
}

} // namespace meshsmith
