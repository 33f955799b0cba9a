#include "editor/qt/transform/dialog_parts.hpp"

#include "editor/core/transform/transform_rules.hpp"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace meshsmith {

QPushButton* dialogButton(QWidget* parent, const char* name, const char* caption,
                          const char* hint) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    if (hint) b->setToolTip(hint);
    b->setAutoDefault(false);
    return b;
}

QRadioButton* radioButton(QWidget* parent, const char* name, const char* caption,
                          const char* hint) {
    auto* b = new QRadioButton(caption, parent);
    b->setObjectName(name);
    if (hint) b->setToolTip(hint);
    return b;
}

QWidget* radioGroup(QWidget* parent, const char* title, std::initializer_list<RadioText> radios,
                    QButtonGroup* group, bool column) {
    auto* box = new QGroupBox(title, parent);
    QBoxLayout* layout = column ? static_cast<QBoxLayout*>(new QVBoxLayout(box))
                                : static_cast<QBoxLayout*>(new QHBoxLayout(box));
    int id = 0;
    for (const RadioText& r : radios) {
        QRadioButton* radio = radioButton(box, r.name, r.caption, r.hint);
        group->addButton(radio, id++);
        layout->addWidget(radio);
    }
    return box;
}

std::array<std::string, 3> OffsetFields::texts() const {
    return {edits[0]->text().toStdString(), edits[1]->text().toStdString(),
            edits[2]->text().toStdString()};
}

void OffsetFields::reset() const {
    for (QLineEdit* e : edits)
        e->setText("0.0");
}

OffsetFields addOffsetFields(QWidget* parent, QBoxLayout* layout,
                             const std::array<const char*, 3>& names) {
    OffsetFields fields;
    auto* row = new QHBoxLayout;
    const char* captions[] = {"&X:", "&Y:", "&Z:"};
    for (std::size_t k = 0; k < 3; ++k) {
        fields.edits[k] = new QLineEdit("0.0", parent);
        fields.edits[k]->setObjectName(names[k]);
        auto* label = new QLabel(captions[k], parent);
        label->setBuddy(fields.edits[k]);
        row->addWidget(label);
        row->addWidget(fields.edits[k]);
    }
    layout->addLayout(row);
    return fields;
}

void fillPolygonList(QListWidget* list, const Project& p, const std::vector<std::int32_t>& chosen) {
    const QSignalBlocker blocker(list);
    list->clear();
    const std::vector<ObjectData>& polygons = p.object.polygons;
    for (std::size_t k = 0; k < polygons.size(); ++k)
        list->addItem(qs(polygonChoiceLine(k, polygons[k])));
    for (std::int32_t k : chosen)
        if (auto* item = list->item(k)) item->setSelected(true);
}

} // namespace meshsmith
