#include "editor/qt/shell/listing_print.hpp"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>

namespace meshsmith {
namespace {

// Never cuts between the two halves of a surrogate pair.
int cutAt(const QString& text, int from, int width) {
    int end = std::min<int>(from + width, text.size());
    if (end < text.size() && end - from > 1 && text.at(end - 1).isHighSurrogate()) --end;
    return end;
}

QStringList wrapped(const QString& line, int width) {
    if (line.size() <= width) return {line};
    QStringList pieces;
    for (int from = 0; from < line.size();) {
        const int end = cutAt(line, from, width);
        pieces << line.mid(from, end - from);
        from = end;
    }
    return pieces;
}

} // namespace

QFont listingPrintFont() {
    QFont font("Courier New");
    font.setPointSizeF(9);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

ListingPageSize listingPageSize(QPrinter& printer) {
    const QFontMetricsF metrics(listingPrintFont(), &printer);
    const double lineHeight = std::max(metrics.lineSpacing(), 1.0);
    const double charWidth = std::max(metrics.horizontalAdvance(QLatin1Char('M')), 1.0);
    ListingPageSize size;
    size.linesPerPage = std::max(1, static_cast<int>(std::floor(printer.height() / lineHeight)));
    size.charactersPerLine = std::max(1, static_cast<int>(std::floor(printer.width() / charWidth)));
    return size;
}

QList<QStringList> listingPages(const std::vector<std::string>& lines, ListingPageSize size) {
    const int perPage = std::max(1, size.linesPerPage);
    const int width = std::max(1, size.charactersPerLine);
    QList<QStringList> pages;
    for (const std::string& line : lines)
        for (const QString& piece : wrapped(QString::fromStdString(line), width)) {
            if (pages.isEmpty() || pages.last().size() >= perPage) pages.append(QStringList());
            pages.last() << piece;
        }
    return pages;
}

int printListingLines(const std::vector<std::string>& lines, QPrinter& printer) {
    const QList<QStringList> pages = listingPages(lines, listingPageSize(printer));
    if (pages.isEmpty()) return 0;
    QPainter painter;
    if (!painter.begin(&printer)) return 0;
    painter.setFont(listingPrintFont());
    const QFontMetricsF metrics(painter.font(), &printer);
    int printed = 0;
    for (const QStringList& page : pages) {
        if (printed > 0 && !printer.newPage()) break;
        double baseline = metrics.ascent();
        for (const QString& line : page) {
            painter.drawText(QPointF(0, baseline), line);
            baseline += metrics.lineSpacing();
        }
        ++printed;
    }
    painter.end();
    return printed;
}

} // namespace meshsmith
