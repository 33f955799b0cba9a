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
                    const std::vector<std::int32_t>& selected) {
    const QSignalBlocker blocker(list);
    list->clear();
    for (const std::string& row : rows) {
        auto* item = new QListWidgetItem(qs(row), list);
        item->setToolTip(item->text());
    }
    for (std::int32_t k : selected)
        if (QListWidgetItem* item = list->item(k)) item->setSelected(true);
}

std::vector<std::int32_t> listSelection(const QListWidget* list) {
    std::vector<std::int32_t> rows;
    for (int k = 0; k < list->count(); ++k)
        if (list->item(k)->isSelected()) rows.push_back(k);
    return rows;
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
