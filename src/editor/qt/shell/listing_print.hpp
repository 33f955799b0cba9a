#pragma once
// The printed project listing: plain text lines in Courier New, 9 points, as
// many to a page as the printer's page height takes. The page layout works on
// any QPrinter, so a PDF printer shows what paper would get.

#include <QFont>
#include <QList>
#include <QStringList>

#include <string>
#include <vector>

class QPrinter;

namespace meshsmith {

// Courier New, 9 points; a fixed-pitch face takes its place where it is missing.
QFont listingPrintFont();

struct ListingPageSize {
    int linesPerPage = 1;
    int charactersPerLine = 1;
};

// How many listing lines fit one page of `printer`, and how many characters
// one line (both at least 1, however small the page).
ListingPageSize listingPageSize(QPrinter& printer);

// The lines cut into pages; lines longer than a page is wide go on in the
// next line rather than off the paper. No lines give no pages.
QList<QStringList> listingPages(const std::vector<std::string>& lines, ListingPageSize size);

// Prints the lines on `printer`, which is set up already (after the print
// dialog, or as a PDF file). The number of pages printed; 0 when there was
// nothing to print or the printer could not be started.
int printListingLines(const std::vector<std::string>& lines, QPrinter& printer);

} // namespace meshsmith
