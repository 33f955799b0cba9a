// 3DO-View: shows a 3DO file as the game draws it.
//   3DO-View [FILE.3do]      the window, with the file (without one: the open dialog)
//   3DO-View --help | --version
// A file named on the command line that cannot be shown: its reason on
// standard error and exit 1, before any window opens.
#include "viewer/core/threedo_load.hpp"
#include "viewer/qt/viewer_window.hpp"

#include "editor/core/shell/general_options.hpp"
#include "editor/core/shell/settings_folder.hpp"
#include "model/paths.hpp"
#include "model/version.hpp"

#include <QApplication>
#include <QDir>
#include <QSurfaceFormat>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <iostream>

namespace {

constexpr const char* kUsage =
    "usage: 3DO-View [FILE.3do]   shows the 3DO file as the game draws it\n"
    "       3DO-View --version\n";

std::string settingsFile() {
    const std::string appFolder = meshsmith::withTrailingSeparator(
        QDir::toNativeSeparators(QApplication::applicationDirPath()).toStdString());
    const meshsmith::SettingsFolder s =
        meshsmith::chooseSettingsFolder(appFolder, meshsmith::folderWritable(appFolder),
                                        {qEnvironmentVariable("XDG_CONFIG_HOME").toStdString(),
                                         qEnvironmentVariable("HOME").toStdString()});
    return meshsmith::settingsFilePath(s.folder);
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("%s\n", meshsmith::versionLine("3DO-View").c_str());
        return 0;
    }
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::printf("%s", kUsage);
        return 0;
    }
    if (argc > 2 || (argc == 2 && std::strncmp(argv[1], "--", 2) == 0)) {
        std::fprintf(stderr, "%s", kUsage);
        return 2;
    }
    // A file that cannot be shown is refused before a window (or a display) is needed.
    if (argc == 2) {
        const meshsmith::viewer::LoadedThreeDo loaded = meshsmith::viewer::loadThreeDo(argv[1]);
        if (!loaded.file) {
            std::cerr << loaded.refusal << "\n";
            return 1;
        }
    }
    QSurfaceFormat format = QSurfaceFormat::defaultFormat();
    format.setDepthBufferSize(24);
    QSurfaceFormat::setDefaultFormat(format);
    QApplication app(argc, argv);
    meshsmith::viewer::ViewerWindow window(settingsFile());
    if (argc == 2) {
        if (const auto why = window.open(argv[1])) {
            std::cerr << *why << "\n";
            return 1;
        }
    }
    window.show();
    if (argc == 1) QTimer::singleShot(0, &window, &meshsmith::viewer::ViewerWindow::askForFile);
    return app.exec();
}
