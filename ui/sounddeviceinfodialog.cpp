#include "ui/sounddeviceinfodialog.h"
#include "ui_sounddeviceinfodialog.h"

#include "app/derivedquantities.h"
#include "app/uartdatastore.h"
#include "report/reporttext.h"
#include "ui/dialogframe.h"
#include "ui/titlebar.h"

#include <QPixmap>

#include <iterator>

namespace {

// Model indexes of the connected meter (MainWindow::ClassifyModel).
constexpr int CurrentLoggerIndex = 4;
constexpr int VoltageLoggerIndex = 5;
constexpr int DecibelMeterIndex = 8;
constexpr int LightMeterIndex = 9;
// A model code of the light family, whose periods count half seconds.
constexpr int LightFamilyModel = 5300;
constexpr int NoPeriod = -1;

struct RateEntry {
    int seconds;       // period of the other meters
    int halfSeconds;   // period of a light meter
    const char *text;
};

// 43224 is the 24-hour setting of every meter; 43212 the 12-hour one of the
// light meters.
constexpr RateEntry Rates[] = {
    {NoPeriod, 1, QT_TRANSLATE_NOOP("SoundDeviceInfoDialog", "0.5S")},
    {1, 2, QT_TRANSLATE_NOOP("SoundDeviceInfoDialog", "1S")},
    {2, 4, QT_TRANSLATE_NOOP("SoundDeviceInfoDialog", "2S")},
    {5, 10, QT_TRANSLATE_NOOP("SoundDeviceInfoDialog", "5S")},
    {10, 20, QT_TRANSLATE_NOOP("SoundDeviceInfoDialog", "10S")},
    {20, 40, QT_TRANSLATE_NOOP("SoundDeviceInfoDialog", "20S")},
    {30, 60, QT_TRANSLATE_NOOP("SoundDeviceInfoDialog", "30S")},
    {60, 120, QT_TRANSLATE_NOOP("SoundDeviceInfoDialog", "1min")},
    {120, 240, QT_TRANSLATE_NOOP("SoundDeviceInfoDialog", "2min")},
    {300, 600, QT_TRANSLATE_NOOP("SoundDeviceInfoDialog", "5min")},
    {600, 1200, QT_TRANSLATE_NOOP("SoundDeviceInfoDialog", "10min")},
    {1800, 3600, QT_TRANSLATE_NOOP("SoundDeviceInfoDialog", "30min")},
    {3600, 7200, QT_TRANSLATE_NOOP("SoundDeviceInfoDialog", "1h")},
    {7200, 14400, QT_TRANSLATE_NOOP("SoundDeviceInfoDialog", "2h")},
    {21600, 43200, QT_TRANSLATE_NOOP("SoundDeviceInfoDialog", "6h")},
    {43200, UartDataStore::LightPeriod12Hours, QT_TRANSLATE_NOOP("SoundDeviceInfoDialog", "12h")},
    {UartDataStore::Period24Hours, UartDataStore::Period24Hours,
     QT_TRANSLATE_NOOP("SoundDeviceInfoDialog", "24h")},
};

const char *const StartModes[] = {
    QT_TRANSLATE_NOOP("SoundDeviceInfoDialog", "By Button"),
    QT_TRANSLATE_NOOP("SoundDeviceInfoDialog", "Immediate Start"),
    QT_TRANSLATE_NOOP("SoundDeviceInfoDialog", "Scheduled Start"),
};

bool IsLightMeter()
{
    return UartData.ModelIndex == LightMeterIndex;
}

// The first alarm pair of a model: its captions, its limits in the shown
// unit and the unit written behind each limit.
struct AlarmRow {
    const char *low;
    const char *high;
    AlarmPair limits;
    QString unit;
};

AlarmRow TemperatureRow(const QString &unit)
{
    const bool fahrenheit = UartData.AltUnit;
    const AlarmPair shown{Quantities::TemperatureToShown(UartData.TempAlarm.Low, fahrenheit),
                          Quantities::TemperatureToShown(UartData.TempAlarm.High, fahrenheit)};
    return {QT_TRANSLATE_NOOP("SoundDeviceInfoDialog", "Low Alarm(Temperature):"),
            QT_TRANSLATE_NOOP("SoundDeviceInfoDialog", "High Alarm(Temperature):"), shown, unit};
}

// False for a model index without alarm rows of its own.
bool FirstAlarmRow(int modelIndex, AlarmRow *row)
{
    const QString unitLabel = UartData.TemperatureUnitLabel();   // "(℃)" or "(℉)"
    switch (modelIndex) {
    case 0: case 1: case 6: case 7:
        *row = TemperatureRow(unitLabel);
        return true;
    case 2: case 3:
        *row = TemperatureRow(unitLabel.mid(1, 1));
        return true;
    case CurrentLoggerIndex:
        *row = {QT_TRANSLATE_NOOP("SoundDeviceInfoDialog", "Low Alarm(Current):"),
                QT_TRANSLATE_NOOP("SoundDeviceInfoDialog", "High Alarm(Current):"),
                UartData.CurrentAlarm, QStringLiteral("(mA)")};
        return true;
    case VoltageLoggerIndex:
        *row = {QT_TRANSLATE_NOOP("SoundDeviceInfoDialog", "Low Alarm(Voltage):"),
                QT_TRANSLATE_NOOP("SoundDeviceInfoDialog", "High Alarm(Voltage):"),
                UartData.VoltageAlarm, QStringLiteral("(mV)")};
        return true;
    case DecibelMeterIndex:
        *row = {QT_TRANSLATE_NOOP("SoundDeviceInfoDialog", "Low Alarm(Sound):"),
                QT_TRANSLATE_NOOP("SoundDeviceInfoDialog", "High Alarm(Sound):"),
                UartData.DecibelAlarm, QStringLiteral("dB")};
        return true;
    case LightMeterIndex:
        *row = {QT_TRANSLATE_NOOP("SoundDeviceInfoDialog", "Low Alarm(Light):"),
                QT_TRANSLATE_NOOP("SoundDeviceInfoDialog", "High Alarm(Light):"),
                UartData.LightAlarm, QStringLiteral("Lux")};
        return true;
    default:
        return false;
    }
}

bool ShowsHumidityRow(int modelIndex)
{
    return modelIndex == 2 || modelIndex == 3 || modelIndex == 7;
}

bool ShowsFirmwareRow(int modelIndex)
{
    return modelIndex != 6 && modelIndex != 7;
}

QString LimitText(double limit, const QString &unit)
{
    return QString::number(limit, 'f', 1) + unit;
}

} // namespace

