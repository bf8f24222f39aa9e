#include "ui/systemsettingsdialog.h"
#include "ui_systemsettingsdialog.h"

#include "app/uartdatastore.h"
#include "ui/dialogframe.h"
#include "ui/dialogseam.h"
#include "ui/mainwindow.h"
#include "ui/titlebar.h"

#include <QDir>
#include <QtDebug>

namespace {

// The first item of the language list, named in the form.
const QString FormLanguage = QStringLiteral("English");
constexpr int DayFirstOrder = 1;
constexpr int DateOrderCount = 3;

const char GroupBoxStyle[] =
    "QGroupBox{border:1px solid black;margin:0px 0px 0px 0px;padding:4px;margin-top:5ex;}"
    "            QGroupBox::title{            subcontrol-origin:margin;            padding:1px;}";

void SetSwatch(QPushButton *button, const QColor &colour)
{
    button->setStyleSheet(QStringLiteral("color:red;background-color:rgb(%1,%2,%3)")
                              .arg(colour.red())
                              .arg(colour.green())
                              .arg(colour.blue()));
}

} // namespace

SystemSettingsDialog::SystemSettingsDialog(QWidget *parent)
    : QDialog(parent, Qt::WindowFlags())
    , ui(new Ui_SystemSettingsDialog)
{
    ui->setupUi(this);
    setWindowTitle(tr("System Settings"));
    InitTitleBar();
    SetDefaultButton(this, ui->pushButtonok, {ui->pushButtoncancel});
    ParentWindow = qobject_cast<MainWindow *>(parent);
    qDebug() << "MeterType" << UartData.MeterType;
    connect(ui->pushButtonCorlor1, SIGNAL(clicked()), this, SLOT(SetColor1()));
    connect(ui->pushButtonCorlor2, SIGNAL(clicked()), this, SLOT(SetColor2()));
    connect(ui->pushButtonCorlor3, SIGNAL(clicked()), this, SLOT(SetColor3()));
    connect(ui->pushButtonCorlor4, SIGNAL(clicked()), this, SLOT(SetColor4()));
    connect(ui->pushButtonCorlor5, SIGNAL(clicked()), this, SLOT(SetColor5()));
    connect(ui->pushButtonok, SIGNAL(clicked()), this, SLOT(OKSlots()));
    connect(ui->pushButtoncancel, SIGNAL(clicked()), this, SLOT(reject()));
    LoadSettings();
}

SystemSettingsDialog::~SystemSettingsDialog()
{
    delete ui;
}

void SystemSettingsDialog::InitTitleBar()
{
    DialogTitleBar = CreateDialogTitleBar(this);
    connect(DialogTitleBar, &TitleBar::send_close, this, &QDialog::reject);
    DialogTitleBar->TitleLabel->setStyleSheet("color:rgb(255, 255, 255);");
    DialogTitleBar->SetTitleText(tr("System Options"), QFont(QStringLiteral("Arial"), 20));
    PlaceDialogTitleBar(DialogTitleBar, ui->widget);
}

void SystemSettingsDialog::LoadSettings()
{
    if (UartData.MeterType == 1)
        ShowSingleColourRow();
    const auto swatches = Swatches();
    for (int channel = 0; channel < UartDataStore::ChannelColorCount; ++channel) {
        ChosenColors[channel] = UartData.ChannelColor[channel];
        SetSwatch(swatches[channel], ChosenColors[channel]);
    }
    SelectDateOrder();
    ui->checkBoxDew->hide();
    ui->checkBoxID->hide();
    ui->checkBoxID->setChecked(UartData.TitleTrim);
    ui->checkBoxALM->setChecked(UartData.Show_ALM);
    ui->checkBoxTIP->setChecked(UartData.Show_TIP);
    ui->checkBoxDew->setChecked(UartData.ShowDewPoint);
    FillLanguages();
    ui->groupBoxOther->setStyleSheet(GroupBoxStyle);
    ui->groupBoxDisplay->setStyleSheet(GroupBoxStyle);
}

// Set up for the decibel meter alone: one curve, one colour.
void SystemSettingsDialog::ShowSingleColourRow()
{
    ui->labelCorlor1->setText(tr("Decibel Data"));
    for (QLabel *label : {ui->labelCorlor2, ui->labelCorlor3, ui->labelCorlor4, ui->labelCorlor5})
        label->hide();
    for (QPushButton *swatch : {ui->pushButtonCorlor2, ui->pushButtonCorlor3,
                                ui->pushButtonCorlor4, ui->pushButtonCorlor5})
        swatch->hide();
}

