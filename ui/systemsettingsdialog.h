#ifndef SYSTEMSETTINGSDIALOG_H
#define SYSTEMSETTINGSDIALOG_H

// The display settings of the program: hover tip, alarm lines, the five
// curve colours, the language of the next start and the date order. OK
// stores them in the data store, saves the configuration and has the main
// window show the record on show with them. Colours chosen in the dialog are
// its own until OK puts them in force; Cancel, Escape and the title bar's
// close change nothing.

#include <QColor>
#include <QDialog>

#include <array>

class MainWindow;
class QPushButton;
class TitleBar;
class Ui_SystemSettingsDialog;

class SystemSettingsDialog : public QDialog
{
    Q_OBJECT

public:
    // parent is the main window, on which OK refreshes the record's views.
    explicit SystemSettingsDialog(QWidget *parent);
    ~SystemSettingsDialog() override;

public slots:
    void SetColor1();
    void SetColor2();
    void SetColor3();
    void SetColor4();
    void SetColor5();
    void OKSlots();
    void PushButtonCloseSlot();

private:
    void InitTitleBar();
    void LoadSettings();
    void ShowSingleColourRow();
    void FillLanguages();
    void SelectLanguageInForce();
    void SelectDateOrder();
    void ChooseColor(int channel);
    std::array<QPushButton *, 5> Swatches() const;
    void StoreSettings();
    void SaveSettings();

    TitleBar *DialogTitleBar = nullptr;
    Ui_SystemSettingsDialog *ui = nullptr;
    MainWindow *ParentWindow = nullptr;
    std::array<QColor, 5> ChosenColors;   // the swatches, put in force by OK
};

#endif // SYSTEMSETTINGSDIALOG_H
