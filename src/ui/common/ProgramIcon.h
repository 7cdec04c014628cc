#pragma once

#include <QIcon>
#include <QPixmap>

// The program's icon: 48 x 48 pixels, used by every window and shown in the main window.
// Denser screens get it drawn from the larger renderings, never an enlarged 48.
QPixmap programIconPixmap();
QIcon programIcon();
// The 48 x 48 logical image at the screen's pixel ratio.
QPixmap programIconPixmap(qreal devicePixelRatio);
