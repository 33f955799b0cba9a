// 3DO-View's window on composed files: a file opened shows its counts and is
// drawn; a file changed on disk is read again; a file that is not a 3DO is
// refused, in the window by a message and on the command line by status 1.

#include "viewer/qt/viewer_canvas.hpp"
#include "viewer/qt/viewer_window.hpp"

#include "threedo_fixtures.hpp"

#include "support/run_program.hpp"
#include "support/temp_folder.hpp"

#include <QApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>

namespace meshsmith::test {
namespace {

void writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    writeFile(path, std::string(bytes.begin(), bytes.end()));
}

// Processes events until `done` holds (or a generous limit passes).
template <typename Done> bool waitFor(Done done) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 10000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    return done();
}

std::size_t drawnPixels(const QImage& image) {
    std::size_t n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
    return n;
}

TEST(ViewerWindow, OpensCountsReloadsAndRefuses) {
    TempFolder dir;
    const std::string object = dir.file("object.3do"), text = dir.file("notes.txt");
    writeBytes(object, singleNodeFacing({3, 2, 1, 0}, false));
    writeFile(text, "not a 3DO\n");
    viewer::ViewerWindow window(dir.file("Meshsmith.ini"));
    QStringList refusals;
    window.refuse = [&](const QString& why) { refusals << why; };
    ASSERT_EQ(window.open(object), std::nullopt);
    window.show();
    EXPECT_EQ(window.windowTitle(), "3DO-View - object.3do");
    EXPECT_EQ(window.countsText(),
              "5 vertices, 1 polygon, 1 node, 0 collision volumes, 1 shown from behind");
    ASSERT_TRUE(waitFor([&] { return window.canvas()->drawCount() > 0; }));
    EXPECT_GT(drawnPixels(window.canvas()->grabFramebuffer()), 1000u) << "the quad is drawn";

    writeBytes(object, assemble(twoNodeParts(1, 2, true)));
    EXPECT_TRUE(waitFor([&] { return window.countsText().startsWith("8 vertices, 2 polygons"); }))
        << "read again after the change: " << window.countsText().toStdString();

    window.openFromWindow(text);
    ASSERT_EQ(refusals.size(), 1);
    EXPECT_TRUE(refusals[0].contains("not a 3DO file that can be shown"))
        << refusals[0].toStdString();
    EXPECT_EQ(window.path(), object) << "the shown file stays";
}

TEST(ViewerProgram, RefusesACommandLineFileOnStandardError) {
    TempFolder dir;
    writeFile(dir.file("notes.txt"), "not a 3DO\n");
    const ProgramRun refused = runProgram("3DO-View", {"notes.txt"}, dir.folder());
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("notes.txt: not a 3DO file that can be shown"), std::string::npos)
        << refused.err;
    EXPECT_EQ(runProgram("3DO-View", {"--version"}, dir.folder()).out.rfind("3DO-View (", 0), 0u);
}

} // namespace
} // namespace meshsmith::test