SoundDeviceInfoDialog::SoundDeviceInfoDialog(QWidget *parent)
    : QDialog(parent, Qt::WindowFlags())
    , ui(new Ui_SoundDeviceInfoDialog)
{
    ui->setupUi(this);
    setWindowTitle(tr("Device Information"));
    InitTitleBar();
    SetDefaultButton(this, ui->pushButtonClose);
    ShowPicture();
    connect(ui->pushButtonClose, SIGNAL(clicked()), this, SLOT(accept()));
    FillStartModeFields();
}

SoundDeviceInfoDialog::~SoundDeviceInfoDialog()
{
    delete ui;
}

// The title keeps the bar's own style and takes the font given here.
void SoundDeviceInfoDialog::InitTitleBar()
{
    DialogTitleBar = CreateDialogTitleBar(this);
    connect(DialogTitleBar, &TitleBar::send_close, this, &SoundDeviceInfoDialog::PushButtonCloseSlot);
    DialogTitleBar->SetTitleText(tr("Device Information"), QFont(QStringLiteral("Arial"), 24));
    PlaceDialogTitleBar(DialogTitleBar, ui->widget);
}

// A missing picture leaves the label empty.
void SoundDeviceInfoDialog::ShowPicture()
{
    const QPixmap picture(QStringLiteral("Icon/info.png"));
    ui->labelIcon->setScaledContents(true);
    ui->labelIcon->setPixmap(
        picture.isNull() ? QPixmap()
                         : picture.scaled(ui->labelIcon->size(), Qt::KeepAspectRatio,
                                          Qt::FastTransformation));
}

void SoundDeviceInfoDialog::PushButtonCloseSlot()
{
    accept();
}

void SoundDeviceInfoDialog::FillStartModeFields()
{
    ui->labelName->setText(UartData.MeterName);
    ui->labelID->setText(UartData.DeviceID);
    ui->labelVersion->setText(UartData.FirmwareVersion);
    FillAlarmFields();
    const int mode = UartData.StartMode;
    if (mode >= 0 && mode < int(std::size(StartModes)))
        ui->labelStartMode->setText(tr(StartModes[mode]));
    ui->labelRate->setText(SamplingRateText());
    ui->labelTime->setText(RecordingTimeText());
}

// The text of the period's table entry; a period the table does not hold
// gives an empty text.
QString SoundDeviceInfoDialog::SamplingRateText() const
{
    const int period = UartData.SamplePeriod;
    if (period <= 0)
        return QString();
    for (const RateEntry &entry : Rates) {
        if ((IsLightMeter() ? entry.halfSeconds : entry.seconds) == period)
            return tr(entry.text);
    }
    return QString();
}

// Days, hours and minutes of ExpectedNum periods; seconds are dropped.
QString SoundDeviceInfoDialog::RecordingTimeText() const
{
    const qint64 seconds = RecordingSeconds(IsLightMeter() ? LightFamilyModel : 0,
                                            UartData.ExpectedNum, UartData.SamplePeriod);
    const SpanParts span = SplitSpan(seconds);
    return QString::number(span.Days) + tr(" Days ") + QString::number(span.Hours)
           + tr(" Hours ") + QString::number(span.Minutes) + tr(" Minutes");
}

// Temperature limits are shown in the unit their label names.
void SoundDeviceInfoDialog::FillAlarmFields()
{
    QLabel *const humidityRows[] = {ui->labelLowAlarm2, ui->labelLowAlarmValue2,
                                    ui->labelHighAlarm2, ui->labelHighAlarmValue2};
    for (QLabel *label : humidityRows)
        label->hide();
    const int index = UartData.ModelIndex;
    AlarmRow row;
    if (!FirstAlarmRow(index, &row))
        return;   // the form's captions and values stay
    ui->labelLowAlarm1->setText(tr(row.low));
    ui->labelHighAlarm1->setText(tr(row.high));
    ui->labelLowAlarmValue1->setText(LimitText(row.limits.Low, row.unit));
    ui->labelHighAlarmValue1->setText(LimitText(row.limits.High, row.unit));
    if (ShowsHumidityRow(index)) {
        ui->labelLowAlarm2->setText(tr("Low Alarm(Humidity):"));
        ui->labelHighAlarm2->setText(tr("High Alarm(Humidity):"));
        ui->labelLowAlarmValue2->setText(LimitText(UartData.HumAlarm.Low, QStringLiteral("%RH")));
        ui->labelHighAlarmValue2->setText(LimitText(UartData.HumAlarm.High, QStringLiteral("%RH")));
        for (QLabel *label : humidityRows)
            label->show();
    }
    if (!ShowsFirmwareRow(index)) {
        ui->labelFirmware->hide();
        ui->labelVersion->hide();
    }
}
