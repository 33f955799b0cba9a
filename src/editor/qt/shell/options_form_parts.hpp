#pragma once
// Small building blocks of the Options dialog: named controls with their
// hints, the colour panels, and the conversions between stored colours and Qt.

#include "model/colour_text.hpp"

#include <QString>

#include <string>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace meshsmith::options_parts {

QCheckBox* checkBox(QWidget* parent, const char* name, const char* caption, const char* hint = "");
QPushButton* button(QWidget* parent, const char* name, const char* caption, const char* hint = "");
QLineEdit* lineEdit(QWidget* parent, const char* name, const char* hint = "");
QLabel* label(QWidget* parent, const char* name, const QString& caption);

// A small framed panel that shows one colour.
QFrame* colourPanel(QWidget* parent, const char* name);
void showColour(QFrame* panel, Colour colour);
// The colour a panel shows, as the stored 0x00BBGGRR value.
Colour panelColour(const QFrame* panel);

// The colour of a colour text; `fallback` when the text is not a colour.
Colour colourOrDefault(const std::string& text, Colour fallback);

inline QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace meshsmith::options_parts
