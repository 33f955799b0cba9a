#pragma once
// The exchange of geometry in the main window: the imports of vertex text,
// 3DOText, DXF, OBJ and 3ds Max ASE files, the exports, "Just write ASE", and the project
// listing on screen and on paper. It owns those commands' actions.

#include "editor/core/shell/editor_context.hpp"
#include "editor/core/shell/file_filters.hpp"
#include "editor/qt/shell/main_actions.hpp"
#include "editor/qt/textures/qt_image_decoder.hpp"
#include "import/model_import.hpp"
#include "model/dxf_export.hpp"
#include "model/random_colours.hpp"

#include <QObject>

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace meshsmith {

class ExchangeController : public QObject {
    Q_OBJECT
  public:
    // `zoomAll`: the view frames the object (after a DXF or model import).
    ExchangeController(EditorContext& context, MainActions& actions, QWidget* window,
                       std::function<void()> zoomAll);

  private:
    void onImportVertexText();
    void onImport3doText();
    void onImportDxf();
    void importModel(ModelFormat format);
    void onExportVertexText();
    void onExport3doText();
    void exportDxfCommand(DxfExportMode mode);
    void onWriteAseOnly();
    void onDisplayAllContents();
    void onPrintProject();
    // The save dialog of an export, which remembers its folder for the next one.
    std::optional<std::string> chooseExportFile(const char* title, SaveFilter filter,
                                                const char* extension);

    EditorContext& context_;
    QWidget* window_;
    std::function<void()> zoomAll_;
    std::unique_ptr<EditorLog> log_;
    RandomColours colours_;
    QtImageDecoder images_;
    std::string lastExportFolder_;
};

} // namespace meshsmith
