#include "ui/common/ProgramIcon.h"

#include <QGuiApplication>
#include <QImage>
#include <QScreen>

#include <algorithm>

namespace {

#include "ui/common/ProgramIconPixels.inc"

} // namespace

QPixmap programIconPixmap()
{
    // Built from its pixels, as written by tools/make_icon_pixels.py: an image reader
    // would look through every image format plugin first, at start-up. Once; every window
    // shares it.
    static const QPixmap icon = [] {
        QImage image(kIconPixels, kIconWidth, kIconHeight, kIconWidth, QImage::Format_Indexed8);
        image.setColorTable(QList<QRgb>(std::begin(kIconColours), std::end(kIconColours)));
        return QPixmap::fromImage(image);
    }();
    return icon;
}

namespace {

QIcon withLargerRenderings()
{
    static const QIcon icon = [] {
        QIcon all(programIconPixmap());
        all.addFile(QStringLiteral(":/icon/program_icon_128.png"), QSize(128, 128));
        all.addFile(QStringLiteral(":/icon/program_icon_256.png"), QSize(256, 256));
        return all;
    }();
    return icon;
}

} // namespace

QIcon programIcon()
{
    // A window's icon hands every size it has to the window system, each decoded before
    // the window shows: the larger renderings only where a screen is dense enough to use them.
    static const QIcon icon = [] {
        const QList<QScreen *> screens = QGuiApplication::screens();
        const bool dense = std::any_of(screens.begin(), screens.end(), [](const QScreen *s) { return s->devicePixelRatio() > 1; });
        return dense ? withLargerRenderings() : QIcon(programIconPixmap());
    }();
    return icon;
}

QPixmap programIconPixmap(qreal devicePixelRatio)
{
    if (devicePixelRatio <= 1.0)
        return programIconPixmap();
    return withLargerRenderings().pixmap(QSize(48, 48), devicePixelRatio);
}
