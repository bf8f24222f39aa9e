#include "ui/qmessagedialog.h"

#include "ui/titlebar.h"
#include "ui_qmessagedialog.h"

#include <QLabel>
#include <QVBoxLayout>

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

// The bar is made a child of the dialog first and then moved into the top
// strip, where it spans the form's three columns.
void QMessageDialog::InitTitleBar()
{
    DialogTitleBar = new TitleBar(this);
    connect(DialogTitleBar, &TitleBar::send_close, this, &QMessageDialog::PushButtonCloseSlot);
    DialogTitleBar->SetButtonVisible(TitleBar::MaximizePart, false);
    DialogTitleBar->SetButtonVisible(TitleBar::MinimizePart, false);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
    DialogTitleBar->TitleLabel->setStyleSheet("color:rgb(255, 255, 255);");
    DialogTitleBar->SetTitleIcon("Icon/quillmarknew.png");
    DialogTitleBar->set_ChildWindowColor(255, 255, 255);

    auto *strip = new QVBoxLayout(ui->widget);
    strip->setSpacing(0);
    strip->setContentsMargins(0, 0, 0, 0);
    strip->addWidget(DialogTitleBar);
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
