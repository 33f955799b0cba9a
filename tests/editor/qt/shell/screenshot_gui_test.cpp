// Writes pictures of the editor with the example project open, for the
// documentation: runs only when MESHSMITH_SCREENSHOT names the main window's
// picture; the views in Custom, Top and Front go beside it.
#include "editor_harness.hpp"

#include <QAction>
#include <QImage>
#include <QPixmap>
#include <QScrollBar>

#include <cstdlib>
#include <gtest/gtest.h>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

void settle() {
    waitUntil([] { return false; }, 400);
}

// Zoom All, then a closer zoom (as a user would with the zoom bar) so the
// object fills the picture.
void zoomIn(MainForm& form) {
    form.view()->onZoomAll();
    form.findChild<QScrollBar*>("ZoomScrollBar")->setValue(2);
}

} // namespace

TEST(Screenshot, MainWindowAndViewsOfTheExampleProject) {
    const char* out = std::getenv("MESHSMITH_SCREENSHOT");
    if (!out) GTEST_SKIP() << "set MESHSMITH_SCREENSHOT to a .png path to write the pictures";
    const std::string folder = std::string(out).substr(0, std::string(out).find_last_of('/') + 1);
    EditorHarness h;
    MainForm& form = h.start();
    form.showNormal();
    form.resize(1280, 800);
    h.openExample();
    if (!form.item(MainItem::ShowTextures)->isChecked()) form.item(MainItem::ShowTextures)->trigger();
    ViewForm& view = *form.view();
    zoomIn(form);
    settle();
    EXPECT_TRUE(form.grab().save(out));
    EXPECT_TRUE(view.grabScene().save(QString::fromStdString(folder + "view-custom.png")));
    view.onTopView();
    zoomIn(form);
    settle();
    EXPECT_TRUE(view.grabScene().save(QString::fromStdString(folder + "view-top.png")));
    view.onFrontView();
    zoomIn(form);
    settle();
    EXPECT_TRUE(view.grabScene().save(QString::fromStdString(folder + "view-front.png")));
}