// The form's "English" first, then every scanned language but "English".
void SystemSettingsDialog::FillLanguages()
{
    for (int i = 0; i < UartData.LanguageCount; ++i) {
        const QString &name = UartData.Languages[i];
        if (name != FormLanguage)
            ui->comboBoxLanguage->addItem(name);
    }
    SelectLanguageInForce();
}

// The first item shows "English" translated; the others are file names.
void SystemSettingsDialog::SelectLanguageInForce()
{
    for (int i = 1; i < ui->comboBoxLanguage->count(); ++i) {
        if (ui->comboBoxLanguage->itemText(i) == UartData.Language) {
            ui->comboBoxLanguage->setCurrentIndex(i);
            return;
        }
    }
    ui->comboBoxLanguage->setCurrentIndex(0);
}

// An order the list does not offer is shown as day first, so OK never
// stores an order without a date format.
void SystemSettingsDialog::SelectDateOrder()
{
    const int order = UartData.Dateformat;
    ui->comboBoxTime->setCurrentIndex(order >= 0 && order < DateOrderCount ? order
                                                                            : DayFirstOrder);
}

std::array<QPushButton *, 5> SystemSettingsDialog::Swatches() const
{
    return {ui->pushButtonCorlor1, ui->pushButtonCorlor2, ui->pushButtonCorlor3,
            ui->pushButtonCorlor4, ui->pushButtonCorlor5};
}

// The chooser opens at white. A choice shows on its swatch and comes into
// force with OK; closing the chooser without a choice keeps the channel's
// colour.
void SystemSettingsDialog::ChooseColor(int channel)
{
    const QColor chosen = DialogSeam::GetColor(Qt::white, nullptr, QString());
    if (!chosen.isValid())
        return;
    ChosenColors[channel] = chosen;
    SetSwatch(Swatches()[channel], chosen);
}

void SystemSettingsDialog::SetColor1() { ChooseColor(0); }
void SystemSettingsDialog::SetColor2() { ChooseColor(1); }
void SystemSettingsDialog::SetColor3() { ChooseColor(2); }
void SystemSettingsDialog::SetColor4() { ChooseColor(3); }
void SystemSettingsDialog::SetColor5() { ChooseColor(4); }

void SystemSettingsDialog::StoreSettings()
{
    UartData.TitleTrim = ui->checkBoxID->isChecked();
    UartData.Show_ALM = ui->checkBoxALM->isChecked();
    UartData.Show_TIP = ui->checkBoxTIP->isChecked();
    UartData.ShowDewPoint = ui->checkBoxDew->isChecked();
    const int language = ui->comboBoxLanguage->currentIndex();
    UartData.Language = language <= 0 ? FormLanguage : ui->comboBoxLanguage->currentText();
    UartData.Dateformat = ui->comboBoxTime->currentIndex();
    for (int channel = 0; channel < UartDataStore::ChannelColorCount; ++channel)
        UartData.ChannelColor[channel] = ChosenColors[channel];
}

// A failed save is told; the settings stay in force until the program ends.
void SystemSettingsDialog::SaveSettings()
{
    QString error;
    if (!UartData.SaveConfig(&error) && ParentWindow)
        ParentWindow->ShowMessage(
            tr("Error"), tr("The settings could not be saved in %1: %2. They apply until the "
                            "program is closed.")
                             .arg(QDir::toNativeSeparators(UartDataStore::ConfigFilePath()), error));
}

// Refused while a job runs, since the job reads the date format, the
// statistics and the chart image that OK rebuilds. The save comes before the
// refresh: it derives the date-time format that the refresh uses.
void SystemSettingsDialog::OKSlots()
{
    if (ParentWindow && ParentWindow->RefuseWhileJobRuns())
        return;
    StoreSettings();
    SaveSettings();
    if (ParentWindow) {
        ParentWindow->ApplyDateFormat();
        ParentWindow->RefreshDataView();
    }
    accept();
}

void SystemSettingsDialog::PushButtonCloseSlot()
{
    reject();
}
