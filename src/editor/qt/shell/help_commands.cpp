#include "editor/qt/shell/help_commands.hpp"

#include "editor/qt/shell/about_box.hpp"
#include "model/paths.hpp"
#include "model/product.hpp"

#include <QDateTime>
#include <QFileInfo>
#include <QLocale>

namespace meshsmith {

std::string localHelpPath(const std::string& appFolder) {
    return nativePath(withTrailingSeparator(appFolder) + "help" + kPathSeparator + "index.htm");
}

std::string contactMailLink() {
    return std::string("mailto:") + kContactMailAddress + "?subject=About " + kProductName + " " +
           kVersionText;
}

void openTarget(EditorContext& context, const std::string& pathOrAddress) {
    if (!context.starter.openWithDefaultHandler(pathOrAddress))
        context.prompts.showMessage("Could not open " + pathOrAddress + " !");
}

// There is no help site: the user guide installed beside the program stands in.
void openOnlineHelp(EditorContext& context) {
    const std::string path = localHelpPath(context.appFolder);
    if (!QFileInfo(QString::fromStdString(path)).isFile())
        return context.prompts.showMessage("No user guide found at " + path + " !");
    openTarget(context, path);
}

void openLocalHelp(EditorContext& context) {
    const std::string path = localHelpPath(context.appFolder);
    const QFileInfo file(QString::fromStdString(path));
    if (!file.isFile()) {
        context.prompts.showMessage(
            "No local help available, please download current help file from the website !");
        return;
    }
    // The user's own short date, whatever default locale the program set for its numbers.
    const QString date =
        QLocale::system().toString(file.lastModified().date(), QLocale::ShortFormat);
    context.prompts.showMessage("Local help file is dated " + date.toStdString() +
                                ", please check website for newer version !");
    openTarget(context, path);
}

} // namespace meshsmith
