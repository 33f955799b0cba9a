// The editor Meshsmith: one project, its windows, and the 3D view.
#include "editor/core/shell/dialog_folders.hpp"
#include "editor/core/shell/editor_context.hpp"
#include "editor/core/shell/settings_folder.hpp"
#include "editor/qt/shell/main_form.hpp"
#include "editor/qt/shell/qt_services.hpp"
#include "model/paths.hpp"
#include "model/product.hpp"
#include "model/version.hpp"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QSurfaceFormat>

#include <clocale>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    // Answered before any window (or display) is needed.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("%s %s\n", meshsmith::kProductName, meshsmith::kVersionText);
        return 0;
    }
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::printf(
            "usage: Meshsmith [PROJECT.3dp]   opens the editor, with the project when given\n"
            "       Meshsmith --version\n");
        return 0;
    }
    // The view's fixed-function drawing needs a compatibility context.
    QSurfaceFormat format = QSurfaceFormat::defaultFormat();
    format.setDepthBufferSize(24);
    QSurfaceFormat::setDefaultFormat(format);
    QApplication app(argc, argv);
    // Numbers are shown, read and written with "." whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale::c());

    meshsmith::QtPrompts prompts;
    meshsmith::QtFileDialogs qtFiles;
    meshsmith::QtProgramStarter starter;
    const std::string appFolder = meshsmith::withTrailingSeparator(
        QDir::toNativeSeparators(QApplication::applicationDirPath()).toStdString());
    const meshsmith::SettingsFolder settings =
        meshsmith::chooseSettingsFolder(appFolder, meshsmith::folderWritable(appFolder),
                                        {qEnvironmentVariable("XDG_CONFIG_HOME").toStdString(),
                                         qEnvironmentVariable("HOME").toStdString()});
    // Each kind of file dialog opens in its own folder; the project's is read
    // from the context, which needs the dialogs first.
    const meshsmith::EditorContext* open = nullptr;
    meshsmith::FolderKeepingDialogs files(qtFiles, [&open] {
        return open ? open->document.project().ProjectFile : std::string(meshsmith::NoProjectFile);
    });
    meshsmith::EditorContext context(appFolder, prompts, files, starter, settings.folder);
    context.settingsNote = settings.note;
    open = &context;
    prompts.setFileDialogs(&files);
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    meshsmith::MainForm form(context, arguments);
    prompts.setOwner(&form);
    qtFiles.setOwner(&form);
    form.show();
    return app.exec();
}
