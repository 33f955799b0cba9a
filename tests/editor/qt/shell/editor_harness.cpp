#include "editor_harness.hpp"

#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QThread>

#include <filesystem>

namespace meshsmith::test {

namespace fs = std::filesystem;

std::optional<std::string> ScriptedFiles::chooseFolder(const std::string& title) {
    FileDialogRequest r;
    r.title = title;
    return next(r);
}

std::optional<Colour> ScriptedFiles::chooseColour(Colour) {
    if (colours.empty()) return std::nullopt;
    auto answer = colours.front();
    colours.pop_front();
    return answer;
}

std::optional<std::string> ScriptedFiles::next(const FileDialogRequest& r) {
    requests.push_back(r);
    if (paths.empty()) return std::nullopt;
    auto answer = paths.front();
    paths.pop_front();
    return answer;
}

QPoint viewPointOf(const ViewForm& view, const Vec3& point) {
    const auto w = projectToWindow(view.camera().combined(), view.viewport(), point);
    const qreal ratio = view.canvas()->devicePixelRatioF();
    return {static_cast<int>(w->x / ratio),
            static_cast<int>((view.viewport().height - w->y) / ratio)};
}

void clickView(const ViewForm& view, QPoint at, Qt::KeyboardModifiers modifiers) {
    QTest::mousePress(view.canvas(), Qt::LeftButton, modifiers, at);
    QTest::mouseRelease(view.canvas(), Qt::LeftButton, modifiers, at);
}

void drawViewNow(ViewForm& view) {
    const int before = view.drawCount();
    view.redraw();
    waitUntil([&] { return view.drawCount() > before; });
}

bool choose(QComboBox* box, const QString& text) {
    const int k = box->findText(text, Qt::MatchStartsWith);
    if (k < 0) return false;
    box->setCurrentIndex(k);
    emit box->activated(k);
    return true;
}

void addTypedVertices(QWidget& vertexWindow, const std::vector<const char*>& points) {
    for (const char* xyz : points) {
        const QStringList c = QString(xyz).split(' ');
        for (int k = 0; k < 3; ++k)
            vertexWindow.findChild<QLineEdit*>(QString("VertexEdit_") + "XYZ"[k])->setText(c[k]);
        vertexWindow.findChild<QPushButton*>("AddModVertexButton")->click();
    }
}

QDialog* typeVertexNumbers(QWidget* owner, const std::vector<const char*>& numbers) {
    auto* manual = owner->findChild<QDialog*>("ManVForm");
    for (const char* n : numbers) {
        manual->findChild<QComboBox*>("VertexComboBox")->setEditText(n);
        button(manual, "AddButton")->click();
    }
    return manual;
}

std::vector<QString> fieldLabels(const QWidget& window) {
    std::vector<QString> named;
    for (QLabel* label : window.findChildren<QLabel*>())
        if (label->buddy()) named.push_back(label->text());
    return named;
}

bool waitUntil(const std::function<bool()>& done, int timeoutMs) {
    for (int waited = 0; !done(); waited += 5) {
        if (waited >= timeoutMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(5);
    }
    return true;
}

void copyProgram(const std::string& program, const std::string& folder) {
    fs::copy_file(fs::path(MESHSMITH_BIN_DIR) / program, fs::path(folder) / program,
                  fs::copy_options::overwrite_existing);
}

void writeScript(const std::string& path, const std::string& body) {
    writeFile(path, "#!/bin/sh\n" + body + "\n");
    fs::permissions(path, fs::perms::owner_all, fs::perm_options::add);
}

EditorContext& EditorHarness::makeContext() {
    context = std::make_unique<EditorContext>(app.folder(), prompts, folderKeeping, starter);
    return *context;
}

MainForm& EditorHarness::start(QStringList arguments) {
    if (!context) makeContext();
    form = std::make_unique<MainForm>(*context, std::move(arguments));
    form->show();
    return *form;
}

TopView::TopView(std::vector<Vertex> vertices, int vertexDisplaySize) {
    view = start().view();
    Project p;
    p.options.Perspective = false;
    p.options.ZoomRatio = 1;
    p.options.VertexDisplaySize = vertexDisplaySize;
    context->camera.preset = ViewPreset::Top;
    p.object.vertices = std::move(vertices);
    p.GeometryPresent = !p.object.vertices.empty();
    document().adopt(std::move(p));
    drawViewNow(*view);
}

void EditorHarness::changeOptions(const std::function<void(ProjectOptions&)>& change) {
    ProjectOptions o = document().options();
    change(o);
    document().setOptions(o);
}

std::string EditorHarness::copyExample() {
    for (const auto& entry : fs::directory_iterator(sourcePath("examples/stand")))
        fs::copy_file(entry.path(), work.path() / entry.path().filename(),
                      fs::copy_options::overwrite_existing);
    return work.file("stand.3dp");
}

std::string EditorHarness::openExample() {
    const std::string path = copyExample();
    files.paths.push_back(path);
    form->item(MainItem::OpenProject)->trigger();
    return path;
}

bool EditorHarness::logHas(const std::string& line) const {
    return form->logLines().contains(QString::fromStdString(line));
}

std::string EditorHarness::ini() const {
    const std::string path = app.file("Meshsmith.ini");
    return fs::exists(path) ? readFile(path) : "";
}

} // namespace meshsmith::test
