// The assignment window's coordinate commands: setting coordinates by clicks
// into the texture or by typing, the vertices of the chosen lines marked in
// the view, and Rotate, Mirror and Face Opposite.
#include "editor/qt/textures/select_texture_form.hpp"

#include "editor/qt/textures/tex_man_box.hpp"
#include "editor/qt/textures/texture_view_form.hpp"
#include "model/bitmap_lookup.hpp"

#include <QComboBox>
#include <QListWidget>

namespace meshsmith {

void SelectTextureForm::onCoordinatesDoubleClicked() {
    const Project& p = context_.document.project();
    const auto mode = static_cast<CoordinateMode>(coordMode_->currentIndex());
    if (const OperationResult r = checkCoordinateSetting(state_, texture_, mode);
        !r.done()) {
        report(context_.prompts, r);
        if (mode == CoordinateMode::LoadFromFile)
            coordMode_->setCurrentIndex(static_cast<int>(CoordinateMode::PickAll));
        return;
    }
    BmpImage bitmap;
    const TextureData& texture = p.object.textures.at(static_cast<std::size_t>(texture_));
    if (const OperationResult r = readBmpFile(bitmapPathOnDisk(p, texture.Filename), bitmap);
        !r.done())
        return report(context_.prompts, r);
    const bool changed =
        mode == CoordinateMode::Manually ? typeCoordinate() : pickCoordinates(bitmap, mode);
    if (changed) apply();
}

// The coordinate window runs until the picks are done or it is closed.
bool SelectTextureForm::pickCoordinates(const BmpImage& bitmap, CoordinateMode mode) {
    std::vector<std::size_t> rows;
    for (int k = 0; k < coordList_->count(); ++k)
        if (coordList_->item(k)->isSelected()) rows.push_back(static_cast<std::size_t>(k));
    int counter = 1;
    bool picked = false;
    const std::size_t corners = state_.working.size();
    TextureViewForm view(
        bitmap, this,
        [&](TexCoord uv) {
            const bool closes = applyCoordinatePick(mode, counter, rows, uv, state_.working);
            picked = state_.assigned = true;
            showCoordinates();
            return closes;
        },
        [&](int x, int y, int w, int h) {
            return pickCaption(mode, counter, corners, x, y, w, h);
        });
    view.exec();
    return picked;
}

bool SelectTextureForm::typeCoordinate() {
    const int row = coordList_->currentRow();
    if (row < 0 || static_cast<std::size_t>(row) >= state_.working.size()) return false;
    TexManBox box(state_.working[static_cast<std::size_t>(row)], context_.prompts, this);
    if (box.exec() != QDialog::Accepted || !box.typed()) return false;
    state_.working[static_cast<std::size_t>(row)] = *box.typed();
    state_.assigned = true;
    return true;
}

// The view marks the vertices of the chosen lines.
void SelectTextureForm::onCoordinateRowsSelected() {
    const ObjectData* polygon = currentPolygon();
    if (!polygon || selectedPolygons().size() > 1) return;
    std::vector<std::int32_t> marked;
    for (int k = 0; k < coordList_->count() && k + 1 < polygon->VertexCount; ++k)
        if (coordList_->item(k)->isSelected())
            marked.push_back(polygon->VertexIndices[static_cast<std::size_t>(k)]);
    context_.document.select(Purpose::Vertices, marked);
}

// After Rotate, Mirror or Face Opposite the working list is the current polygon's again.
void SelectTextureForm::afterCoordinateCommand(const OperationResult& result) {
    report(context_.prompts, result);
    if (const ObjectData* polygon = currentPolygon(); polygon && polygon->textured()) {
        state_.working.assign(polygon->TexCoords.begin(),
                              polygon->TexCoords.begin() + polygon->corners());
        state_.assigned = true;
    }
    showCoordinates();
}

} // namespace meshsmith
