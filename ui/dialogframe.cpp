#include "ui/dialogframe.h"

#include "ui/titlebar.h"

#include <QDialog>
#include <QVBoxLayout>

TitleBar *CreateDialogTitleBar(QDialog *dialog)
{
    auto *bar = new TitleBar(dialog);
    bar->SetButtonVisible(TitleBar::MaximizePart, false);
    bar->SetButtonVisible(TitleBar::MinimizePart, false);
    dialog->setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint
                           | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
    bar->set_ChildWindowColor(255, 255, 255);
    return bar;
}

void PlaceDialogTitleBar(TitleBar *bar, QWidget *strip)
{
    bar->SetTitleIcon(QStringLiteral("Icon/quillmarknew.png"));
    auto *column = new QVBoxLayout(strip);
    column->setSpacing(0);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(bar);
}
