#include "export/saveas.h"

#include "export/csvexport.h"
#include "export/exportcontent.h"
#include "export/pdftextexport.h"
#include "export/txtexport.h"

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

JobOutcome WriteSaveAsFile(const QString &fileName)
{
    switch (SaveAsFormatFor(fileName)) {
    case SaveAsFormat::Txt: return WriteTxtExport(fileName);
    case SaveAsFormat::Pdf: return WritePdfTextExport(fileName);
    case SaveAsFormat::Csv: return WriteCsvExport(fileName);
    case SaveAsFormat::None: break;
    }
    return NoSaveAsFormatOutcome();
}
