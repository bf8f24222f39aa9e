// The main window's meter status and settings dialogs.

#include "ui/mainwindow.h"
#include "ui_mainwindow.h"

#include "app/uartdatastore.h"
#include "ui/dialogseam.h"
#include "ui/sounddeviceinfodialog.h"
#include "ui/systemsettingsdialog.h"
#include "view/mytracer.h"

// Without a connected meter there is no status to show.
void MainWindow::OpenDeviceInfoSlot()
{
    if (!UartData.Connected)
        return;
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
