// The "Project Contents" window, the printed listing, the help commands, the
// About box and the application-wide tool tips switch, on a real display.

#include "editor/core/shell/project_listing.hpp"
#include "editor/core/shell/system_probes.hpp"
#include "editor/qt/shell/about_box.hpp"
#include "editor/qt/shell/help_commands.hpp"
#include "editor/qt/shell/listing_print.hpp"
#include "editor/qt/shell/listing_windows.hpp"
#include "editor/qt/shell/system_facts.hpp"
#include "model/version.hpp"
#include "support/project_builders.hpp"
#include "support/scripted_prompts.hpp"
#include "support/temp_folder.hpp"

#include <QApplication>
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
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

// Records what the editor asked the desktop to open, in order with the messages shown.
class RecordingStarter : public ProgramStarter {
  public:
    explicit RecordingStarter(std::vector<std::string>& events) : events_(events) {}
    bool startDetached(const ProgramLaunch&) override { return false; }
    bool openWithDefaultHandler(const std::string& target) override {
        opened.push_back(target);
        events_.push_back("open " + target);
        return opens;
    }
    std::vector<std::string> opened;
    bool opens = true;

  private:
    std::vector<std::string>& events_;
};

class MessagePrompts : public ScriptedPrompts {
  public:
    explicit MessagePrompts(std::vector<std::string>& events) : events_(events) {}
    void showMessage(const std::string& text) override {
        ScriptedPrompts::showMessage(text);
        events_.push_back("message " + text);
    }

  private:
    std::vector<std::string>& events_;
};

class NoFileDialogs : public FileDialogs {
  public:
    std::optional<std::string> openFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> saveFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> chooseFolder(const std::string&) override { return std::nullopt; }
    std::optional<Colour> chooseColour(Colour) override { return std::nullopt; }
};

// An editor context in a temporary program folder, with recording services.
struct ContextFixture {
    TempFolder folder;
    std::vector<std::string> events;
    MessagePrompts prompts{events};
    NoFileDialogs files;
    RecordingStarter starter{events};
    EditorContext context{folder.folder(), prompts, files, starter};
};

QString listingText(const Project& project) {
    QStringList lines;
    for (const std::string& line : projectListing(project, ListingForm::Display))
        lines << QString::fromStdString(line);
    return lines.join('\n');
}

QString paneText(QDialog& dialog, const char* name) {
    auto* pane = dialog.findChild<QPlainTextEdit*>(name);
    return pane ? pane->toPlainText() : QString("<no %1>").arg(name);
}

// Tool tips back on whatever a test did, so later tests see the default.
struct ToolTipsRestorer {
    ~ToolTipsRestorer() { setApplicationToolTips(true); }
};

} // namespace

// ---------------------------------------------------------------- Project Contents

TEST(ProjectContentsFormTest, ShowsTheListingReadOnlyAndRebuildsItAtEachShow) {
    Project project = sampleProject();
    ProjectContentsForm form(project);
    EXPECT_EQ(form.windowTitle(), "Project Contents");
    EXPECT_TRUE(form.isModal());
    form.show();
    EXPECT_EQ(form.text(), listingText(project));
    auto* pane = form.findChild<QPlainTextEdit*>("ContentsMemo");
    ASSERT_TRUE(pane);
    EXPECT_TRUE(pane->isReadOnly());
    EXPECT_EQ(pane->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

    form.hide();
    project.object.vertices.push_back({7, 8, 9, 0});
    form.show();
    EXPECT_TRUE(form.text().contains("Number of Vertices: 7"));
    EXPECT_EQ(form.text(), listingText(project));
}

TEST(ProjectContentsFormTest, CopyToClipboardCopiesEverythingEmptiesAndCloses) {
    const Project project = sampleProject();
    ProjectContentsForm form(project);
    form.show();
    QApplication::clipboard()->setText("before");
    auto* copy = form.findChild<QPushButton*>("CopyButton");
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->text(), "Copy To Clipboard");
    QTest::mouseClick(copy, Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text(), listingText(project));
    EXPECT_TRUE(form.text().isEmpty());
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Accepted);
}

TEST(ProjectContentsFormTest, CancelEmptiesAndClosesWithoutTouchingTheClipboard) {
    const Project project = sampleProject();
    ProjectContentsForm form(project);
    form.show();
    QApplication::clipboard()->setText("before");
    QTest::mouseClick(form.findChild<QPushButton*>("CancelButton"), Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text(), "before");
    EXPECT_TRUE(form.text().isEmpty());
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Rejected);
}

// ---------------------------------------------------------------- printing

namespace {

struct PdfPrinter {
    explicit PdfPrinter(const std::string& path) : printer(QPrinter::HighResolution) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(path));
        printer.setPageSize(QPageSize(QPageSize::A4));
    }
    QPrinter printer;
};

