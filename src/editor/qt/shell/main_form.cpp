// The main window: construction, the log, the idle updater and closing.
#include "editor/qt/shell/main_form.hpp"

#include "editor/qt/shell/about_box.hpp"
#include "editor/qt/shell/options_form.hpp"
#include "editor/qt/view/view_form.hpp"
#include "export/build_checks.hpp"
#include "model/paths.hpp"
#include "model/product.hpp"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QPlainTextEdit>

namespace meshsmith {

MainForm::MainForm(EditorContext& context, QStringList arguments, QWidget* parent)
    : QMainWindow(parent), context_(context), arguments_(std::move(arguments)),
      log_(std::make_unique<EditorLog>(context)), colours_(RandomColours::fromClock()) {
    setObjectName("MainForm");
    const QString title = QString(kProductName) + " " + kVersionText;
    setWindowTitle(title);
    resize(1024, 720);
    context_.addLogLine = [this](const std::string& line) { addLogLine(line); };
    context_.repaintView = [this] { redrawView(); };
    context_.objectChanged = [this] { objectChanged(); };

    buildBottomPanel();
    buildMenus();
    buildToolBar();
    addLogLine(title.toStdString());
    addLogLine("See Tool Tips for some more Information");

    deselectAllVertices(context_.project);
    context_.project.SelectedLine = NoSelection;
    context_.project.SelectedPolygon = NoSelection;
    context_.project.ProjectFile = NoProjectFile;
    context_.recent.load(context_.settings);
    rebuildRecentMenu();
    // Until the first idle moment the converter's presence decides.
    item(MainItem::WriteAseMenu)->setEnabled(fileExists(kilnPath(context_.appFolder)));

    // The Options dialog reads the settings file when it is created.
    options_ = new OptionsForm(context_, this);
    connect(options_, &OptionsForm::programPathsChanged, this, [this] { showProgramCaptions(); });
    showProgramCaptions();
    buildView();
    syncControlsFromProject();
    // Only now: the view's OpenGL surface gives the frame a new native window,
    // which forgets a state that was asked for before it existed.
    if (context_.general.MaxOnStartup) setWindowState(windowState() | Qt::WindowMaximized);

    // The ToolbarUpdater runs once the event queue is empty after any event.
    idleTimer_.setSingleShot(true);
    idleTimer_.setInterval(0);
    connect(&idleTimer_, &QTimer::timeout, this, [this] { updateToolbar(); });
    qApp->installEventFilter(this);
}

MainForm::~MainForm() {
    qApp->removeEventFilter(this);
    converter_.stop();
    context_.recent.save(context_.settings);
}

bool MainForm::eventFilter(QObject* watched, QEvent* event) {
    // Timer events are left out, or the updater's own timer would keep it busy.
    if (event->type() != QEvent::Timer && !idleTimer_.isActive()) idleTimer_.start();
    return QMainWindow::eventFilter(watched, event);
}

void MainForm::showEvent(QShowEvent* event) {
    item(MainItem::About)->setText(QString("&About ") + kProductName);
    QMainWindow::showEvent(event);
}

void MainForm::addLogLine(const std::string& line) {
    logPane_->appendPlainText(QString::fromStdString(line));
}

QStringList MainForm::logLines() const {
    return logPane_->toPlainText().split('\n');
}

void MainForm::redrawView() {
    if (view_) view_->redraw();
}

void MainForm::onExit() {
    close();
}

void MainForm::closeEvent(QCloseEvent* event) {
    const bool hadVertices = !context_.project.object.vertices.empty();
    if (hadVertices && !closeProjectCommand()) {
        event->ignore();
        return;
    }
    if (converter_.running()) {
        converter_.stop();
        addLogLine(stoppedConversionLine(fileNameOf(kilnPath(context_.appFolder)), convertingAse_));
    }
    context_.recent.save(context_.settings);
    event->accept();
}

} // namespace meshsmith
