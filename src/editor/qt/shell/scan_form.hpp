#pragma once
// "Scan DXF": after the scan of a DXF file the user picks which kind of entity
// to import (POINT, VERTEX, LINE, 3DFACE, POLYLINE or polyface meshes), or all
// that make up an object (POINT, LINE, 3DFACE and POLYLINE together, polyface
// meshes included: what the DXF export writes and more). A kind the file does not hold is shown
// with its count 0, unchecked and disabled.

#include "editor/core/document/document.hpp"
#include "model/dxf_scan.hpp"
#include "model/random_colours.hpp"

#include <QDialog>

class QRadioButton;
class QPushButton;

namespace meshsmith {

class ScanForm : public QDialog {
    Q_OBJECT
  public:
    // The dialog for a scan that succeeded. OK imports into the document's project.
    ScanForm(Document& document, std::string path, const DxfScan& scan, UserPrompts& prompts,
             LogSink& log, RandomColours& colours, QWidget* parent = nullptr);

    // How the import went; Cancelled when the dialog was closed without one.
    const OperationResult& result() const { return result_; }

    QRadioButton* pointRadio_ = nullptr;
    QRadioButton* vertexRadio_ = nullptr;
    QRadioButton* lineRadio_ = nullptr;
    QRadioButton* faceRadio_ = nullptr;
    QRadioButton* polylineRadio_ = nullptr;
    QRadioButton* polyfaceRadio_ = nullptr;
    QRadioButton* allRadio_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;

  public slots:
    void onOk();

  private:
    QRadioButton* radio(int kind) const;

    Document& document_;
    std::string path_;
    DxfScan scan_;
    UserPrompts& prompts_;
    LogSink& log_;
    RandomColours& colours_;
    OperationResult result_ = OperationResult::cancelled();
};

} // namespace meshsmith