// The page count the PDF's page tree declares; -1 when there is none.
int pdfPageCount(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QByteArray data = file.readAll();
    if (!data.startsWith("%PDF")) return -1;
    const auto match = QRegularExpression("/Type\\s*/Pages\\b[^>]*/Count\\s+(\\d+)")
                           .match(QString::fromLatin1(data));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

std::vector<std::string> numberedLines(int count) {
    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i)
        lines.push_back("Line " + std::to_string(i));
    return lines;
}

} // namespace

TEST(ListingPrintTest, PageSizeFollowsPageHeightAndNinePointLineSpacing) {
    TempFolder folder;
    PdfPrinter pdf(folder.file("size.pdf"));
    const ListingPageSize size = listingPageSize(pdf.printer);
    // A4 less margins at about 10 to 11 points a line, and 5.4 points a character.
    EXPECT_GE(size.linesPerPage, 55);
    EXPECT_LE(size.linesPerPage, 95);
    EXPECT_GE(size.charactersPerLine, 80);
    EXPECT_LE(size.charactersPerLine, 115);
    EXPECT_DOUBLE_EQ(listingPrintFont().pointSizeF(), 9.0);
    EXPECT_EQ(listingPrintFont().family(), "Courier New");
    // A larger page takes more lines.
    pdf.printer.setPageSize(QPageSize(QPageSize::A3));
    EXPECT_GT(listingPageSize(pdf.printer).linesPerPage, size.linesPerPage);
}

TEST(ListingPrintTest, PrintingToPdfFillsPagesAndStartsTheNextOneWhenFull) {
    TempFolder folder;
    int perPage = 0;
    {
        PdfPrinter pdf(folder.file("one.pdf"));
        perPage = listingPageSize(pdf.printer).linesPerPage;
        EXPECT_EQ(printListingLines(numberedLines(perPage), pdf.printer), 1);
    }
    EXPECT_EQ(pdfPageCount(folder.file("one.pdf")), 1);
    {
        PdfPrinter pdf(folder.file("two.pdf"));
        EXPECT_EQ(printListingLines(numberedLines(perPage + 1), pdf.printer), 2);
    }
    EXPECT_EQ(pdfPageCount(folder.file("two.pdf")), 2);
    int listingPageCount = 0;
    {
        PdfPrinter pdf(folder.file("listing.pdf"));
        const auto lines = projectListing(sampleProject(), ListingForm::Print);
        listingPageCount = static_cast<int>((lines.size() + perPage - 1) / perPage);
        EXPECT_EQ(printListingLines(lines, pdf.printer), listingPageCount);
    }
    EXPECT_EQ(pdfPageCount(folder.file("listing.pdf")), listingPageCount);
}

TEST(ListingPrintTest, NothingToPrintStartsNoJob) {
    TempFolder folder;
    PdfPrinter pdf(folder.file("none.pdf"));
    EXPECT_EQ(printListingLines({}, pdf.printer), 0);
    EXPECT_FALSE(std::filesystem::exists(folder.file("none.pdf")));
}

TEST(ListingPrintTest, PagesKeepLineOrderAndWrapLinesWiderThanThePage) {
    const auto pages = listingPages({"a", "b", "c", "d", "e"}, {2, 10});
    ASSERT_EQ(pages.size(), 3);
    EXPECT_EQ(pages[0], QStringList({"a", "b"}));
    EXPECT_EQ(pages[2], QStringList({"e"}));

    const std::string wide(25, 'x');
    const auto wrapped = listingPages({" ", wide}, {50, 10});
    ASSERT_EQ(wrapped.size(), 1);
    EXPECT_EQ(wrapped[0], QStringList({" ", "xxxxxxxxxx", "xxxxxxxxxx", "xxxxx"}));

    // A character outside the basic plane is never cut in half.
    const auto emoji = listingPages({"ab\xF0\x9F\x98\x80"}, {10, 3});
    ASSERT_EQ(emoji.size(), 1);
    EXPECT_EQ(emoji[0].join(""), QString::fromUtf8("ab\xF0\x9F\x98\x80"));
    for (const QString& piece : emoji[0])
        EXPECT_FALSE(piece.back().isHighSurrogate());

    // Degenerate sizes still give one line a page, one character a line.
    EXPECT_EQ(listingPages({"ab"}, {0, 0}).size(), 2);
    EXPECT_TRUE(listingPages({}, {10, 10}).isEmpty());
}

TEST(ListingPrintTest, CancellingThePrinterDialogReturnsWithoutPrinting) {
    QWidget parent;
    QString dialogSeen;
    // Answers the dialog as soon as it is up; a timer that outlives it does nothing.
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) {
            dialogSeen = dialog->parentWidget() == &parent ? "with parent" : "without parent";
            dialog->reject();
        }
    });
    answer.start(20);
    printProjectListing(sampleProject(), &parent);
    EXPECT_EQ(dialogSeen, "with parent");
}

