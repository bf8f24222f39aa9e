// The main window's meter status and settings dialogs.

#include "ui/mainwindow.h"
#include "ui_mainwindow.h"

#include "app/uartdatastore.h"
#include "ui/dialogseam.h"
#include "ui/sounddeviceinfodialog.h"
#include "ui/systemsettingsdialog.h"
#include "view/mytracer.h"

// Without a connected meter there is no status to show, and the user is told
// so: MeterLog opens records from files and has no meter link.
void MainWindow::OpenDeviceInfoSlot()
{
    if (!UartData.Connected) {
        ShowMessage(tr("Meter Status"),
                    tr("No meter is connected. MeterLog shows records opened from files; it "
                       "does not connect to meters."));
        return;
    }
    SoundDeviceInfoDialog dialog(nullptr);
    DialogSeam::Exec(dialog);
}

// Accepted settings may have switched the hover tip on or off.
void MainWindow::OpenSystemSettingsSlot()
{
    SystemSettingsDialog dialog(this);
    if (DialogSeam::Exec(dialog) != QDialog::Accepted)
        return;
    Tracer->setVisible(UartData.Show_TIP);
    RedrawReadout();
    ui->widgetGraph->replot(QCustomPlot::rpRefreshHint);
}
