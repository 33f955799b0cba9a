#pragma once
// The editor's services with real windows: message boxes and questions, the
// offset and project-name dialogs, the file, folder and colour dialogs, and
// starting outside programs or opening files with the desktop's handler.

#include "editor/core/shell/editor_services.hpp"
#include "model/user_interaction.hpp"

#include <QString>

class QFileDialog;
class QWidget;

namespace meshsmith {

// A message text for the screen: "\r" (and "\r\n") become line breaks.
QString screenText(const std::string& text);

class QtPrompts : public UserPrompts {
  public:
    // `owner` is the window the boxes belong to; it may be set later.
    explicit QtPrompts(QWidget* owner = nullptr) : owner_(owner) {}
    void setOwner(QWidget* owner) { owner_ = owner; }
    // The file dialogs its questions use (bitmap search, project path); the
    // bare Qt dialogs until set.
    void setFileDialogs(FileDialogs* files) { files_ = files; }

    void showMessage(const std::string& text) override;
    Answer askYesNo(const std::string& title, const std::string& text) override;
    Answer askYesNoCancel(const std::string& title, const std::string& text) override;
    std::optional<VertexOffset> askVertexOffset() override;
    std::optional<std::string> reselectBitmap(const std::string& storedPath) override;
    std::optional<std::string> askProjectName() override;
    std::optional<std::string> chooseProjectSavePath() override;

  private:
    QWidget* owner_;
    FileDialogs* files_ = nullptr;
};

// Sets up an open (save = false) or save dialog as the request asks: title,
// filter list with its entry selected, default extension, its folder and the
// proposed file.
void prepareFileDialog(QFileDialog& dialog, const FileDialogRequest& request, bool save);

class QtFileDialogs : public FileDialogs {
  public:
    explicit QtFileDialogs(QWidget* owner = nullptr) : owner_(owner) {}
    void setOwner(QWidget* owner) { owner_ = owner; }

    std::optional<std::string> openFile(const FileDialogRequest& request) override;
    std::optional<std::string> saveFile(const FileDialogRequest& request) override;
    std::optional<std::string> chooseFolder(const std::string& title) override;
    std::optional<Colour> chooseColour(Colour start) override;

  private:
    QWidget* owner_;
};

class QtProgramStarter : public ProgramStarter {
  public:
    bool startDetached(const ProgramLaunch& launch) override;
    bool openWithDefaultHandler(const std::string& pathOrUrl) override;
};

} // namespace meshsmith
