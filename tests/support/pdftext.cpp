#include "tests/support/pdftext.h"

#include <QProcess>
#include <QStringList>

namespace {

QString Run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

QString PdfInfoLine(const QString &path, const QString &key)
{
    const QStringList lines = Run(QStringLiteral("pdfinfo"), {path}).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        if (line.startsWith(key + QLatin1Char(':')))
            return line.mid(key.size() + 1).trimmed();
    }
    return QString();
}

int PdfPageCount(const QString &path)
{
    return PdfInfoLine(path, QStringLiteral("Pages")).toInt();
}

QString PdfPageText(const QString &path, int page)
{
    return Run(QStringLiteral("pdftotext"),
               {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(page),
                QStringLiteral("-l"), QString::number(page), path, QStringLiteral("-")});
}

namespace {

QStringList ImageLines(const QString &path)
{
    QStringList images;
    const QStringList lines = Run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path})
                                  .split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        if (line.contains(QLatin1String(" image ")))
            images.append(line);
    }
    return images;
}

} // namespace

int PdfImageCount(const QString &path)
{
    return ImageLines(path).size();
}

// page num type width height color comp bpc enc interp object ID x-ppi y-ppi ...
QVector<double> PdfImageWidthsInches(const QString &path)
{
    QVector<double> widths;
    for (const QString &line : ImageLines(path)) {
        const QStringList fields = line.simplified().split(QLatin1Char(' '));
        if (fields.size() > 12)
            widths.append(fields.at(3).toDouble() / fields.at(12).toDouble());
    }
    return widths;
}
