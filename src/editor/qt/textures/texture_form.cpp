#include "editor/qt/textures/texture_form.hpp"

#include "editor/core/textures/texture_library_rules.hpp"
#include "editor/qt/textures/back_color_form.hpp"
#include "editor/qt/textures/texture_view_form.hpp"
#include "editor/qt/textures/transparency_form.hpp"
#include "model/bitmap_lookup.hpp"
#include "model/edits/texture_edits.hpp"

#include <QGridLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

namespace meshsmith {

TextureForm::TextureForm(EditorContext& context, DocumentSignal& signal, TextureWindowHooks hooks,
                         QWidget* parent)
    : QDialog(parent), context_(context), hooks_(std::move(hooks)) {
    setObjectName("Textureform");
    setWindowTitle("Load / Remove Texture Files");
    setModal(true);
    buildControls();
    setFixedWidth(629);
    setMinimumHeight(244);
    setMaximumHeight(550);
    connect(&signal, &DocumentSignal::changed, this, [this](const DocumentChange& change) {
        if (change.any(DocumentChange::Textures | DocumentChange::Opened)) refreshList();
    });
}

std::int32_t TextureForm::selectedTexture() const {
    const IndexSet& row = context_.document.selected(Purpose::LibraryTexture);
    return row.empty() ? NoTexture : row.front();
}

void TextureForm::buildControls() {
    grid_ = new QTableWidget(this);
    grid_->setObjectName("StringGrid1");
    grid_->setToolTip("List Of The Loaded Textures");
    grid_->setAccessibleName("List Of The Loaded Textures");
    grid_->setColumnCount(static_cast<int>(kTextureGridHeaders.size()));
    QStringList headers;
    for (const char* h : kTextureGridHeaders)
        headers << h;
    grid_->setHorizontalHeaderLabels(headers);
    grid_->verticalHeader()->hide();
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);

    auto* load = textureButton(this, "LoadTexButton", "Load Texture", "Load  A New Bitmap File");
    removeButton_ = textureButton(this, "RemoveTexButton", "Remove Selected",
                                  "Remove Selected Texture From The List");
    replaceButton_ = textureButton(this, "ReplaceButton", "Replace Texture",
                                   "Replace Selected Texture With A New One");
    transButton_ = textureButton(this, "TransButton", "Transparency",
                                 "Set Selected Texture To Use Transparency");
    averageButton_ = textureButton(
        this, "AverageButton", "Background Color",
        "Set Background Color Of The Selected Texture (By Default All Polygons Appear Grey In GPL "
        "When Texture Is Turned Off In Graphics Option)");
    auto* preview = textureButton(this, "ViewTexButton", "Preview Texture", "Preview A Texture");
    auto* close = textureButton(this, "CancelTexButton", "Close", "Close This Window");

    auto* buttons = new QGridLayout;
    QPushButton* order[] = {load,           replaceButton_, removeButton_, transButton_,
                            averageButton_, preview,        close};
    for (int k = 0; k < 7; ++k)
        buttons->addWidget(order[k], k / 4, k % 4);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_, 1);
    layout->addLayout(buttons);

    connect(grid_, &QTableWidget::itemSelectionChanged, this, &TextureForm::onRowSelected);
    connect(load, &QPushButton::clicked, this, &TextureForm::onLoad);
    connect(replaceButton_, &QPushButton::clicked, this, &TextureForm::onReplace);
    connect(removeButton_, &QPushButton::clicked, this, &TextureForm::onRemove);
    connect(transButton_, &QPushButton::clicked, this, &TextureForm::onTransparency);
    connect(averageButton_, &QPushButton::clicked, this, &TextureForm::onBackColor);
    connect(preview, &QPushButton::clicked, this, &TextureForm::onPreview);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

void TextureForm::showEvent(QShowEvent* event) {
    context_.document.clearSelection(Purpose::LibraryTexture);
    refreshList();
    QDialog::showEvent(event);
}

void TextureForm::done(int result) {
    context_.document.clearSelection(Purpose::LibraryTexture);
    QDialog::done(result);
}

