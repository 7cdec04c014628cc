#pragma once

#include <QIcon>
#include <QPixmap>

// The program's icon: 48 x 48 pixels, used by every window and shown in the main window.
QPixmap programIconPixmap();
QIcon programIcon();
