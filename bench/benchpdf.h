#ifndef BENCHPDF_H
#define BENCHPDF_H

// What the print benchmarks share: a printer that writes A4 pages into a PDF
// file, as the print dialog sets one up, and the page count of such a file
// (pdfinfo).

#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QString>

#include <memory>

inline std::unique_ptr<QPrinter> PdfPrinter(const QString &path)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::ScreenResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setOutputFileName(path);
    return printer;
}

inline int PdfPages(const QString &path)
{
    QProcess pdfinfo;
    pdfinfo.start(QStringLiteral("pdfinfo"), {path});
    pdfinfo.waitForFinished();
    const QString info = QString::fromLocal8Bit(pdfinfo.readAllStandardOutput());
    return info.section(QStringLiteral("Pages:"), 1)
        .section(QLatin1Char('\n'), 0, 0)
        .trimmed()
        .toInt();
}

#endif // BENCHPDF_H
