#include "ui/pictures/ProgramIcon.h"

QPixmap programIconPixmap()
{
    return QPixmap(QStringLiteral(":/pictures/program_icon_48.png"));
}

QIcon programIcon()
{
    return QIcon(programIconPixmap());
}