void TextureForm::refreshList() {
    const QSignalBlocker blocker(grid_);
    const Project& p = context_.document.project();
    grid_->clearContents();
    grid_->setRowCount(textureGridRows(p));
    for (std::size_t k = 0; k < p.object.textures.size(); ++k) {
        const auto cells = textureGridCells(p.object.textures[k], k);
        for (std::size_t c = 0; c < cells.size(); ++c)
            grid_->setItem(static_cast<int>(k), static_cast<int>(c),
                           new QTableWidgetItem(QString::fromStdString(cells[c])));
    }
    grid_->resizeColumnsToContents();
    grid_->clearSelection();
    if (textureButtonsEnabled(p, selectedTexture())) grid_->selectRow(selectedTexture());
    updateButtons();
}

void TextureForm::updateButtons() {
    const bool on = textureButtonsEnabled(context_.document.project(), selectedTexture());
    for (QPushButton* b : {replaceButton_, transButton_, averageButton_, removeButton_})
        b->setEnabled(on);
}

void TextureForm::onRowSelected() {
    const QList<QTableWidgetSelectionRange> ranges = grid_->selectedRanges();
    if (ranges.isEmpty())
        context_.document.clearSelection(Purpose::LibraryTexture);
    else
        context_.document.select(Purpose::LibraryTexture, {ranges.front().topRow()});
    updateButtons();
}

std::optional<std::string> TextureForm::chooseBitmap(const char* title) {
    FileDialogRequest request;
    request.title = title;
    request.filters = {"Bitmaps (*.bmp)|*.bmp"};
    request.presetPath = context_.general.BMPPath;
    return context_.files.openFile(request);
}

void TextureForm::onLoad() {
    if (const auto path = chooseBitmap("Load Texture")) {
        Document& doc = context_.document;
        const OperationResult r = doc.run(&loadTexture, *path);
        if (r.done())
            doc.select(Purpose::LibraryTexture,
                       {static_cast<std::int32_t>(doc.object().textures.size()) - 1});
        finish(r, r.done());
    }
}

void TextureForm::onReplace() {
    if (const auto path = chooseBitmap("Replace Texture")) {
        const OperationResult r = context_.document.run(&replaceTexture, selectedTexture(), *path);
        finish(r, r.done());
    }
}

void TextureForm::onRemove() {
    const OperationResult r = context_.document.run(&removeTexture, selectedTexture());
    finish(r, r.done());
}

std::optional<BmpImage> TextureForm::selectedBitmap() {
    const Project& p = context_.document.project();
    const TextureData& t = p.object.textures.at(static_cast<std::size_t>(selectedTexture()));
    BmpImage image;
    const OperationResult r = readBmpFile(bitmapPathOnDisk(p, t.Filename), image);
    report(context_.prompts, r);
    return r.done() ? std::optional<BmpImage>(std::move(image)) : std::nullopt;
}

void TextureForm::onTransparency() {
    auto bitmap = selectedBitmap();
    if (!bitmap) return;
    TransparencyForm dialog(context_, selectedTexture(), std::move(*bitmap), this);
    if (dialog.exec() == QDialog::Accepted) finish({}, true);
}

void TextureForm::onBackColor() {
    auto bitmap = selectedBitmap();
    if (!bitmap) return;
    BackColorForm dialog(context_, selectedTexture(), std::move(*bitmap), this);
    if (dialog.exec() == QDialog::Accepted) finish({}, false);
}

void TextureForm::onPreview() {
    const auto path = chooseBitmap("Preview Texture");
    if (!path) return;
    BmpImage image;
    const OperationResult r = readBmpFile(*path, image);
    if (!r.done()) return report(context_.prompts, r);
    TextureViewForm view(image, this);
    view.exec();
}

void TextureForm::finish(const OperationResult& result, bool libraryChanged) {
    report(context_.prompts, result);
    refreshList();
    if (libraryChanged) rebuildLibrary();
}

// The view reads every bitmap and mask again while the window waits.
void TextureForm::rebuildLibrary() {
    context_.addLogLine("Rebuilding Texture Library.....");
    setEnabled(false);
    hooks_.rebuildTextures();
    setEnabled(true);
    context_.addLogLine("Done !");
}

} // namespace meshsmith
