#include "editor/qt/textures/select_texture_form.hpp"

#include "editor/qt/geometry/form_controls.hpp"
#include "editor/qt/textures/texture_form.hpp"
#include "model/bitmap_lookup.hpp"
#include "model/edits/texture_mapping.hpp"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace meshsmith {
namespace {

QComboBox* comboBox(QWidget* parent, const char* name, const char* hint,
                    const std::vector<std::string>& items) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setToolTip(hint);
    combo->setAccessibleName(hint);
    for (const std::string& item : items)
        combo->addItem(qs(item));
    return combo;
}

} // namespace

SelectTextureForm::SelectTextureForm(EditorContext& context, DocumentSignal& signal,
                                     TextureWindowHooks hooks, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      context_(context), signal_(signal), hooks_(std::move(hooks)) {
    setObjectName("SelectTextureForm");
    setWindowTitle("Assign Texture");
    setModal(false);
    buildControls();
    connectControls();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    connect(&signal, &DocumentSignal::changed, this, &SelectTextureForm::onDocumentChanged);
}

void SelectTextureForm::onDocumentChanged(const DocumentChange& change) {
    if (change.any(DocumentChange::Polygons | DocumentChange::Textures | DocumentChange::Opened))
        refreshList();
}

void SelectTextureForm::buildControls() {
    polygonList_ = new QListWidget(this);
    polygonList_->setObjectName("SelPolyListBox");
    polygonList_->setAccessibleName("Polygons");
    polygonList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    polygonList_->setFixedWidth(130);
    textureCombo_ = comboBox(this, "TextureComboBox", "Texture To Use", {});
    auto* panel = new QFrame(this);
    panel->setObjectName("TexturePanel");
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFixedSize(132, 132);
    image_ = new QLabel(kNoTextureSelected, panel);
    image_->setObjectName("Image1");
    image_->setToolTip("Image Of Chosen Texture");
    image_->setAlignment(Qt::AlignCenter);
    image_->setScaledContents(false);
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(2, 2, 2, 2);
    panelLayout->addWidget(image_);
    formatLabel_ = new QLabel(this);
    formatLabel_->setObjectName("TexFormatLabel");
    styleCombo_ = comboBox(this, "StyleComboBox",
                           "Set Wether The Texture Should Be Applied Completey, Only A Portion Of "
                           "It Or If It Should Be Repeated Horizontally Or Vertically (By Using "
                           "'Repeat Texture' Below)",
                           {kMappingStyles.begin(), kMappingStyles.end()});
    styleCombo_->setAccessibleName("Mapping Style");
    buildCoordinateControls();

    auto* textureColumn = new QVBoxLayout;
    textureColumn->addWidget(textureCombo_);
    textureColumn->addWidget(panel, 0, Qt::AlignHCenter);
    textureColumn->addWidget(formatLabel_);
    textureColumn->addWidget(styleCombo_);
    textureColumn->addWidget(coordList_, 1);
    textureColumn->addWidget(coordMode_);
    auto* spins = new QGridLayout;
    spins->addWidget(spinXLabel_, 0, 0);
    spins->addWidget(spinX_, 0, 1);
    spins->addWidget(spinYLabel_, 1, 0);
    spins->addWidget(spinY_, 1, 1);
    textureColumn->addLayout(spins);
    auto* buttons = new QGridLayout;
    buttons->addWidget(rotate_, 0, 0);
    buttons->addWidget(face_, 0, 1);
    buttons->addWidget(mirrorH_, 1, 0);
    buttons->addWidget(mirrorV_, 1, 1);
    buttons->addWidget(close_, 2, 1);
    textureColumn->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(polygonList_);
    layout->addLayout(textureColumn);
}

void SelectTextureForm::buildCoordinateControls() {
    coordList_ = new QListWidget(this);
    coordList_->setObjectName("CoordinateListBox");
    coordList_->setToolTip("Texture Coordinates Of The Selected Polygon's Vertices");
    coordList_->setAccessibleName("Texture Coordinates Of The Selected Polygon's Vertices");
    coordList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    coordList_->setMinimumHeight(90);
    coordMode_ = comboBox(this, "CoordComboBox",
                          "Set Wether To Pick All Coordinates In One Go, Pick Only Single "
                          "Coordinate, Type Values Manually Or Load Definition From A File",
                          {kCoordinateModes.begin(), kCoordinateModes.end()});
    coordMode_->setAccessibleName("Coordinate Mode");
    const char* names[] = {"SpinEditX", "SpinEditY"};
    const char* labels[] = {"Repeat Texture Left/Right:", "Repeat Texture Up/Down:"};
    const char* hints[] = {"Set How Many Times The Texture Should Be Repeated Horizontally",
                           "Set How Many Times The Texture Should Be Repeated Vertically"};
    QSpinBox** spins[] = {&spinX_, &spinY_};
    QLabel** spinLabels[] = {&spinXLabel_, &spinYLabel_};
    for (int k = 0; k < 2; ++k) {
        *spins[k] = new QSpinBox(this);
        (*spins[k])->setObjectName(names[k]);
        (*spins[k])->setToolTip(hints[k]);
        (*spins[k])->setRange(1, kLargestRepeat);
        *spinLabels[k] = new QLabel(labels[k], this);
        (*spinLabels[k])->setBuddy(*spins[k]);
    }
    rotate_ = textureButton(this, "RotateButton", "Rotate", "Rotate Texture Corner By Corner");
    mirrorH_ = textureButton(this, "MirrorHButton", "Mirror Horizontal",
                             "Mirror Texture Horizontally - Quadrangular Polygons only");
    mirrorV_ = textureButton(this, "MirrorVButton", "Mirror Vertical",
                             "Mirror Texture Vertically - Quadrangular Polygons only");
    face_ = textureButton(this, "FaceButton", "Face Opposite",
                          "Make The Texture Show On The Opposite Side");
    close_ = textureButton(this, "OKButton", "Close", "Close This Window");
}

void SelectTextureForm::connectControls() {
    connect(polygonList_, &QListWidget::itemSelectionChanged, this,
            &SelectTextureForm::onPolygonsSelected);
    connect(textureCombo_, &QComboBox::activated, this, &SelectTextureForm::onTextureChosen);
    connect(styleCombo_, &QComboBox::activated, this, &SelectTextureForm::onStyleChosen);
    for (QSpinBox* spin : {spinX_, spinY_})
        connect(spin, &QSpinBox::valueChanged, this, &SelectTextureForm::onRepeatChanged);
    connect(coordList_, &QListWidget::itemDoubleClicked, this,
            &SelectTextureForm::onCoordinatesDoubleClicked);
    connect(coordList_, &QListWidget::itemSelectionChanged, this,
            &SelectTextureForm::onCoordinateRowsSelected);
    Document& doc = context_.document;
    const auto command = [this](const std::function<OperationResult()>& run) {
        ownChange_ = true;
        const OperationResult r = run();
        ownChange_ = false;
        afterCoordinateCommand(r);
    };
    connect(rotate_, &QPushButton::clicked, this,
            [&doc, this, command] { command([&] { return doc.run(&rotateTexture, selectedPolygons()); }); });
    connect(mirrorH_, &QPushButton::clicked, this, [&doc, this, command] {
        command([&] { return doc.run(&mirrorTexture, selectedPolygons(), MirrorAxis::Horizontal); });
    });
    connect(mirrorV_, &QPushButton::clicked, this, [&doc, this, command] {
        command([&] { return doc.run(&mirrorTexture, selectedPolygons(), MirrorAxis::Vertical); });
    });
    connect(face_, &QPushButton::clicked, this,
            [&doc, this, command] { command([&] { return doc.run(&faceOpposite, selectedPolygons()); }); });
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);
}

