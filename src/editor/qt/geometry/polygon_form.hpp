#pragma once
// The polygon window "Create Polygons": the list of all polygons, polygons
// built from vertices picked in the view or typed by number, their removal,
// and the edit panel (texture index, re-picked corners, colour). Its picks in
// the view are the document's polygon pick sessions.

#include "editor/core/geometry/pick_start.hpp"
#include "editor/qt/geometry/record_window.hpp"

class QComboBox;
class QLabel;
class QPushButton;

namespace meshsmith {

class PolygonForm : public RecordWindow {
    Q_OBJECT
  public:
    PolygonForm(EditorContext& context, DocumentSignal& signal, QWidget* parent);

    // Random colours from this seed on (tests get the same colours every run).
    void seedColours(std::uint32_t seed) { colours_ = PolygonColour(RandomColours(seed)); }

  private:
    const std::vector<ObjectData>& records() const override {
        return context_.document.object().polygons;
    }
    std::string listLine(std::size_t index, const ObjectData& record) const override;
    bool ownsSession(const PickSession& session) const override;
    void updateButtons() override;
    void pickEnded(const DocumentChange::PickEnded& ended) override;

    void buildControls();
    QWidget* buildEditPanel();
    void onFlatShading();
    void onRemoveSelected();
    void onRemoveAll();
    void onEdit();
    void onTextureChosen(int row);
    void onRepick();
    void onRecolour();
    // Picking: a new polygon in the view, or the next one after it.
    void startPicking(NextColour how);
    void askForNextPolygon();
    void createTypedPolygon(const std::vector<std::int32_t>& closed);
    bool manualColours() const { return context_.general.RandomPolyColors; }
    // After an operation: the report, and the main window follows the change.
    void finish(const OperationResult& result);

    PolygonColour colours_;
    QPushButton *flatButton_ = nullptr, *gouraudButton_ = nullptr, *specButton_ = nullptr;
    QPushButton *removeButton_ = nullptr, *removeAllButton_ = nullptr, *editButton_ = nullptr;
    QLabel* textureLabel_ = nullptr;
    QComboBox* textureBox_ = nullptr;
    QPushButton* repickButton_ = nullptr;
    QLabel* colourPanel_ = nullptr;
};

} // namespace meshsmith
