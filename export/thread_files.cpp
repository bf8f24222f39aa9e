// The worker's file jobs besides the PDF summary report: save as (TXT, PDF
// text table or CSV by the name's ending), the CSV of the shown section and
// the Excel workbooks of the whole record and of the shown section. Each
// keeps what became of its file for the completion dialog and always ends
// with its done signal. The section jobs write the Section handed over when
// they were asked for: the time-span query may move the shown section on
// the GUI thread meanwhile.

#include "export/thread.h"

#include "app/uartdatastore.h"
#include "export/csvexport.h"
#include "export/excelexport.h"
#include "export/pdftextexport.h"
#include "export/saveas.h"
#include "export/txtexport.h"

void Thread::SaveExcelSectionWork()
{
    LastOutcome = WriteExcelSectionExport(UartData.ExportFileName, Section);
    emit SaveExcelSectionSotp();
}

void Thread::SaveExcelWork()
{
    LastOutcome = WriteExcelExport(UartData.ExportFileName);
    emit SaveExcelSotp();
}

void Thread::SaveCSVSectionWork()
{
    LastOutcome = WriteCsvSectionExport(UartData.ExportFileName, Section);
    emit SaveCSVSectionSotp();
}

void Thread::SaveAsfileWork()
{
    const QString name = UartData.ExportFileName;
    switch (SaveAsFormatFor(name)) {
    case SaveAsFormat::Txt: SaveAsTXTFile(name); break;
    case SaveAsFormat::Csv: SaveAsCSVFile(name); break;
    case SaveAsFormat::Pdf:
        // The PDF writer adds ".pdf" to a name without a suffix; the
        // completion dialog names and opens the file under that name.
        UartData.ExportFileName = PdfTextFileName(name);
        SaveAsPDFFile(name);
        break;
    case SaveAsFormat::None: LastOutcome = NoSaveAsFormatOutcome(); break;
    }
    emit SaveAsfileSotp();
}

void Thread::SaveAsTXTFile(QString fileName)
{
    LastOutcome = WriteTxtExport(fileName);
}

void Thread::SaveAsPDFFile(QString fileName)
{
    LastOutcome = WritePdfTextExport(fileName);
}

void Thread::SaveAsCSVFile(QString fileName)
{
    LastOutcome = WriteCsvExport(fileName);
}
