// The main window at start-up: captions, log, check marks, the tool bar, the
// settings file and the recent-projects list.
#include "editor/qt/shell/options_form.hpp"
#include "editor_harness.hpp"
#include "model/version.hpp"

#include <QAction>
#include <QCheckBox>
#include <QSpinBox>
#include <QToolBar>

#include <gtest/gtest.h>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

bool checked(QObject* parent, const char* name) {
    return parent->findChild<QCheckBox*>(name)->isChecked();
}

} // namespace

TEST(MainFormStartup, CaptionLogCheckMarksAndEnabledItems) {
    EditorHarness h;
    MainForm& form = h.start();
    // The maximized view adds its caption after the frame's own.
    const QString title = QString("Meshsmith ") + kVersionText;
    EXPECT_TRUE(form.windowTitle().startsWith(title)) << form.windowTitle().toStdString();
    const QStringList log = form.logLines();
    ASSERT_GE(log.size(), 2);
    EXPECT_EQ(log[0], title);
    EXPECT_EQ(log[1], "See Tool Tips for some more Information");
    EXPECT_EQ(form.item(MainItem::About)->text(), "&About Meshsmith");

    EXPECT_FALSE(form.item(MainItem::ShowAxis)->isChecked());
    EXPECT_TRUE(form.item(MainItem::ShowVertices)->isChecked());
    EXPECT_TRUE(form.item(MainItem::ShowLines)->isChecked());
    EXPECT_TRUE(form.item(MainItem::ShowPolygons)->isChecked());
    EXPECT_FALSE(form.item(MainItem::ShowTextures)->isChecked());
    EXPECT_EQ(h.project().ProjectFile, "None");
    EXPECT_EQ(form.view()->windowTitle(), "New Project");
    // Without the converter beside the program, the ASE commands start disabled.
    EXPECT_FALSE(form.item(MainItem::WriteAseMenu)->isEnabled());
    EXPECT_FALSE(form.item(MainItem::Write3do)->isEnabled());
    EXPECT_FALSE(form.item(MainItem::Write3doButton)->isEnabled());

    form.updateToolbar();
    using enum MainItem;
    for (MainItem which : {CloseButton, CloseProject, SaveAsButton, PrintProject, AseButton,
                           LineButton, AssignTexturesButton, ClearAll})
        EXPECT_FALSE(form.item(which)->isEnabled()) << textOf(which).objectName;
}

TEST(MainFormStartup, WriteAseIsEnabledWhenTheConverterIsBesideTheProgram) {
    EditorHarness h;
    copyProgram("3DO-Kiln", h.app.folder());
    EXPECT_TRUE(h.start().item(MainItem::WriteAseMenu)->isEnabled());
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

TEST(MainFormStartup, FirstStartWithoutSettingsFileGivesTheDefaults) {
    EditorHarness h;
    MainForm& form = h.start();
    OptionsForm* options = form.options();
    EXPECT_TRUE(form.windowState() & Qt::WindowMaximized);
    EXPECT_TRUE(checked(options, "MaxCheckBox"));
    EXPECT_TRUE(checked(options, "PlaySoundCheckBox"));
    EXPECT_TRUE(checked(options, "FaceCheckBox"));
    EXPECT_FALSE(checked(options, "GridCheckBox"));
    EXPECT_FALSE(checked(options, "MakeSubDirCheckBox"));
    EXPECT_FALSE(options->findChild<QCheckBox*>("CopyBmpCheckBox")->isEnabled());
    EXPECT_EQ(options->findChild<QSpinBox*>("GridScaleSpinEdit")->value(), 1);
    EXPECT_EQ(options->findChild<QSpinBox*>("GridSizeSpinEdit")->value(), 1);
    EXPECT_EQ(h.context->general.GridColor, "clBlack");
    EXPECT_TRUE(h.context->general.GPLPath.empty());
    EXPECT_EQ(form.item(MainItem::StartViewer)->text(), "Start ");
}

TEST(MainFormStartup, SettingsAreReadAndEveryChangeIsWrittenAtOnce) {
    EditorHarness h;
    writeFile(h.app.file("Meshsmith.ini"),
              "[General Options]\r\nMaxOnStartup=0\r\nViewerPath=C:\\Tools\\viewer.exe\r\n"
              "MakeSubDir=1\r\n");
    MainForm& form = h.start();
    EXPECT_FALSE(form.windowState() & Qt::WindowMaximized);
    EXPECT_EQ(form.item(MainItem::StartViewer)->text(), "Start viewer");
    EXPECT_TRUE(form.options()->findChild<QCheckBox*>("CopyBmpCheckBox")->isEnabled());

    form.options()->findChild<QCheckBox*>("PlaySoundCheckBox")->click();
    EXPECT_NE(h.ini().find("PlaySound=0"), std::string::npos) << h.ini();
    // The other keys stay as they were, backslashes and all.
    EXPECT_NE(h.ini().find("ViewerPath=C:\\Tools\\viewer.exe"), std::string::npos);
}

TEST(MainFormStartup, RecentListKeepsTenNewestFirstThroughTheSettingsFile) {
    EditorHarness h;
    std::string ini = "[Recent Used Files]\r\n";
    for (int i = 0; i < 10; ++i)
        ini += "F" + std::to_string(i) + "=" + h.work.file("old" + std::to_string(i) + ".3dp") +
               "\r\n";
    writeFile(h.app.file("Meshsmith.ini"), ini);
    h.start();
    EXPECT_EQ(h.context->recent.entries().size(), 10u);

    const std::string example = h.openExample();
    ASSERT_EQ(h.context->recent.entries().size(), 10u);
    EXPECT_EQ(h.context->recent.entries().front(), example);
    EXPECT_EQ(h.context->recent.entries().back(), h.work.file("old8.3dp"));

    // Reopening from the list leaves the entry where the list has it.
    h.prompts.answers = {Answer::No};
    h.form->onRecentFile(QString::fromStdString(example));
    EXPECT_EQ(h.project().viewCaption, "stand.3dp");
    h.form.reset();
    const std::string text = h.ini();
    EXPECT_NE(text.find("F0=" + example), std::string::npos) << text;
    EXPECT_NE(text.find("F9=" + h.work.file("old8.3dp")), std::string::npos) << text;
    EXPECT_EQ(text.find("old9"), std::string::npos) << text;
}
