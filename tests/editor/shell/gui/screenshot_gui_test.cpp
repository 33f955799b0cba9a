// Writes the main window with the example project open as a picture, for the
// documentation: runs only when MESHSMITH_SCREENSHOT names the output file.
#include "editor_harness.hpp"

#include <QPixmap>

#include <cstdlib>
#include <gtest/gtest.h>

using namespace meshsmith::test;

TEST(Screenshot, MainWindowWithTheExampleProject) {
    const char* out = std::getenv("MESHSMITH_SCREENSHOT");
    if (!out) GTEST_SKIP() << "set MESHSMITH_SCREENSHOT to a .png path to write the picture";
    EditorHarness h;
    meshsmith::MainForm& form = h.start();
    form.showNormal();
    form.resize(1280, 800);
    h.openExample();
    ASSERT_TRUE(waitUntil([&] { return form.view()->drawCount() > 0; }));
    waitUntil([] { return false; }, 500); // let the window settle
    EXPECT_TRUE(form.grab().save(out));
}
