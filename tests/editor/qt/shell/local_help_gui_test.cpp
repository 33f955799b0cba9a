// The user guide the build puts beside the programs, where Local Help looks:
// every page's links and pictures are there too.
#include "support/temp_folder.hpp"

#include <QRegularExpression>
#include <QString>

#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

TEST(LocalHelp, TheGuideBesideTheProgramHasEveryPageAndPictureItLinks) {
    const fs::path help = fs::path(MESHSMITH_BIN_DIR) / "help";
    ASSERT_TRUE(fs::is_regular_file(help / "index.htm"));
    const QRegularExpression link(R"((?:href|src)="([^"#]+))");
    int pages = 0;
    for (const auto& file : fs::directory_iterator(help)) {
        if (file.path().extension() != ".htm") continue;
        ++pages;
        const QString text =
            QString::fromStdString(meshsmith::test::readFile(file.path().string()));
        for (const auto& m : link.globalMatch(text))
            EXPECT_TRUE(fs::is_regular_file(help / m.captured(1).toStdString()))
                << file.path().filename() << " links " << m.captured(1).toStdString();
    }
    EXPECT_GE(pages, 10) << "the walk-through and a page per editing window";
}
