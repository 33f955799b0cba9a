// The editor Meshsmith: one project, its windows, and the 3D view.
#include "editor/core/shell/editor_context.hpp"
#include "editor/core/shell/settings_folder.hpp"
#include "editor/qt/shell/main_form.hpp"
#include "editor/qt/shell/qt_services.hpp"
#include "model/paths.hpp"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QSurfaceFormat>

#include <clocale>

int main(int argc, char** argv) {
    // The view's fixed-function drawing needs a compatibility context.
    QSurfaceFormat format = QSurfaceFormat::defaultFormat();
    format.setDepthBufferSize(24);
    QSurfaceFormat::setDefaultFormat(format);
    QApplication app(argc, argv);
    // Numbers are shown, read and written with "." whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale::c());

    meshsmith::QtPrompts prompts;
    meshsmith::QtFileDialogs files;
    meshsmith::QtProgramStarter starter;
    const std::string appFolder = meshsmith::withTrailingSeparator(
        QDir::toNativeSeparators(QApplication::applicationDirPath()).toStdString());
    const meshsmith::SettingsFolder settings =
        meshsmith::chooseSettingsFolder(appFolder, meshsmith::folderWritable(appFolder),
                                        {qEnvironmentVariable("XDG_CONFIG_HOME").toStdString(),
                                         qEnvironmentVariable("HOME").toStdString()});
    meshsmith::EditorContext context(appFolder, prompts, files, starter, settings.folder);
    context.settingsNote = settings.note;
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    meshsmith::MainForm form(context, arguments);
    prompts.setOwner(&form);
    files.setOwner(&form);
    form.show();
    return app.exec();
}
