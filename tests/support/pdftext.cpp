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

int PdfImageCount(const QString &path)
{
    const QStringList lines = Run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path})
                                  .split(QLatin1Char('\n'));
    int images = 0;
    for (const QString &line : lines)
        images += line.contains(QLatin1String(" image "));
    return images;
}
