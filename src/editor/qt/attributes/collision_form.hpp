#pragma once
// "Set Collision Volumes": the list of collision volumes and, while volumes
// are being built or their rebound edited, the panel of polygons with the
// rebound box. The polygons of the volume or panel selection show in the view.
// The list and the panel follow every change of the document, so a row always
// names the polygon it shows.

#include "editor/core/shell/editor_context.hpp"
#include "editor/qt/shell/document_signal.hpp"

#include <QDialog>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

namespace meshsmith {

class CollisionForm : public QDialog {
    Q_OBJECT
  public:
    CollisionForm(EditorContext& context, DocumentSignal& signal, QWidget* parent);

    void refreshList();

  protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

  private:
    void buildControls();
    void openPanel(bool editing);
    void closePanel();
    void onVolumeClicked();
    void onPolygonsClicked();
    std::vector<std::int32_t> chosenPolygons() const; // rows selected in the panel
    void onAddOrEdit();
    void onRemove();
    void onRemoveAll();
    void fillPanel();
    void onDocumentChanged(const DocumentChange& change);
    void finish(const OperationResult& result);

    EditorContext& context_;
    bool editing_ = false;
    QListWidget *volumeList_ = nullptr, *polygonList_ = nullptr;
    QWidget* panel_ = nullptr;
    QComboBox* reboundBox_ = nullptr;
    QPushButton *addVolumeButton_ = nullptr, *removeButton_ = nullptr, *removeAllButton_ = nullptr,
                *editReboundButton_ = nullptr, *closeButton_ = nullptr, *addButton_ = nullptr,
                *backButton_ = nullptr;
};

} // namespace meshsmith
