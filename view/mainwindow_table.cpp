// The data list tab: one row per sample of the shown range, the record
// statistics, and the time-span query. The statistics are those of the whole
// record: a table rebuild computes them, the query only moves the shown range
// and refills the list (an export job may be reading the statistics on the
// worker thread meanwhile).

#include "ui/mainwindow.h"
#include "ui_mainwindow.h"

#include <QDateTimeEdit>
#include <QHeaderView>
#include <QStyleOptionViewItem>

#include "app/modelfamily.h"
#include "app/textformat.h"
#include "app/uartdatastore.h"
#include "view/captions.h"
#include "view/datalist.h"
#include "view/recordstatistics.h"

void MainWindow::UpdateDataTable()
{
    if (FillDataList())
        ComputeRecordStatistics();
}

bool MainWindow::FillDataList()
{
    QTableWidget *table = ui->tableWidgetDataList;
    if (!UartData.RecordShown) {
        table->hide();
        return false;
    }
    table->show();
    table->clear();
    table->setRowCount(0);
    ShowSpanInEditors();
    switch (ListKindFor(UartData.RECModel)) {
    case ListKind::Decibel: InitDecibelTable(); break;
    case ListKind::Logger: InitLoggerTable(); break;
    case ListKind::Channel: InitChannelTable(); break;
    case ListKind::None:
        TableHeaders.clear();
        table->setColumnCount(0);
        break;
    }
    table->scrollToTop();
    return true;
}

void MainWindow::ComputeRecordStatistics()
{
    const int model = UartData.RECModel;
    switch (ListKindFor(model)) {
    case ListKind::Decibel: ComputeDecibelStatistics(UartData); break;
    case ListKind::Logger: ComputeLoggerStatistics(UartData); break;
    case ListKind::Channel:
        if (ModelRecordsProbes(model))
            ComputeProbeStatistics(UartData);
        else if (model == 3709)
            ComputeCurrentStatistics(UartData);
        else if (model == 3710)
            ComputeVoltageStatistics(UartData);
        else if (UartDataStore::Family(model) == 53)
            ComputeLightStatistics(UartData);
        else
            ComputeLoggerStatistics(UartData);
        break;
    case ListKind::None: break;
    }
}

// The span editors show the first and last sample on the list; a list without
// samples shows the record's creation time, not the times of the record before.
void MainWindow::ShowSpanInEditors()
{
    QDateTimeEdit *from = ui->dateTimeEditFrom;
    QDateTimeEdit *to = ui->dateTimeEditTo;
    if (UartData.ShowEnd > UartData.ShowStart) {
        from->setDateTime(UartData.SampleTime[UartData.ShowStart]);
        to->setDateTime(UartData.SampleTime[UartData.ShowEnd - 1]);
        return;
    }
    const QDateTime created =
        QDateTime::fromString(UartData.RECCreateTime, QStringLiteral("yyyy-MM-dd hh:mm"));
    from->setDateTime(created.isValid() ? created : from->minimumDateTime());
    to->setDateTime(created.isValid() ? created : to->minimumDateTime());
}

void MainWindow::InitDecibelTable()
{
    const QVector<ListColumn> columns = DecibelListColumns(UartData);
    InitListTable(columns);
    FillDecibelTable();
}

void MainWindow::FillDecibelTable()
{
    FillListRows(DecibelListColumns(UartData));
}

void MainWindow::InitLoggerTable()
{
    InitListTable(LoggerListColumns(UartData));
    FillLoggerTable();
}

void MainWindow::FillLoggerTable()
{
    FillListRows(LoggerListColumns(UartData));
}

void MainWindow::InitChannelTable()
{
    InitListTable(ChannelListColumns(UartData));
    FillChannelTable();
}

void MainWindow::FillChannelTable()
{
    FillListRows(ChannelListColumns(UartData));
}

void MainWindow::InitListTable(const QVector<ListColumn> &columns)
{
    QTableWidget *table = ui->tableWidgetDataList;
    table->clear();
    TableHeaders = QStringList{MainTr(Caption::Number), MainTr(Caption::Time)};
    for (const ListColumn &column : columns)
        TableHeaders << column.Header;
    // Columns first, while the list has no rows: a column count changed on
    // a list of rows is changed row by row, each moving every row after it.
    table->setRowCount(0);
    table->setColumnCount(TableHeaders.size());
    table->setRowCount(UartData.ShowEnd - UartData.ShowStart);
    QFont headerFont(QStringLiteral("Arial"), 14, QFont::Bold, false);
    table->horizontalHeader()->setFont(headerFont);
    table->setHorizontalHeaderLabels(TableHeaders);
    table->setShowGrid(false);
    table->setFrameShape(QFrame::NoFrame);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
}

