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

#include <QRect>

#include <initializer_list>

class QDialog;
class QPushButton;
class QWidget;
class TitleBar;

// Makes the dialog frameless and builds its title bar as a child of it.
TitleBar *CreateDialogTitleBar(QDialog *dialog);

// Gives the bar the dialog icon and places it in strip (spacing 0, margins 0).
void PlaceDialogTitleBar(TitleBar *bar, QWidget *strip);

// Return presses `button` unless the focus is on another of the dialog's
// answers (`answers`, Cancel or Close), which then takes Return as in any
// dialog; no other push button (a colour swatch, a title bar button) takes
// Return for itself when it has the focus.
void SetDefaultButton(QDialog *dialog, QPushButton *button,
                      std::initializer_list<QPushButton *> answers = {});

// The part of the screen a window may take: of the screen `window` is on,
// or, for a window not shown yet, of the active window's or the primary one.
QRect AvailableScreenArea(const QWidget *window);

// Moves the dialog so that it is centred on `over` and lies within the
// screen's available area; without `over`, or with `over` hidden, it is
// centred on that area.
void CentreDialog(QWidget *dialog, const QWidget *over);

#endif // DIALOGFRAME_H
