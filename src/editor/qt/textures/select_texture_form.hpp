#pragma once
// The window "Assign Texture" (SelectTextureForm): the polygons to work on,
// the texture they carry, the mapping style with its repeat counts, and the
// texture coordinates of the current polygon, set by clicking into the
// texture, typed, rotated, mirrored or turned to the other face. Every change
// is applied at once to the polygons chosen in the list. Modeless, on top.
// (select_texture_form_coords.cpp holds the coordinate commands.)

#include "editor/core/shell/editor_context.hpp"
#include "editor/qt/shell/document_signal.hpp"
#include "editor/core/textures/texture_mapping_rules.hpp"
#include "editor/qt/textures/texture_images.hpp"

#include <QDialog>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace meshsmith {

class SelectTextureForm : public QDialog {
    Q_OBJECT
  public:
    SelectTextureForm(EditorContext& context, DocumentSignal& signal, TextureWindowHooks hooks,
                      QWidget* parent);

    // Follows a change of the object made elsewhere (an Undo, another window).
    void refreshList();

  protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

  private:
    void buildControls();
    void buildCoordinateControls();
    void connectControls();
    void reload();
    void fillTextureCombo();
    void fillPolygonList();
    std::vector<std::int32_t> selectedPolygons() const;
    const ObjectData* currentPolygon() const;
    void readCurrentState();
    void showStyle(MappingStyle style);
    void showTextureOf(std::int32_t texture);
    void showCoordinates();
    void updateTextureButtons();
    void onPolygonsSelected();
    void onTextureChosen(int row);
    void loadNewTexture();
    void onStyleChosen(int row);
    void onRepeatChanged();
    // Applies texture and working list to the chosen polygons (quadrilaterals
    // only); consecutive changes under one `mergeKey` (a spinner) make one step.
    void apply(bool quadsOnly = false, const char* mergeKey = nullptr);
    void onDocumentChanged(const DocumentChange& change);

    // Coordinates (select_texture_form_coords.cpp).
    void onCoordinatesDoubleClicked();
    bool pickCoordinates(const BmpImage& bitmap, CoordinateMode mode);
    bool typeCoordinate();
    void onCoordinateRowsSelected();
    void afterCoordinateCommand(const OperationResult& result);

    EditorContext& context_;
    DocumentSignal& signal_;
    TextureWindowHooks hooks_;
    MappingState state_;
    std::int32_t current_ = 0;
    std::int32_t texture_ = NoTexture; // the texture the next change applies
    bool ownChange_ = false;
    QListWidget* polygonList_ = nullptr;
    QComboBox *textureCombo_ = nullptr, *styleCombo_ = nullptr, *coordMode_ = nullptr;
    QLabel *image_ = nullptr, *formatLabel_ = nullptr;
    QLabel *spinXLabel_ = nullptr, *spinYLabel_ = nullptr;
    QListWidget* coordList_ = nullptr;
    QSpinBox *spinX_ = nullptr, *spinY_ = nullptr;
    QPushButton *rotate_ = nullptr, *mirrorH_ = nullptr, *mirrorV_ = nullptr, *face_ = nullptr;
    QPushButton* close_ = nullptr;
};

} // namespace meshsmith
