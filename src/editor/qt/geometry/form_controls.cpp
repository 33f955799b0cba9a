#include "editor/qt/geometry/form_controls.hpp"

#include "editor/core/geometry/pick_start.hpp"
#include "editor/core/geometry/record_form_rules.hpp"

#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QPalette>
#include <QPushButton>
#include <QSignalBlocker>

namespace meshsmith {

QPushButton* makeButton(QWidget* parent, const char* name, const char* caption, const char* hint) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setToolTip(hint);
    b->setAutoDefault(false);
    return b;
}

QListWidget* makeRecordList(QWidget* parent, const char* name, const char* hint) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setToolTip(hint);
    list->setAccessibleName(hint);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    return list;
}

void fillRecordList(QListWidget* list, const std::vector<std::string>& rows,
                    const std::vector<ObjectData>& records) {
    const QSignalBlocker blocker(list);
    list->clear();
    for (std::size_t k = 0; k < rows.size(); ++k) {
        auto* item = new QListWidgetItem(qs(rows[k]), list);
        item->setToolTip(item->text());
        item->setSelected(k < records.size() && records[k].Selected);
    }
}

std::size_t takeListSelection(const QListWidget* list, std::vector<ObjectData>& records) {
    std::size_t selected = 0;
    for (std::size_t k = 0; k < records.size(); ++k) {
        const QListWidgetItem* item = list->item(static_cast<int>(k));
        records[k].Selected = item && item->isSelected() ? 1 : 0;
        selected += records[k].Selected;
    }
    return selected;
}

QLabel* makeColourPanel(QWidget* parent, const char* hint) {
    auto* panel = new QLabel(kMultipleText, parent);
    panel->setObjectName("ColorPanel");
    panel->setToolTip(hint);
    panel->setAlignment(Qt::AlignCenter);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setAutoFillBackground(true);
    panel->setMinimumHeight(40);
    return panel;
}

void showPanelColour(QLabel* panel, const std::optional<Rgb>& colour) {
    QPalette palette = panel->palette();
    if (colour) {
        const Colour c = toColour(*colour);
        palette.setColor(QPalette::Window, QColor(redOf(c), greenOf(c), blueOf(c)));
        panel->setText({});
    } else {
        palette.setColor(QPalette::Window, QApplication::palette().color(QPalette::Button));
        panel->setText(kMultipleText);
    }
    panel->setPalette(palette);
}

} // namespace meshsmith
