#pragma once
// The document's change notification as one Qt signal: the windows, lists,
// panels, menus and the view connect to `changed` and refresh from what it
// says changed. The main window owns it for the whole run.

#include "editor/core/document/document.hpp"

#include <QObject>

namespace meshsmith {

class DocumentSignal : public QObject {
    Q_OBJECT
  public:
    explicit DocumentSignal(Document& document, QObject* parent = nullptr);
    ~DocumentSignal() override;
    DocumentSignal(const DocumentSignal&) = delete;
    DocumentSignal& operator=(const DocumentSignal&) = delete;

  signals:
    void changed(const meshsmith::DocumentChange& change);

  private:
    Document& document_;
    int listener_ = 0;
};

} // namespace meshsmith
