#pragma once
// "Assign Project Name": the name of a project saved in a folder of its own
// (1 to 8 characters, which also name its folder and its file).

#include <QDialog>

#include <optional>
#include <string>

class QLineEdit;
class QPushButton;

namespace meshsmith {

class UserPrompts;

class NameProjectForm : public QDialog {
    Q_OBJECT
  public:
    // `prompts` shows "Up to 8 Characters allowed !".
    NameProjectForm(UserPrompts& prompts, QWidget* parent = nullptr);

    // Shows the dialog modally with an empty box; the name on OK, nullopt for Cancel.
    std::optional<std::string> ask();

    QLineEdit* nameEdit_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;

  public slots:
    // Accepts 1 to 8 characters; otherwise the message, an emptied box, and the dialog stays.
    void onOk();
    void onCancel();

  private:
    UserPrompts& prompts_;
};

} // namespace meshsmith
