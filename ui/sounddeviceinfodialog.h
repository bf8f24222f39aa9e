#ifndef SOUNDDEVICEINFODIALOG_H
#define SOUNDDEVICEINFODIALOG_H

// The read-only status window of the connected meter: its picture, name and
// ID, sampling rate, recording time, start mode, alarm limits in the form
// that fits its model, and firmware version. Everything is read from the
// data store once, while the dialog is built.

#include <QDialog>

class TitleBar;
class Ui_SoundDeviceInfoDialog;

class SoundDeviceInfoDialog : public QDialog
{
    Q_OBJECT

public:
    explicit SoundDeviceInfoDialog(QWidget *parent = nullptr);
    ~SoundDeviceInfoDialog() override;

    void FillStartModeFields();
    void FillAlarmFields();

public slots:
    void PushButtonCloseSlot();

private:
    void InitTitleBar();
    void ShowPicture();
    QString SamplingRateText() const;
    QString RecordingTimeText() const;

    TitleBar *DialogTitleBar = nullptr;
    Ui_SoundDeviceInfoDialog *ui = nullptr;
};

#endif // SOUNDDEVICEINFODIALOG_H
