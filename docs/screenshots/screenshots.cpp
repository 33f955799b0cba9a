// Writes the documentation's pictures of the editor with a project open: the
// main window (main-window.png) and the view in Custom, Top and Front
// (view-custom.png, view-top.png, view-front.png), with textures on: the main
// window and the Custom view as the project opens (with its stored camera),
// Top and Front zoomed all and then closer, as a user would with the zoom bar.
// scripts/screenshots runs it on a virtual display.
//   meshsmith-screenshots PROJECT.3dp OUT_FOLDER
#include "editor/core/shell/editor_context.hpp"
#include "editor/qt/shell/main_form.hpp"
#include "editor/qt/shell/qt_services.hpp"
#include "editor/qt/view/view_form.hpp"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTemporaryDir>

#include <clocale>
#include <cstdio>

namespace {

using namespace meshsmith;

// Lets the window draw for a while.
void settle(int milliseconds) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
}

void zoomIn(MainForm& form) {
    form.view()->onZoomAll();
    form.findChild<QScrollBar*>("ZoomScrollBar")->setValue(2);
    settle(400);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    if (argc != 3) {
        std::fprintf(stderr, "usage: meshsmith-screenshots PROJECT.3dp OUT_FOLDER\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[2]));
    QTemporaryDir settings; // the editor's settings file stays out of the way
    QtPrompts prompts;
    QtFileDialogs files;
    QtProgramStarter starter;
    EditorContext context(QDir::toNativeSeparators(settings.path()).toStdString() + "/", prompts,
                          files, starter);
    MainForm form(context, {QString::fromLocal8Bit(argv[1])});
    form.showNormal();
    form.resize(1280, 800);
    settle(1000); // the project opens at the first drawing
    if (!context.project.ViewReady) {
        std::fprintf(stderr, "meshsmith-screenshots: %s did not open\n", argv[1]);
        return 1;
    }
    if (!form.item(MainItem::ShowTextures)->isChecked()) form.item(MainItem::ShowTextures)->trigger();
    ViewForm& view = *form.view();
    settle(400);
    bool saved = form.grab().save(out.filePath("main-window.png"));
    saved = view.grabScene().save(out.filePath("view-custom.png")) && saved;
    view.onTopView();
    zoomIn(form);
    saved = view.grabScene().save(out.filePath("view-top.png")) && saved;
    view.onFrontView();
    zoomIn(form);
    saved = view.grabScene().save(out.filePath("view-front.png")) && saved;
    return saved ? 0 : 1;
}
