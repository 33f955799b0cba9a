// Help > Local Help finds the user guide that the build puts beside the
// programs, and the guide holds together when its folder is installed alone.
#include "editor/qt/shell/help_commands.hpp"
#include "editor_harness.hpp"

#include <QAction>
#include <QRegularExpression>

#include <filesystem>
#include <gtest/gtest.h>

using namespace meshsmith;
using namespace meshsmith::test;

namespace fs = std::filesystem;

TEST(LocalHelp, OpensTheGuideBuiltBesideTheProgramWhosePagesAndPicturesAreAllThere) {
    const fs::path built = fs::path(MESHSMITH_BIN_DIR) / "help";
    ASSERT_TRUE(fs::is_regular_file(built / "index.htm"));
    EditorHarness h; // installed as the packages install it: the help folder alone
    fs::copy(built, h.app.path() / "help", fs::copy_options::recursive);
    h.start();
    h.form->item(MainItem::LocalHelp)->trigger();
    EXPECT_EQ(h.starter.opened, std::vector<std::string>{localHelpPath(h.app.folder())});

    const QRegularExpression link(R"((?:href|src)="([^"#]*)[^"]*")");
    int pages = 0, links = 0;
    for (const auto& file : fs::directory_iterator(h.app.path() / "help")) {
        if (file.path().extension() != ".htm") continue;
        ++pages;
        const QString text = QString::fromStdString(readFile(file.path().string()));
        for (const auto& m : link.globalMatch(text)) {
            if (m.captured(1).isEmpty()) continue;
            ++links;
            EXPECT_TRUE(fs::is_regular_file(file.path().parent_path() / m.captured(1).toStdString()))
                << file.path().filename() << " links " << m.captured(1).toStdString();
        }
    }
    EXPECT_GE(pages, 10) << "the walk-through and a page per editing window";
    EXPECT_GT(links, pages);
}
