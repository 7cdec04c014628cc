#include "ui/pictures/ProgramIcon.h"

QPixmap programIconPixmap()
{
    // decoded once; every window shares it
    static const QPixmap icon(QStringLiteral(":/pictures/program_icon_48.png"));
    return icon;
}

QIcon programIcon()
{
    return QIcon(programIconPixmap());
}
