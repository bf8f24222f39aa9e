#include "export/saveas.h"

#include "export/exportcontent.h"

SaveAsFormat SaveAsFormatFor(const QString &fileName)
{
    const QString ending = fileName.right(3);
    if (ending.compare(QLatin1String("txt"), Qt::CaseInsensitive) == 0)
        return SaveAsFormat::Txt;
    if (ending.compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0)
        return SaveAsFormat::Pdf;
    if (ending.compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0)
        return SaveAsFormat::Csv;
    return SaveAsFormat::None;
}

JobOutcome NoSaveAsFormatOutcome()
{
    return JobOutcome::Nothing(ExportTr(QT_TRANSLATE_NOOP(
        "Thread", "Save as writes files whose names end in txt, pdf or csv.")));
}
