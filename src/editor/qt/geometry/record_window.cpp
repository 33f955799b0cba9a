#include "editor/qt/geometry/record_window.hpp"

#include "editor/core/geometry/pick_start.hpp"
#include "editor/qt/geometry/form_controls.hpp"
#include "editor/qt/geometry/manual_vertex_form.hpp"

#include <QListWidget>

#include <algorithm>

namespace meshsmith {

RecordWindow::RecordWindow(EditorContext& context, QWidget* parent, Widths widths)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint), context_(context),
      log_(std::make_unique<EditorLog>(context)), widths_(widths) {
    setModal(false);
    context_.recordLists.push_back(this);
}

RecordWindow::~RecordWindow() {
    std::erase(context_.recordLists, static_cast<RecordList*>(this));
    if (context_.pickReceiver == this) context_.pickReceiver = nullptr;
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
    fillRecordList(list_, rows, table);
    updateButtons();
}

void RecordWindow::showEvent(QShowEvent* event) {
    endOwnPicking();
    setPanelOpen(false);
    refreshList();
    QDialog::showEvent(event);
    context_.repaintView();
}

void RecordWindow::done(int result) {
    endOwnPicking();
    for (ObjectData& record : records())
        record.Selected = 0;
    context_.repaintView();
    QDialog::done(result);
}

void RecordWindow::endOwnPicking() {
    if (picking()) endPicking(context_.pickModes, context_.project);
}

void RecordWindow::setPanelOpen(bool open) {
    panel_->setVisible(open);
    setFixedWidth(open ? widths_.withPanel : widths_.plain);
    updateButtons();
}

bool RecordWindow::panelOpen() const {
    return panel_->isVisible();
}

bool RecordWindow::anySelected() const {
    const std::vector<ObjectData>& table = records();
    return std::any_of(table.begin(), table.end(),
                       [](const ObjectData& r) { return r.Selected != 0; });
}

void RecordWindow::openManualWindow(const ManualVertexEntry& entry,
                                    std::function<void(const std::vector<std::int32_t>&)> apply) {
    hide();
    auto* manual = new ManualVertexForm(context_.prompts, entry, std::move(apply), this);
    connect(manual, &QDialog::finished, this, [this] { show(); });
    manual->show();
}

void RecordWindow::onSelectionChanged() {
    takeListSelection(list_, records());
    updateButtons();
    context_.repaintView();
}

} // namespace meshsmith
