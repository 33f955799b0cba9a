// The main window at start-up, wired to the settings file, the recent list,
// the converter beside the program and the tool bar. The rules themselves
// (defaults, the list of ten, what each menu item needs) are tested headless
// in editor/core/shell.
#include "editor_harness.hpp"
#include "model/version.hpp"

#include <QToolBar>

#include <gtest/gtest.h>

using namespace meshsmith;
using namespace meshsmith::test;

TEST(MainFormStartup, CaptionLogAndTheItemsTheConverterEnables) {
    EditorHarness h;
    MainForm& form = h.start();
    const QString product = QString("Meshsmith ") + kVersionText;
    // The maximized view adds its caption after the frame's own.
    EXPECT_TRUE(form.windowTitle().startsWith(product)) << form.windowTitle().toStdString();
    ASSERT_GE(form.logLines().size(), 2);
    EXPECT_EQ(form.logLines()[0], product);
    EXPECT_EQ(form.logLines()[1], "See Tool Tips for some more Information");
    EXPECT_TRUE(form.windowState() & Qt::WindowMaximized) << "the default of a first start";
    EXPECT_EQ(form.view()->windowTitle(), "New Project");
    EXPECT_TRUE(form.item(MainItem::ShowVertices)->isChecked());
    form.updateToolbar();
    EXPECT_FALSE(form.item(MainItem::CloseProject)->isEnabled());
    // Without the converter beside the program, the ASE commands start disabled.
    EXPECT_FALSE(form.item(MainItem::WriteAseMenu)->isEnabled());

    EditorHarness withKiln;
    copyProgram("3DO-Kiln", withKiln.app.folder());
    EXPECT_TRUE(withKiln.start().item(MainItem::WriteAseMenu)->isEnabled());
}

TEST(MainFormStartup, EveryToolButtonShowsItsIconAndHintInA1024PixelWindow) {
    EditorHarness h;
    MainForm& form = h.start();
    form.showNormal();
    form.resize(1024, 768);
    auto* bar = form.findChild<QToolBar*>("ToolBar");
    ASSERT_TRUE(waitUntil([&] { return form.width() == 1024 && bar->width() <= 1024; }));
    QApplication::processEvents();
    int buttons = 0;
    for (QAction* a : bar->actions()) {
        if (a->isSeparator()) continue;
        ++buttons;
        const QWidget* w = bar->widgetForAction(a);
        // A button that does not fit is hidden behind the bar's extension arrow.
        EXPECT_TRUE(w->isVisible() && bar->rect().contains(w->geometry()) &&
                    !a->icon().pixmap(24).isNull() && !a->toolTip().isEmpty())
            << a->text().toStdString();
    }
    EXPECT_EQ(buttons, 20);
}

TEST(MainFormStartup, OpenedProjectsGoToTheRecentListAndItsSettingsSection) {
    EditorHarness h;
    writeFile(h.app.file("Meshsmith.ini"),
              "[Recent Used Files]\r\nF0=" + h.work.file("old.3dp") + "\r\n");
    h.start();
    const std::string example = h.openExample();
    EXPECT_EQ(h.context->recent.entries(),
              (std::vector<std::string>{example, h.work.file("old.3dp")}));
    // Reopening from the list.
    h.prompts.answers = {Answer::No};
    h.form->onRecentFile(QString::fromStdString(example));
    EXPECT_EQ(h.project().viewCaption, "stand.3dp");
    h.form.reset();
    EXPECT_NE(h.ini().find("F0=" + example + "\r\nF1=" + h.work.file("old.3dp")), std::string::npos)
        << h.ini();
}
