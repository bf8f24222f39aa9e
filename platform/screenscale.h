#ifndef SCREENSCALE_H
#define SCREENSCALE_H

// The window layout was drawn for a screen 1366 pixels wide; on wider screens
// the whole interface is scaled up through QT_SCALE_FACTOR. This runs before
// the application object exists, so the screen width comes from what the
// system tells without a window-system connection (the kernel's display
// connectors). Where nothing is known the variable stays unset.

#include <QString>

// Width in pixels of the preferred mode of the first connected display, or 0.
int PrimaryScreenWidthBeforeApp(const QString &drmRoot = QStringLiteral("/sys/class/drm"));

// "1.4" for a 1920-pixel screen; empty for width 0.
QString ScaleFactorForWidth(int width);

// Sets QT_SCALE_FACTOR from the primary screen width when it can be known;
// returns whether it did.
bool ApplyScreenScaleFactor();

#endif // SCREENSCALE_H
