#pragma once
// The window "Load / Remove Texture Files" (Textureform): the project's
// texture library as a grid, with the buttons that load, replace and remove
// bitmaps, open the transparency and background-colour dialogs and preview a
// bitmap. Selecting a row selects the texture (the window's selection in the
// document), and the view marks the polygons that carry it. After every change of the library the view rebuilds its texture objects
// while the window is disabled, between two log lines. Modal.

#include "editor/core/shell/editor_context.hpp"
#include "editor/qt/shell/document_signal.hpp"
#include "editor/qt/textures/texture_images.hpp"

#include <QDialog>

class QPushButton;
class QTableWidget;

namespace meshsmith {

class TextureForm : public QDialog {
    Q_OBJECT
  public:
    TextureForm(EditorContext& context, DocumentSignal& signal, TextureWindowHooks hooks,
                QWidget* parent);

    // Refills the grid from the texture table.
    void refreshList();

  protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

  private:
    void buildControls();
    void onRowSelected();
    void onLoad();
    void onReplace();
    void onRemove();
    void onTransparency();
    void onBackColor();
    void onPreview();
    std::optional<std::string> chooseBitmap(const char* title);
    // Reads the selected texture's bitmap, or reports why it cannot be read.
    std::optional<BmpImage> selectedBitmap();
    // After a change of the library: the report, the grid, the texture objects.
    void finish(const OperationResult& result, bool libraryChanged);
    void rebuildLibrary();
    void updateButtons();
    std::int32_t selectedTexture() const;

    EditorContext& context_;
    TextureWindowHooks hooks_;
    QTableWidget* grid_ = nullptr;
    QPushButton *replaceButton_ = nullptr, *transButton_ = nullptr, *averageButton_ = nullptr;
    QPushButton* removeButton_ = nullptr;
};

} // namespace meshsmith
