#include "editor/qt/geometry/next_item_form.hpp"

#include "editor/qt/geometry/form_controls.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace meshsmith {

NextItemForm::NextItemForm(const NextItemQuestion& question,
                           std::function<void(NextItemChoice)> chosen, QWidget* parent)
    : QDialog(parent) {
    setObjectName(question.objectName);
    setWindowTitle(question.title);
    setWindowModality(Qt::ApplicationModal);
    setAttribute(Qt::WA_DeleteOnClose);
    auto* same = makeButton(this, "SameButton", question.sameCaption, "Create Another One");
    auto* fresh = makeButton(this, "NewButton", "New Color", "Create Another One In A New Color");
    fresh->setVisible(question.offerNewColour);
    auto* stop = makeButton(this, "NoButton", "Stop", "Stop Creating");
    // The question stands in the window too, and the window is wide enough
    // for its title not to be cut.
    auto* text = new QLabel(question.title, this);
    text->setObjectName("QuestionLabel");
    auto* row = new QHBoxLayout;
    row->addWidget(same);
    row->addWidget(fresh);
    row->addWidget(stop);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addLayout(row);
    setMinimumWidth(fontMetrics().horizontalAdvance(question.title) + 160);
    connect(same, &QPushButton::clicked, this, [this] { done(int(NextItemChoice::Same) + 1); });
    connect(fresh, &QPushButton::clicked, this, [this] { done(int(NextItemChoice::New) + 1); });
    connect(stop, &QPushButton::clicked, this, &QDialog::reject);
    // Rejected (Stop, Escape, the window's close box) is 0.
    connect(this, &QDialog::finished, this, [chosen = std::move(chosen)](int result) {
        chosen(result == 0 ? NextItemChoice::Stop : NextItemChoice(result - 1));
    });
}

} // namespace meshsmith
