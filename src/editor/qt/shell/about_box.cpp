#include "editor/qt/shell/about_box.hpp"

#include "editor/core/shell/system_information.hpp"
#include "editor/qt/shell/about_picture.hpp"
#include "editor/qt/shell/help_commands.hpp"
#include "editor/qt/shell/system_facts.hpp"
#include "model/product.hpp"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <functional>

namespace meshsmith {
namespace {

// A text that acts like a web link: hand cursor, link colour, a click runs
// `onClick`; reached with Tab, Enter or Space runs it too.
class LinkLabel : public QLabel {
  public:
    LinkLabel(const QString& text, std::function<void()> onClick, QWidget* parent)
        : QLabel(text, parent), onClick_(std::move(onClick)) {
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::StrongFocus);
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        QFont underlined = font();
        underlined.setUnderline(true);
        setFont(underlined);
        QPalette linkColour = palette();
        linkColour.setColor(QPalette::WindowText, linkColour.color(QPalette::Link));
        setPalette(linkColour);
    }

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            onClick_();
        QLabel::mouseReleaseEvent(event);
    }
    void keyPressEvent(QKeyEvent* event) override {
        const int key = event->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) return onClick_();
        QLabel::keyPressEvent(event);
    }

  private:
    std::function<void()> onClick_;
};

QLabel* titleLabel(QWidget* parent) {
    auto* title = new QLabel(QString("%1 %2").arg(kProductName, kVersionText), parent);
    title->setObjectName("ProductLabel");
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    title->setFont(big);
    return title;
}

} // namespace

AboutBox::AboutBox(EditorContext& context, QWidget* view, QWidget* parent)
    : QDialog(parent), view_(view), info_(new QPlainTextEdit(this)) {
    setObjectName("AboutBox");
    setWindowTitle("About");
    setModal(true);

    auto* picture = new QLabel(this);
    picture->setObjectName("PictureLabel");
    picture->setPixmap(aboutPicture(128));
    picture->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    auto* web = new LinkLabel(kUserGuideLink, [&context] { openOnlineHelp(context); }, this);
    web->setObjectName("WebLabel");
    auto* mail = new LinkLabel(
        kContactMailAddress, [&context] { openTarget(context, contactMailLink()); }, this);
    mail->setObjectName("MailLabel");

    auto* texts = new QVBoxLayout;
    texts->addWidget(titleLabel(this));
    texts->addWidget(new QLabel("Objects for Grand Prix Legends", this));
    texts->addStretch();
    texts->addWidget(web);
    texts->addWidget(mail);
    auto* header = new QHBoxLayout;
    header->addWidget(picture);
    header->addSpacing(12);
    header->addLayout(texts, 1);

    info_->setObjectName("SystemInfoMemo");
    info_->setReadOnly(true);
    info_->setLineWrapMode(QPlainTextEdit::NoWrap);
    info_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("OKButton");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addWidget(new QLabel("System Information:", this));
    layout->addWidget(info_);
    layout->addWidget(buttons);
    resize(560, 520);
}

void AboutBox::showEvent(QShowEvent* event) {
    QStringList lines;
    for (const std::string& line : systemInformationLines(gatherSystemFacts(view_.data())))
        lines << QString::fromStdString(line);
    info_->setPlainText(lines.join('\n'));
    info_->moveCursor(QTextCursor::Start);
    QDialog::showEvent(event);
}

} // namespace meshsmith
