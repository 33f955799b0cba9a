#include "editor/qt/geometry/record_window.hpp"

#include "editor/core/geometry/pick_start.hpp"
#include "editor/qt/geometry/form_controls.hpp"
#include "editor/qt/geometry/manual_vertex_form.hpp"

#include <QListWidget>
#include <QSignalBlocker>

namespace meshsmith {

RecordWindow::RecordWindow(EditorContext& context, DocumentSignal& signal, QWidget* parent,
                           Widths widths, Purpose purpose, unsigned tableChanges)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint), context_(context),
      log_(std::make_unique<EditorLog>(context)), widths_(widths), purpose_(purpose),
      tableChanges_(tableChanges) {
    setModal(false);
    connect(&signal, &DocumentSignal::changed, this, &RecordWindow::onDocumentChanged);
}

void RecordWindow::makeList(const char* name, const char* hint) {
    list_ = makeRecordList(this, name, hint);
    connect(list_, &QListWidget::itemSelectionChanged, this, &RecordWindow::onSelectionChanged);
}

void RecordWindow::refreshList() {
    const std::vector<ObjectData>& table = records();
    std::vector<std::string> rows;
    rows.reserve(table.size());
    for (std::size_t k = 0; k < table.size(); ++k)
        rows.push_back(listLine(k, table[k]));
    fillRecordList(list_, rows, selectedRows());
    updateButtons();
}

void RecordWindow::onDocumentChanged(const DocumentChange& change) {
    if (change.any(tableChanges_ | DocumentChange::Opened)) {
        refreshList();
    } else if (change.any(DocumentChange::Selection) && listSelection(list_) != selectedRows()) {
        const QSignalBlocker blocker(list_);
        list_->clearSelection();
        for (std::int32_t k : selectedRows())
            if (auto* item = list_->item(k)) item->setSelected(true);
        updateButtons();
    } else if (change.any(DocumentChange::History | DocumentChange::Pick)) {
        updateButtons();
    }
    followChange(change);
    if (change.pickEnded && ownsSession(change.pickEnded->session)) pickEnded(*change.pickEnded);
}

void RecordWindow::showEvent(QShowEvent* event) {
    endOwnPicking();
    setPanelOpen(false);
    refreshList();
    QDialog::showEvent(event);
}

void RecordWindow::done(int result) {
    endOwnPicking();
    context_.document.clearSelection(purpose_);
    QDialog::done(result);
}

void RecordWindow::endOwnPicking() {
    if (ownsSession(context_.document.pickSession())) context_.document.endPick();
}

void RecordWindow::setPanelOpen(bool open) {
    panel_->setVisible(open);
    setFixedWidth(open ? widths_.withPanel : widths_.plain);
    updateButtons();
}

bool RecordWindow::panelOpen() const {
    return panel_->isVisible();
}

void RecordWindow::openManualWindow(const ManualVertexEntry& entry,
                                    std::function<void(const std::vector<std::int32_t>&)> apply) {
    hide();
    auto* manual = new ManualVertexForm(context_.prompts, entry, std::move(apply), this);
    connect(manual, &QDialog::finished, this, [this] { show(); });
    manual->show();
}

void RecordWindow::onSelectionChanged() {
    context_.document.select(purpose_, listSelection(list_));
    updateButtons();
}

} // namespace meshsmith
