#pragma once
// The pieces the transformation dialogs are built from: buttons and radio
// buttons with their object names and hints, a row of X, Y and Z offset
// fields named by their labels, and the polygon list the two polygon windows
// share (its selection read with listSelection, form_controls.hpp).

#include "editor/core/shell/editor_context.hpp"
#include "editor/qt/geometry/form_controls.hpp"

#include <QString>

#include <array>
#include <initializer_list>
#include <string>

class QBoxLayout;
class QButtonGroup;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QWidget;

namespace meshsmith {

// A push button that is never the default by accident; `hint` may be null.
QPushButton* dialogButton(QWidget* parent, const char* name, const char* caption,
                          const char* hint = nullptr);
QRadioButton* radioButton(QWidget* parent, const char* name, const char* caption,
                          const char* hint = nullptr);

// A titled group of radio buttons in a row (or a column), numbered from 0 in
// `group`, which keeps one of them chosen at a time.
struct RadioText {
    const char* name;
    const char* caption;
    const char* hint = nullptr;
};
QWidget* radioGroup(QWidget* parent, const char* title, std::initializer_list<RadioText> radios,
                    QButtonGroup* group, bool column = false);

// Three fields "X:", "Y:", "Z:" in one row (labels are their buddies, tab
// order X, Y, Z), with the given object names, reading "0.0" until typed into.
struct OffsetFields {
    std::array<QLineEdit*, 3> edits{};
    std::array<std::string, 3> texts() const;
    void reset() const; // back to "0.0"
};
OffsetFields addOffsetFields(QWidget* parent, QBoxLayout* layout,
                             const std::array<const char*, 3>& names);

// The polygon list: one row per polygon (polygonChoiceLine), rows selected
// One row per polygon (polygonChoiceLine), the rows `chosen` names selected.
void fillPolygonList(QListWidget* list, const Project& p, const std::vector<std::int32_t>& chosen);

} // namespace meshsmith
