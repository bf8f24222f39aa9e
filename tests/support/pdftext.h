#ifndef TESTS_SUPPORT_PDFTEXT_H
#define TESTS_SUPPORT_PDFTEXT_H

// What a PDF reader sees in a file, through poppler's tools: the page count
// (pdfinfo), the page size line and the text of one page laid out as on the
// page (pdftotext -layout). Empty results when the tool fails.

#include <QString>
#include <QVector>

int PdfPageCount(const QString &path);
QString PdfInfoLine(const QString &path, const QString &key);
QString PdfPageText(const QString &path, int page);
// The page's text with every run of white space made one blank.
inline QString PdfPageWords(const QString &path, int page)
{
    return PdfPageText(path, page).simplified();
}
// Number of pictures in the file (pdfimages -list).
int PdfImageCount(const QString &path);
// The printed width of each picture in inches, from its pixels and the
// resolution it is placed at (pdfimages -list).
QVector<double> PdfImageWidthsInches(const QString &path);

#endif // TESTS_SUPPORT_PDFTEXT_H