void SelectTextureForm::showEvent(QShowEvent* event) {
    styleCombo_->setCurrentIndex(static_cast<int>(MappingStyle::EntireTexture));
    coordMode_->setCurrentIndex(static_cast<int>(CoordinateMode::PickAll));
    current_ = 0;
    reload();
    for (QPushButton* b : {rotate_, face_, mirrorH_, mirrorV_})
        b->setEnabled(false);
    QDialog::showEvent(event);
}

void SelectTextureForm::done(int result) {
    context_.document.clearSelection(Purpose::TexturedPolygons);
    context_.document.clearSelection(Purpose::Vertices);
    hooks_.showTextures(true);
    QDialog::done(result);
}

void SelectTextureForm::refreshList() {
    if (ownChange_ || !isVisible()) return;
    reload();
    updateTextureButtons();
}

// The lists and the state of the current polygon, from the project.
void SelectTextureForm::reload() {
    const Project& p = context_.document.project();
    if (current_ < 0 || static_cast<std::size_t>(current_) >= p.object.polygons.size())
        current_ = 0;
    fillTextureCombo();
    fillPolygonList();
    readCurrentState();
    const ObjectData* polygon = currentPolygon();
    showTextureOf(polygon ? polygon->TextureIndex : NoTexture);
    showCoordinates();
}

