#include "ui/common/ProgramIcon.h"

QPixmap programIconPixmap()
{
    // decoded once; every window shares it
    static const QPixmap icon(QStringLiteral(":/icon/program_icon_48.png"));
    return icon;
}

QIcon programIcon()
{
    static const QIcon icon = [] {
        QIcon all(programIconPixmap());
        all.addFile(QStringLiteral(":/icon/program_icon_128.png"), QSize(128, 128));
        all.addFile(QStringLiteral(":/icon/program_icon_256.png"), QSize(256, 256));
        return all;
    }();
    return icon;
}

QPixmap programIconPixmap(qreal devicePixelRatio)
{
    if (devicePixelRatio <= 1.0)
        return programIconPixmap();
    return programIcon().pixmap(QSize(48, 48), devicePixelRatio);
}
