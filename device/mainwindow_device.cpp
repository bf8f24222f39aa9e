// What the rest of the program needs of the meter side: the model index of
// an identified meter and the one-second clock.

#include "ui/mainwindow.h"
#include "ui_mainwindow.h"

#include "app/uartdatastore.h"
#include "device/modelindex.h"
#include "view/mytracer.h"

void MainWindow::ClassifyModel()
{
    UartData.ModelIndex = ModelIndexFor(UartData.MeterModel, UartData.ModelIndex);
}

void MainWindow::Timer1SSlot()
{
    ui->dateTimeEditTimeSound->setDateTime(QDateTime::currentDateTime());
    if (TracerShowDelay != 0 && --TracerShowDelay == 0) {
        Tracer->setVisible(UartData.Show_TIP);
        RedrawReadout();
    }
}