void SelectTextureForm::fillTextureCombo() {
    const QSignalBlocker blocker(textureCombo_);
    textureCombo_->clear();
    for (const std::string& item : textureComboItems(context_.document.project()))
        textureCombo_->addItem(qs(item));
}

// Every polygon, the ones already chosen (the window's selection) selected.
void SelectTextureForm::fillPolygonList() {
    const QSignalBlocker blocker(polygonList_);
    const auto& polygons = context_.document.object().polygons;
    polygonList_->clear();
    for (std::size_t k = 0; k < polygons.size(); ++k)
        polygonList_->addItem(qs(polygonListLine(k)));
    for (std::int32_t k : context_.document.selected(Purpose::TexturedPolygons))
        if (auto* item = polygonList_->item(k)) item->setSelected(true);
}

std::vector<std::int32_t> SelectTextureForm::selectedPolygons() const {
    return listSelection(polygonList_);
}

const ObjectData* SelectTextureForm::currentPolygon() const {
    const auto& polygons = context_.document.object().polygons;
    if (current_ < 0 || static_cast<std::size_t>(current_) >= polygons.size()) return nullptr;
    return &polygons[static_cast<std::size_t>(current_)];
}

void SelectTextureForm::readCurrentState() {
    const ObjectData* polygon = currentPolygon();
    state_ = polygon ? readMappingState(*polygon) : MappingState{};
    showStyle(state_.style);
}

// The style, its repeat counts and the controls it allows.
void SelectTextureForm::showStyle(MappingStyle style) {
    state_.style = style;
    const bool area = style == MappingStyle::TextureArea;
    const bool repeat = style == MappingStyle::RepeatTexture;
    if (!repeat) state_.repeatX = state_.repeatY = 1;
    const QSignalBlocker blockStyle(styleCombo_), blockX(spinX_), blockY(spinY_);
    styleCombo_->setCurrentIndex(static_cast<int>(style));
    spinX_->setValue(state_.repeatX);
    spinY_->setValue(state_.repeatY);
    for (QWidget* w : std::initializer_list<QWidget*>{coordList_, coordMode_})
        w->setEnabled(area);
    for (QWidget* w : std::initializer_list<QWidget*>{spinX_, spinY_, spinXLabel_, spinYLabel_})
        w->setEnabled(repeat);
}

// The texture shown in the combo box, the panel and the format label; it is
// the texture the next change applies.
void SelectTextureForm::showTextureOf(std::int32_t texture) {
    const Project& p = context_.document.project();
    const bool valid = texture >= 0 && static_cast<std::size_t>(texture) < p.object.textures.size();
    texture_ = valid ? texture : NoTexture;
    {
        const QSignalBlocker blocker(textureCombo_);
        textureCombo_->setCurrentIndex(valid ? texture
                                             : static_cast<int>(p.object.textures.size()));
    }
    image_->clear();
    formatLabel_->clear();
    if (!valid) return image_->setText(kNoTextureSelected);
    BmpImage bitmap;
    const std::string path =
        bitmapPathOnDisk(p, p.object.textures[static_cast<std::size_t>(texture)].Filename);
    if (!readBmpFile(path, bitmap).done()) return image_->setText("Bitmap cannot be read");
    const ShownSize size = shownImageSize(bitmap.width, bitmap.height);
    image_->setPixmap(QPixmap::fromImage(toQImage(bitmap).scaled(size.width, size.height)));
    formatLabel_->setText(qs(formatLabel(bitmap.width, bitmap.height)));
}