// ---------------------------------------------------------------- help

TEST(HelpCommandsTest, LocalHelpMissingSaysSoAndOpensNothing) {
    ContextFixture f;
    openLocalHelp(f.context);
    EXPECT_EQ(f.prompts.messages,
              std::vector<std::string>{
                  "No local help available, please download current help file from the website !"});
    EXPECT_TRUE(f.starter.opened.empty());

    // A folder in the file's place is no help file either.
    std::filesystem::create_directories(f.folder.path() / "help" / "index.htm");
    openLocalHelp(f.context);
    EXPECT_EQ(f.prompts.messages.size(), 2u);
    EXPECT_TRUE(f.starter.opened.empty());
}

TEST(HelpCommandsTest, LocalHelpTellsItsDateThenOpensIt) {
    ContextFixture f;
    std::filesystem::create_directories(f.folder.path() / "help");
    const std::string path = (f.folder.path() / "help" / "index.htm").string();
    writeFile(path, "<html></html>");
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime(QDate(2021, 3, 4), QTime(12, 0)),
                                 QFileDevice::FileModificationTime));
    file.close();

    openLocalHelp(f.context);
    const std::string date =
        QLocale::system().toString(QDate(2021, 3, 4), QLocale::ShortFormat).toStdString();
    EXPECT_EQ(f.events, (std::vector<std::string>{"message Local help file is dated " + date +
                                                      ", please check website for newer version !",
                                                  "open " + path}));
}

TEST(HelpCommandsTest, LocalHelpFolderMayEndWithEitherSeparatorOrNone) {
    EXPECT_EQ(localHelpPath("/opt/meshsmith/"), "/opt/meshsmith/help/index.htm");
#ifndef _WIN32
    EXPECT_EQ(localHelpPath("/opt/meshsmith"), "/opt/meshsmith/help/index.htm");
    EXPECT_EQ(localHelpPath("/opt/meshsmith\\"), "/opt/meshsmith/help/index.htm");
    EXPECT_EQ(localHelpPath(""), "help/index.htm");
#endif
}

TEST(HelpCommandsTest, OnlineHelpOpensTheHelpAddressAndReportsAFailure) {
    ContextFixture f;
    openOnlineHelp(f.context);
    EXPECT_EQ(f.starter.opened, std::vector<std::string>{kOnlineHelpAddress});
    EXPECT_TRUE(f.prompts.messages.empty());

    f.starter.opens = false;
    openOnlineHelp(f.context);
    EXPECT_EQ(f.prompts.messages,
              std::vector<std::string>{std::string("Could not open ") + kOnlineHelpAddress + " !"});
}

// ---------------------------------------------------------------- About box

TEST(AboutBoxTest, ShowsProductAddressesAndEverySystemInformationLabel) {
    ContextFixture f;
    QWidget view;
    view.resize(321, 123);
    AboutBox box(f.context, &view);
    box.show();
    EXPECT_EQ(box.windowTitle(), "About");
    EXPECT_TRUE(box.isModal());
    auto* product = box.findChild<QLabel*>("ProductLabel");
    ASSERT_TRUE(product);
    EXPECT_EQ(product->text(), QString("Meshsmith ") + kVersionText);
    auto* picture = box.findChild<QLabel*>("PictureLabel");
    ASSERT_TRUE(picture);
    EXPECT_FALSE(picture->pixmap().isNull());

    const QString info = paneText(box, "SystemInfoMemo");
    for (const char* label :
         {"Operating System:", "Processor:", "RAM:", "Current Dimensions of View Window:",
          "Renderer:", "Vendor:", "Version:", "OpenGL Version:", "Supported OpenGL Extensions:",
          "OpenGL Utilities Version:"})
        EXPECT_TRUE(info.contains(QString(label) + "\n")) << label;
    EXPECT_TRUE(info.contains("Width = 321, Height = 123"));
    EXPECT_TRUE(info.contains(" KB, of which ")) << "this platform tells its memory";
    EXPECT_TRUE(box.findChild<QPlainTextEdit*>("SystemInfoMemo")->isReadOnly());
}

