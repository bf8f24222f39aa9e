#ifndef DIALOGFRAME_H
#define DIALOGFRAME_H

// The frame every dialog of the program shares: a frameless window whose
// form has a top strip, and in that strip a white title bar with the dialog
// icon and only its close button.
//
//     DialogTitleBar = CreateDialogTitleBar(this);
//     connect(DialogTitleBar, &TitleBar::send_close, ...);
//     ... restyle the title label, set the title ...
//     PlaceDialogTitleBar(DialogTitleBar, ui->widget);
//
// The title label is restyled before the bar goes into the strip: once it
// has been polished there under the bar's own style, that style's pixel
// size would keep overriding the title font.

class QDialog;
class QWidget;
class TitleBar;

// Makes the dialog frameless and builds its title bar as a child of it.
TitleBar *CreateDialogTitleBar(QDialog *dialog);

// Gives the bar the dialog icon and places it in strip (spacing 0, margins 0).
void PlaceDialogTitleBar(TitleBar *bar, QWidget *strip);

#endif // DIALOGFRAME_H