void SelectTextureForm::showCoordinates() {
    const QSignalBlocker blocker(coordList_);
    coordList_->clear();
    const ObjectData* polygon = currentPolygon();
    if (selectedPolygons().size() > 1)
        coordList_->addItem("Multiple");
    else if (polygon)
        for (const std::string& line : coordinateLines(*polygon, state_))
            coordList_->addItem(qs(line));
}

void SelectTextureForm::updateTextureButtons() {
    const auto rows = selectedPolygons();
    const auto& polygons = context_.document.object().polygons;
    bool anyTextured = false;
    for (std::int32_t k : rows)
        anyTextured = anyTextured || polygons[static_cast<std::size_t>(k)].textured();
    rotate_->setEnabled(anyTextured);
    face_->setEnabled(anyTextured);
    const bool oneQuad =
        rows.size() == 1 && isQuadrilateral(polygons[static_cast<std::size_t>(rows[0])]);
    mirrorH_->setEnabled(oneQuad);
    mirrorV_->setEnabled(oneQuad);
}

void SelectTextureForm::onPolygonsSelected() {
    const auto rows = selectedPolygons();
    context_.document.select(Purpose::TexturedPolygons, rows);
    if (!rows.empty()) {
        current_ = rows.back();
        readCurrentState();
        if (rows.size() == 1) {
            showTextureOf(currentPolygon()->TextureIndex);
        } else {
            image_->clear();
            image_->setText(kNoTextureSelected);
            formatLabel_->clear();
        }
        showCoordinates();
    }
    updateTextureButtons();
}

void SelectTextureForm::onTextureChosen(int row) {
    const auto count = static_cast<int>(context_.document.object().textures.size());
    if (row == count + 1) return loadNewTexture();
    showTextureOf(row < count ? row : NoTexture);
    apply();
}

// The library window in between; a texture it added is chosen and applied.
void SelectTextureForm::loadNewTexture() {
    const Project& p = context_.document.project();
    const std::size_t before = p.object.textures.size();
    hide();
    {
        TextureForm library(context_, signal_, hooks_, parentWidget());
        library.exec();
    }
    fillTextureCombo();
    const bool added = p.object.textures.size() > before;
    const ObjectData* polygon = currentPolygon();
    showTextureOf(added     ? static_cast<std::int32_t>(p.object.textures.size() - 1)
                  : polygon ? polygon->TextureIndex
                            : NoTexture);
    if (added) apply();
    show();
}

void SelectTextureForm::onStyleChosen(int row) {
    auto style = static_cast<MappingStyle>(row);
    const ObjectData* polygon = currentPolygon();
    if (!polygon) return;
    if (const OperationResult r = checkStyle(*polygon, style); !r.done()) {
        report(context_.prompts, r);
        style = MappingStyle::TextureArea;
    }
    if (style == MappingStyle::EntireTexture) state_.working = defaultWorkingList(4);
    showStyle(style);
    apply();
}

void SelectTextureForm::onRepeatChanged() {
    // Only "Repeat Texture" has counts (a disabled spin box can still be set
    // from outside, by a screen reader for one).
    if (state_.style != MappingStyle::RepeatTexture) return showStyle(state_.style);
    const bool x = spinX_->value() != state_.repeatX;
    state_.repeatX = spinX_->value();
    state_.repeatY = spinY_->value();
    state_.working = repeatWorkingList(state_.repeatX, state_.repeatY);
    apply(true, x ? "Repeat Texture Left/Right" : "Repeat Texture Up/Down");
}

void SelectTextureForm::apply(bool quadsOnly, const char* mergeKey) {
    Document& doc = context_.document;
    ownChange_ = true;
    const OperationResult r =
        mergeKey
            ? doc.runMerged(mergeKey, &assignTexture, selectedPolygons(), texture_, state_.working,
                            quadsOnly)
            : doc.run(&assignTexture, selectedPolygons(), texture_, state_.working, quadsOnly);
    ownChange_ = false;
    report(context_.prompts, r);
    const ObjectData* polygon = currentPolygon();
    state_.assigned = polygon && polygon->textured();
    showCoordinates();
    updateTextureButtons();
    hooks_.showTextures(true);
}

} // namespace meshsmith
