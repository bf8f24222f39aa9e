#include "ui/qmessagedialog.h"

#include "ui/dialogframe.h"
#include "ui/titlebar.h"
#include "ui_qmessagedialog.h"

#include <QLabel>

QMessageDialog::QMessageDialog(QWidget *parent)
    : QDialog(parent, Qt::WindowFlags())
    , ui(new Ui_QMessageDialog)
{
    ui->setupUi(this);
    InitTitleBar();
    connect(ui->pushButtonOK, SIGNAL(clicked()), this, SLOT(accept()));
    connect(ui->pushButtonClose, SIGNAL(clicked()), this, SLOT(reject()));
}

QMessageDialog::~QMessageDialog()
{
    delete ui;
}

// The title text is white and takes its size from the font of SetTitleText.
void QMessageDialog::InitTitleBar()
{
    DialogTitleBar = CreateDialogTitleBar(this);
    connect(DialogTitleBar, &TitleBar::send_close, this, &QMessageDialog::PushButtonCloseSlot);
    DialogTitleBar->TitleLabel->setStyleSheet("color:rgb(255, 255, 255);");
    PlaceDialogTitleBar(DialogTitleBar, ui->widget);
}

void QMessageDialog::SetTitleText(const QString &text, QFont font)
{
    DialogTitleBar->SetTitleText(text, font);
}

void QMessageDialog::SetOKText(const QString &text, QFont font)
{
    ui->pushButtonOK->setFont(font);
    ui->pushButtonOK->setText(text);
}

void QMessageDialog::SetCloseText(const QString &text, QFont font)
{
    ui->pushButtonClose->setFont(font);
    ui->pushButtonClose->setText(text);
}

void QMessageDialog::SetMessageText(const QString &text, QFont font)
{
    ui->label->setFont(font);
    ui->label->setText(text);
}

void QMessageDialog::HideCloseButton(bool hide)
{
    ui->pushButtonClose->setVisible(!hide);
}

// The title bar's close button ends the dialog as OK does.
void QMessageDialog::PushButtonCloseSlot()
{
    accept();
}
