#pragma once
// A main window on a folder of its own, with every dialog answered from a
// script: the tests drive the real windows and never leave a dialog open.

#include "editor/core/shell/dialog_folders.hpp"
#include "editor/core/shell/editor_context.hpp"
#include "editor/core/view/matrix4.hpp"
#include "editor/qt/shell/main_form.hpp"
#include "editor/qt/view/view_form.hpp"
#include "support/scripted_prompts.hpp"
#include "support/temp_folder.hpp"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QPoint>
#include <QPushButton>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <ostream>

// Readable QString values in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace meshsmith::test {

class ScriptedFiles : public FileDialogs {
  public:
    std::optional<std::string> openFile(const FileDialogRequest& r) override { return next(r); }
    std::optional<std::string> saveFile(const FileDialogRequest& r) override { return next(r); }
    std::optional<std::string> chooseFolder(const std::string& title) override;
    std::optional<Colour> chooseColour(Colour) override;

    std::deque<std::optional<std::string>>
        paths; // answers of the file and folder dialogs; empty = Cancel
    std::vector<FileDialogRequest> requests;   // what was asked, in order
    std::deque<std::optional<Colour>> colours; // answers of the colour dialog; empty = Cancel

  private:
    std::optional<std::string> next(const FileDialogRequest& r);
};

class RecordingStarter : public ProgramStarter {
  public:
    bool startDetached(const ProgramLaunch& launch) override {
        started.push_back(launch);
        return true;
    }
    bool openWithDefaultHandler(const std::string& target) override {
        opened.push_back(target);
        return opens;
    }
    std::vector<ProgramLaunch> started;
    std::vector<std::string> opened;
    bool opens = true; // what the desktop answers
};

// Widget coordinates in the view's canvas of a point of the scene.
QPoint viewPointOf(const ViewForm& view, const Vec3& point);
// A left click (press and release) in the view's canvas.
void clickView(const ViewForm& view, QPoint at, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Draws the view once and waits until it is drawn.
void drawViewNow(ViewForm& view);

// Runs `act` on the showing top-level window `name` of type Window once the
// event loop turns (the click that opens a modal dialog blocks until it closes).
template <typename Window> void whenShown(const char* name, std::function<void(Window&)> act) {
    QTimer::singleShot(0, [name, act] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<Window*>(w); d && d->isVisible() && d->objectName() == name)
                return act(*d);
    });
}

// The window's button `name`.
inline QPushButton* button(QWidget* window, const char* name) {
    return window->findChild<QPushButton*>(name);
}
// The texts of the window's labels that name a field, in order.
std::vector<QString> fieldLabels(const QWidget& window);

// Picks the entry of the combo box that starts with `text`, as a user does
// (activated is sent); false when there is none.
bool choose(QComboBox* box, const QString& text);
// Types each point ("x y z") into the vertex window's fields and clicks "Add Vertex".
void addTypedVertices(QWidget& vertexWindow, const std::vector<const char*>& points);
// Types the vertex numbers into the showing manual window of `owner`, each with
// "Add"; the manual window.
QDialog* typeVertexNumbers(QWidget* owner, const std::vector<const char*>& numbers);

// Runs the event loop until `done` holds or `timeoutMs` has passed.
bool waitUntil(const std::function<bool()>& done, int timeoutMs = 20000);

// Copies a built program of ours (3DO-Kiln ...) into `folder`.
void copyProgram(const std::string& program, const std::string& folder);
// Writes an executable shell script.
void writeScript(const std::string& path, const std::string& body);

struct EditorHarness {
    TempFolder app;  // the program's folder: Meshsmith.ini, 3DO-Kiln
    TempFolder work; // the user's files
    ScriptedPrompts prompts;
    ScriptedFiles files;
    RecordingStarter starter;
    std::unique_ptr<EditorContext> context;
    // The scripted dialogs, each kind opening in its own folder as in the program.
    FolderKeepingDialogs folderKeeping{files, [this] {
        return context ? context->document.project().ProjectFile : std::string(NoProjectFile);
    }};
    std::unique_ptr<MainForm> form;

    // The editor's context in the program's folder, with the scripted services.
    EditorContext& makeContext();
    // Creates the main window (as the program does at start) and shows it.
    MainForm& start(QStringList arguments = {});
    // Opens the window of a menu item; the window `name`.
    template <typename Window> Window* open(MainItem item, const char* name) {
        form->item(item)->trigger();
        return form->findChild<Window*>(name);
    }
    Document& document() { return context->document; }
    const Project& project() const { return context->document.project(); }
    // The options through the document, as the windows change them.
    void changeOptions(const std::function<void(ProjectOptions&)>& change);
    // Copies the example project into the work folder; its path.
    std::string copyExample();
    // ... and opens it with File > Open.
    std::string openExample();
    bool logHas(const std::string& line) const;
    std::string ini() const; // the settings file's text ("" when missing)
};

// The main window looking straight down on the XY plane (orthographic Top
// view; zoom 1 shows 12 units across) at `vertices`, drawn once.
struct TopView : EditorHarness {
    ViewForm* view = nullptr;
    explicit TopView(std::vector<Vertex> vertices = {}, int vertexDisplaySize = 10);
    QPoint pointOf(const Vec3& point) const { return viewPointOf(*view, point); }
};

} // namespace meshsmith::test
