// The "Project Contents" window, the printed listing, the help commands and
// the user guide they open, the About box and the tool tips switch, wired to
// the listing, the system facts and the desktop. What the texts say is tested
// headless (project_listing, system_information).

#include "editor/core/shell/project_listing.hpp"
#include "editor/qt/shell/about_box.hpp"
#include "editor/qt/shell/help_commands.hpp"
#include "editor/qt/shell/listing_print.hpp"
#include "editor/qt/shell/listing_windows.hpp"
#include "editor/qt/shell/system_facts.hpp"
#include "editor_harness.hpp"
#include "model/version.hpp"
#include "support/project_builders.hpp"
#include "support/run_program.hpp"

#include <QClipboard>
#include <QDate>
#include <QFile>
#include <QHelpEvent>
#include <QLabel>
#include <QLocale>
#include <QOpenGLContext>
#include <QOpenGLWidget>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

QString listingText(const Project& project) {
    QStringList lines;
    for (const std::string& line : projectListing(project, ListingForm::Display))
        lines << QString::fromStdString(line);
    return lines.join('\n');
}

QString infoPane(QDialog& box) {
    return box.findChild<QPlainTextEdit*>("SystemInfoMemo")->toPlainText();
}

// The page count the PDF's page tree declares; -1 when there is none.
int pdfPageCount(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const auto match = QRegularExpression("/Type\\s*/Pages\\b[^>]*/Count\\s+(\\d+)")
                           .match(QString::fromLatin1(file.readAll()));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

} // namespace

TEST(ProjectContentsFormTest, ShowsTheListingAtEachShowAndItsButtonsClose) {
    Project project = sampleProject();
    ProjectContentsForm form(project);
    EXPECT_EQ(form.windowTitle(), "Project Contents");
    form.show();
    EXPECT_EQ(form.text(), listingText(project));
    form.hide();
    project.object.vertices.push_back({7, 8, 9});
    form.show();
    EXPECT_EQ(form.text(), listingText(project)) << "rebuilt at each show";

    QApplication::clipboard()->setText("before");
    QTest::mouseClick(form.findChild<QPushButton*>("CancelButton"), Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text(), "before");
    form.show();
    QTest::mouseClick(form.findChild<QPushButton*>("CopyButton"), Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text(), listingText(project));
    EXPECT_TRUE(form.text().isEmpty());
    EXPECT_FALSE(form.isVisible());
}

TEST(ListingPrintTest, PagesKeepLineOrderAndWrapLinesWiderThanThePage) {
    // Pages joined by '|', the lines of a page by ','.
    const std::tuple<std::vector<std::string>, ListingPageSize, const char*> cases[] = {
        {{"a", "b", "c", "d", "e"}, {2, 10}, "a,b|c,d|e"},
        {{" ", std::string(25, 'x')}, {50, 10}, " ,xxxxxxxxxx,xxxxxxxxxx,xxxxx"},
        // A character outside the basic plane is never cut in half.
        {{"ab\xF0\x9F\x98\x80"}, {10, 3}, "ab,\xF0\x9F\x98\x80"},
        // Degenerate sizes still give one line a page, one character a line.
        {{"ab"}, {0, 0}, "a|b"}};
    for (const auto& [lines, size, expected] : cases) {
        QStringList pages;
        for (const QStringList& page : listingPages(lines, size))
            pages << page.join(',');
        EXPECT_EQ(pages.join('|'), QString::fromUtf8(expected));
    }
}

TEST(ListingPrintTest, APrinterGetsFullPagesInCourierNewNinePointAndNothingWhenEmpty) {
    EXPECT_EQ(listingPrintFont().family(), "Courier New");
    EXPECT_DOUBLE_EQ(listingPrintFont().pointSizeF(), 9.0);
    TempFolder folder;
    const auto printTo = [&](const std::string& name, const std::vector<std::string>& lines) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(folder.file(name)));
        printer.setPageSize(QPageSize(QPageSize::A4));
        const int perPage = listingPageSize(printer).linesPerPage;
        EXPECT_GE(perPage, 55) << "A4 at about 10 points a line";
        return std::pair{printListingLines(lines, printer), perPage};
    };
    const int perPage = printTo("probe.pdf", {"x"}).second;
    EXPECT_EQ(printTo("two.pdf", std::vector<std::string>(perPage + 1, "line")).first, 2);
    EXPECT_EQ(pdfPageCount(folder.file("two.pdf")), 2);
    EXPECT_EQ(printTo("none.pdf", {}).first, 0);
    EXPECT_FALSE(std::filesystem::exists(folder.file("none.pdf")));
}