namespace {
// A list cell: its text, always centred. The alignment is answered rather
// than stored, which spares every one of the list's cells an allocation.
class CentredItem : public QTableWidgetItem
{
public:
    explicit CentredItem(const QString &text) : QTableWidgetItem(text) {}
    QVariant data(int role) const override
    {
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignCenter);
        return QTableWidgetItem::data(role);
    }
    QTableWidgetItem *clone() const override { return new CentredItem(*this); }
};

// Makes the column at least as wide as the cell of the given row needs.
void WidenColumnToRow(QTableWidget *table, int column, int row)
{
    QStyleOptionViewItem option;
    option.initFrom(table);
    option.font = table->font();
    option.widget = table;
    const QModelIndex cell = table->model()->index(row, column);
    const int width = table->itemDelegate()->sizeHint(option, cell).width()
                      + (table->showGrid() ? 1 : 0);
    if (width > table->columnWidth(column))
        table->setColumnWidth(column, width);
}
} // namespace

void MainWindow::FillListRows(const QVector<ListColumn> &columns)
{
    QTableWidget *table = ui->tableWidgetDataList;
    const int start = UartData.ShowStart;
    const int end = UartData.ShowEnd;
    const SampleTimeWriter times = SampleTimeWriter::ForShownRecord(UartData);
    QAbstractItemModel *model = table->model();
    table->setUpdatesEnabled(false);
    {
        // One change notice for the whole list instead of one per cell.
        const QSignalBlocker quiet(model);
        for (int i = start; i < end; ++i) {
            const int row = i - start;
            table->setItem(row, 0, new CentredItem(QString::number(i + 1)));
            table->setItem(row, 1, new CentredItem(times.Text(i)));
            for (int c = 0; c < columns.size(); ++c)
                table->setItem(row, c + 2, new CentredItem(columns[c].Text(i)));
        }
    }
    if (end > start)
        emit model->dataChanged(model->index(0, 0),
                                model->index(end - start - 1, model->columnCount() - 1));
    table->setUpdatesEnabled(true);
    table->resizeColumnsToContents();
    // The sizing above measures the first rows only; the last row holds the
    // widest sample number.
    if (end > start)
        WidenColumnToRow(table, 0, end - start - 1);
}

void MainWindow::ApplyDateFormat()
{
    const QString format = UartData.DateTimeFormat;
    ui->dateTimeEditFrom->setDisplayFormat(format);
    ui->dateTimeEditTimeSound->setDisplayFormat(format);
    ui->dateTimeEditTo->setDisplayFormat(format);
    ui->dateTimeEditStartTimeSound->setDisplayFormat(format);
}

void MainWindow::PushButtonQuerySlot()
{
    const int count = UartData.Lognum;
    if (count == 0)
        return;  // nothing to narrow
    uint from = ui->dateTimeEditFrom->dateTime().toTime_t();
    uint to = ui->dateTimeEditTo->dateTime().toTime_t();
    const uint first = UartData.SampleTime[0].toTime_t();
    const uint last = UartData.SampleTime[count - 1].toTime_t();
    if (!(from <= to && from <= last && to >= first)) {
        ShowMessage(tr("Time error"), tr("Please input the correct time."));
        return;
    }
    from = qMax(from, first);
    to = qMin(to, last);

    const bool halfSeconds = UartData.ShowsHalfSeconds();
    int showStart = 0;
    int showEnd = 0;
    bool startFound = false;
    bool endFound = false;
    for (int i = 0; i < count && !(startFound && endFound); ++i) {
        const uint t = UartData.SampleTime[i].toTime_t();
        if (!startFound && t >= from) {
            showStart = i;
            startFound = true;
        }
        // Of several samples stamped exactly `to`, only the first is shown;
        // where the list shows half seconds, both samples of the `to` second
        // are rows of their own and both are shown.
        if (!endFound && (halfSeconds ? t > to : t >= to)) {
            showEnd = t == to ? i + 1 : i;
            endFound = true;
        }
    }
    if (halfSeconds && !endFound)
        showEnd = count;  // the `to` second is the record's last
    if (showEnd == showStart)
        showEnd = qMin(showStart + 60, count);
    UartData.ShowStart = showStart;
    UartData.ShowEnd = showEnd;
    FillDataList();
}
