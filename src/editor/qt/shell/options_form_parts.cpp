#include "editor/qt/shell/options_form_parts.hpp"

#include <QCheckBox>
#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

namespace meshsmith::options_parts {

namespace {

void setHint(QWidget* widget, const char* hint) {
    if (*hint != '\0') widget->setToolTip(QString::fromUtf8(hint));
}

} // namespace

QCheckBox* checkBox(QWidget* parent, const char* name, const char* caption, const char* hint) {
    auto* box = new QCheckBox(QString::fromUtf8(caption), parent);
    box->setObjectName(QString::fromUtf8(name));
    setHint(box, hint);
    return box;
}

QPushButton* button(QWidget* parent, const char* name, const char* caption, const char* hint) {
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(QString::fromUtf8(name));
    b->setAutoDefault(false);
    setHint(b, hint);
    return b;
}

QLineEdit* lineEdit(QWidget* parent, const char* name, const char* hint) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromUtf8(name));
    edit->setMinimumWidth(260);
    setHint(edit, hint);
    return edit;
}

QLabel* label(QWidget* parent, const char* name, const QString& caption) {
    auto* l = new QLabel(caption, parent);
    l->setObjectName(QString::fromUtf8(name));
    return l;
}

QFrame* colourPanel(QWidget* parent, const char* name) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QString::fromUtf8(name));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setFixedSize(48, 20);
    panel->setAutoFillBackground(true);
    return panel;
}

void showColour(QFrame* panel, Colour colour) {
    const Colour rgb = resolveSystemColour(colour);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, QColor(redOf(rgb), greenOf(rgb), blueOf(rgb)));
    panel->setPalette(palette);
    // Keeps the stored value itself, so a system colour stays a system colour.
    panel->setProperty("colour", static_cast<qulonglong>(colour));
}

Colour panelColour(const QFrame* panel) {
    return static_cast<Colour>(panel->property("colour").toULongLong());
}

Colour colourOrDefault(const std::string& text, Colour fallback) {
    return textToColour(text).value_or(fallback);
}

} // namespace meshsmith::options_parts
