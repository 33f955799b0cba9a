#pragma once
// Pieces the editing windows share: buttons with their object name, caption
// and hint; the record lists of the line and polygon windows; colour panels.

#include "model/colour_text.hpp"
#include "model/track_object.hpp"

#include <cstdint>

#include <QString>

#include <optional>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

namespace meshsmith {

inline QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

// A button that is never the dialog's default by accident.
QPushButton* makeButton(QWidget* parent, const char* name, const char* caption, const char* hint);

// A multiple-selection list in a fixed-pitch font, named by its hint.
QListWidget* makeRecordList(QWidget* parent, const char* name, const char* hint);

// One row per text; the rows `selected` names are selected, and a row's hint
// is its whole text (a row wider than the list is read in the hint).
void fillRecordList(QListWidget* list, const std::vector<std::string>& rows,
                    const std::vector<std::int32_t>& selected);

// The selected rows, ascending.
std::vector<std::int32_t> listSelection(const QListWidget* list);

// A colour panel: the colour without text, or "Multiple" on the button face.
QLabel* makeColourPanel(QWidget* parent, const char* hint);
void showPanelColour(QLabel* panel, const std::optional<Rgb>& colour);

} // namespace meshsmith
