#include "editor/qt/shell/document_signal.hpp"

namespace meshsmith {

DocumentSignal::DocumentSignal(Document& document, QObject* parent)
    : QObject(parent), document_(document) {
    listener_ = document_.listen([this](const DocumentChange& change) { emit changed(change); });
}

DocumentSignal::~DocumentSignal() {
    document_.unlisten(listener_);
}

} // namespace meshsmith