TEST(AboutBoxTest, ClickingTheAddressesOpensThemWithTheHandCursor) {
    ContextFixture f;
    AboutBox box(f.context, nullptr);
    box.show();
    auto* web = box.findChild<QLabel*>("WebLabel");
    auto* mail = box.findChild<QLabel*>("MailLabel");
    ASSERT_TRUE(web && mail);
    EXPECT_EQ(web->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(mail->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(web, Qt::LeftButton);
    QTest::mouseClick(mail, Qt::LeftButton);
    EXPECT_EQ(f.starter.opened,
              (std::vector<std::string>{
                  "https://meshsmith.example.org/help/",
                  std::string("mailto:support@meshsmith.example.org?subject=About Meshsmith ") +
                      kVersionText}));
    // Without a view there is no size to tell.
    EXPECT_TRUE(paneText(box, "SystemInfoMemo")
                    .contains("Current Dimensions of View Window:\nnot available"));
}

TEST(AboutBoxTest, AViewGoneBeforeTheBoxShowsIsNoLongerDescribed) {
    ContextFixture f;
    auto* view = new QWidget;
    AboutBox box(f.context, view);
    delete view;
    box.show();
    EXPECT_TRUE(paneText(box, "SystemInfoMemo")
                    .contains("Current Dimensions of View Window:\nnot available"));
}

TEST(AboutBoxTest, OpenGlStringsComeFromTheViewsContextAndLeaveTheCurrentContextAlone) {
    // The offscreen and minimal platforms cannot host an OpenGL widget at all.
    if (QGuiApplication::platformName() == "offscreen" ||
        QGuiApplication::platformName() == "minimal")
        GTEST_SKIP() << "no OpenGL widgets on " << QGuiApplication::platformName().toStdString();
    QOpenGLWidget view;
    view.resize(64, 48);
    view.show();
    if (!QTest::qWaitForWindowExposed(&view) || !view.context() || !view.context()->isValid())
        GTEST_SKIP() << "no OpenGL on this display";
    view.doneCurrent();
    const auto strings = queryOpenGlStrings(&view);
    ASSERT_TRUE(strings);
    EXPECT_FALSE(strings->renderer.empty());
    EXPECT_FALSE(strings->version.empty());
    EXPECT_EQ(QOpenGLContext::currentContext(), nullptr);

    // A context current before the question is current after it.
    view.makeCurrent();
    QOpenGLContext* before = QOpenGLContext::currentContext();
    ASSERT_TRUE(queryOpenGlStrings(nullptr));
    EXPECT_EQ(QOpenGLContext::currentContext(), before);
    view.doneCurrent();

    ContextFixture f;
    AboutBox box(f.context, &view);
    box.show();
    const QString info = paneText(box, "SystemInfoMemo");
    EXPECT_TRUE(info.contains("Renderer:\n" + QString::fromStdString(strings->renderer) + "\n"));
    EXPECT_TRUE(info.contains("OpenGL Version:\nFilename = ")) << "a context brings its library";
}

#ifdef __linux__
TEST(SystemProbesTest, LinuxTellsItsMemoryAndTheLoadedLibrariesWithTheirVersions) {
    const auto memory = readMemoryStatus();
    ASSERT_TRUE(memory);
    EXPECT_GT(memory->totalKilobytes, 0u);
    ASSERT_TRUE(memory->loadPercent);

    // Qt itself is loaded: its file resolves to the full version, "6.x.y".
    const auto qt = loadedLibraries({"libQt6Core"});
    ASSERT_EQ(qt.size(), 1u);
    EXPECT_TRUE(qt[0].fileName.find("libQt6Core.so") != std::string::npos) << qt[0].fileName;
    EXPECT_EQ(qt[0].fileVersion.substr(0, 2), "6.") << qt[0].fileVersion;
    EXPECT_EQ(std::count(qt[0].fileVersion.begin(), qt[0].fileVersion.end(), '.'), 2)
        << qt[0].fileVersion;
    EXPECT_TRUE(loadedLibraries({"libNoSuchLibraryAnywhere"}).empty());
}
#endif

// ---------------------------------------------------------------- tool tips

namespace {

class ToolTipCounter : public QWidget {
  public:
    int toolTips = 0;

  protected:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::ToolTip) ++toolTips;
        return QWidget::event(e);
    }
};

void askForToolTip(QWidget& widget) {
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), widget.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&widget, &help);
}

} // namespace

TEST(ToolTipsTest, SwitchedOffSwallowsToolTipsAndOnLetsThemThrough) {
    ToolTipsRestorer restore;
    setApplicationToolTips(true); // a main window of an earlier test switched them off
    ToolTipCounter widget;
    widget.setToolTip("A tip");
    widget.show();
    askForToolTip(widget);
    EXPECT_EQ(widget.toolTips, 1);

    setApplicationToolTips(false);
    setApplicationToolTips(false); // twice is still one switch
    askForToolTip(widget);
    EXPECT_EQ(widget.toolTips, 1);

    setApplicationToolTips(true);
    askForToolTip(widget);
    EXPECT_EQ(widget.toolTips, 2);
    setApplicationToolTips(true);
    askForToolTip(widget);
    EXPECT_EQ(widget.toolTips, 3);
}