TEST(ListingPrintTest, CancellingThePrinterDialogReturnsWithoutPrinting) {
    QWidget parent;
    QString dialogSeen;
    whenShown<QPrintDialog>("", [&](QPrintDialog& dialog) {
        dialogSeen = dialog.parentWidget() == &parent ? "with parent" : "without parent";
        dialog.reject();
    });
    printProjectListing(sampleProject(), &parent);
    EXPECT_EQ(dialogSeen, "with parent");
}

TEST(HelpCommandsTest, HelpOpensOrSaysWhyNot) {
    EditorHarness h;
    EditorContext& context = h.makeContext();
    openLocalHelp(context);
    EXPECT_EQ(h.prompts.messages.back(),
              "No local help available, please download current help file from the website !");
    std::filesystem::create_directories(h.app.path() / "help" / "index.htm");
    openLocalHelp(context); // a folder in the file's place is no help file either
    EXPECT_EQ(h.prompts.messages.size(), 2u);
    EXPECT_TRUE(h.starter.opened.empty());

    const std::string path = h.app.file("help/index.htm");
    std::filesystem::remove(path);
    writeFile(path, "<html></html>");
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime(QDate(2021, 3, 4), QTime(12, 0)),
                                 QFileDevice::FileModificationTime));
    file.close();
    openLocalHelp(context);
    EXPECT_EQ(
        h.prompts.messages.back(),
        "Local help file is dated " +
            QLocale::system().toString(QDate(2021, 3, 4), QLocale::ShortFormat).toStdString() +
            ", please check website for newer version !");
    // Online Help opens the same guide (there is no help site).
    openOnlineHelp(context);
    EXPECT_EQ(h.starter.opened, (std::vector<std::string>{path, path}));
    h.starter.opens = false;
    openOnlineHelp(context);
    EXPECT_EQ(h.prompts.messages.back(), "Could not open " + path + " !");
    std::filesystem::remove(path);
    openOnlineHelp(context);
    EXPECT_EQ(h.prompts.messages.back(), "No user guide found at " + path + " !");
}

// The box describes the view it is given: its size and its OpenGL context.
// The user guide the build puts beside the programs, where Local Help looks:
// every page's links and pictures are there too.
TEST(LocalHelp, TheGuideBesideTheProgramHasEveryPageAndPictureItLinks) {
    const std::filesystem::path help = std::filesystem::path(MESHSMITH_BIN_DIR) / "help";
    ASSERT_TRUE(std::filesystem::is_regular_file(help / "index.htm"));
    const QRegularExpression link(R"((?:href|src)="([^"#]+))");
    int pages = 0;
    for (const auto& file : std::filesystem::directory_iterator(help)) {
        if (file.path().extension() != ".htm") continue;
        ++pages;
        const QString text = QString::fromStdString(readFile(file.path().string()));
        for (const auto& m : link.globalMatch(text))
            EXPECT_TRUE(std::filesystem::is_regular_file(help / m.captured(1).toStdString()))
                << file.path().filename() << " links " << m.captured(1).toStdString();
    }
    EXPECT_GE(pages, 10) << "the walk-through and a page per editing window";
}

TEST(AboutBoxTest, ShowsProductFactsOfTheViewAndOpensItsAddresses) {
    if (QGuiApplication::platformName() == "offscreen" ||
        QGuiApplication::platformName() == "minimal")
        GTEST_SKIP() << "no OpenGL widgets on " << QGuiApplication::platformName().toStdString();
    EditorHarness h;
    auto* view = new QOpenGLWidget;
    view->resize(321, 123);
    view->show();
    if (!QTest::qWaitForWindowExposed(view) || !view->context() || !view->context()->isValid())
        GTEST_SKIP() << "no OpenGL on this display";
    view->doneCurrent();
    const auto strings = queryOpenGlStrings(view);
    ASSERT_TRUE(strings);
    EXPECT_FALSE(strings->renderer.empty());
    EXPECT_EQ(QOpenGLContext::currentContext(), nullptr);
    // A context current before the question is current after it.
    view->makeCurrent();
    QOpenGLContext* before = QOpenGLContext::currentContext();
    ASSERT_TRUE(queryOpenGlStrings(nullptr));
    EXPECT_EQ(QOpenGLContext::currentContext(), before);
    view->doneCurrent();

    AboutBox box(h.makeContext(), view);
    box.show();
    EXPECT_EQ(box.windowTitle(), "About");
    EXPECT_EQ(box.findChild<QLabel*>("ProductLabel")->text(), QString("Meshsmith ") + kVersionText);
    EXPECT_FALSE(box.findChild<QLabel*>("PictureLabel")->pixmap().isNull());
    const QString pane = infoPane(box);
    EXPECT_TRUE(pane.contains("Width = 321, Height = 123"));
    EXPECT_TRUE(pane.contains(" KB, of which ")) << "this platform tells its memory";
    EXPECT_TRUE(pane.contains("Renderer:\n" + QString::fromStdString(strings->renderer)));
    // The library loaded for OpenGL, with the version of the file its name resolves to.
    EXPECT_TRUE(QRegularExpression("OpenGL Version:\nFilename = \\S+\nFileVersion = \\d+\\.\\d+")
                    .match(pane)
                    .hasMatch())
        << pane.toStdString();
    std::filesystem::create_directories(h.app.path() / "help");
    writeFile(h.app.file("help/index.htm"), "<html></html>");
    for (const char* name : {"WebLabel", "MailLabel"}) {
        auto* label = box.findChild<QLabel*>(name);
        EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor);
        if (name[0] == 'W') QTest::mouseClick(label, Qt::LeftButton);
        else QTest::keyClick(label, Qt::Key_Return); // the keyboard's way
    }
    EXPECT_EQ(box.findChild<QLabel*>("WebLabel")->text(), kUserGuideLink);
    EXPECT_EQ(h.starter.opened,
              (std::vector<std::string>{localHelpPath(h.app.folder()),
                                        std::string("mailto:support@meshsmith.example.org?"
                                                    "subject=About Meshsmith ") +
                                            kVersionText}));
    // A view gone before the box shows is no longer described.
    delete view;
    auto* gone = new QWidget;
    AboutBox late(*h.context, gone);
    delete gone;
    late.show();
    EXPECT_TRUE(infoPane(late).contains("Current Dimensions of View Window:\nnot available"));
}

// The program tells its version without opening a window.
TEST(AboutBoxTest, TheProgramTellsItsVersionWithoutAWindow) {
    const ProgramRun version = runProgram("Meshsmith", {"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("Meshsmith ") + kVersionText + "\n");
}

TEST(ToolTipsTest, SwitchedOffSwallowsToolTipsAndOnLetsThemThrough) {
    class ToolTipCounter : public QWidget {
      public:
        int toolTips = 0;
        bool event(QEvent* e) override {
            toolTips += e->type() == QEvent::ToolTip ? 1 : 0;
            return QWidget::event(e);
        }
    } widget;
    widget.setToolTip("A tip");
    widget.show();
    setApplicationToolTips(true); // a main window of an earlier test sets its own
    const auto ask = [&] {
        QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), widget.mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(&widget, &help);
        return widget.toolTips;
    };
    EXPECT_EQ(ask(), 1);
    setApplicationToolTips(false);
    setApplicationToolTips(false); // twice is still one switch
    EXPECT_EQ(ask(), 1);
    setApplicationToolTips(true);
    EXPECT_EQ(ask(), 2);
    setApplicationToolTips(true);
    EXPECT_EQ(ask(), 3);
}
