#include "platform/ScreenFit.h"

#include <QList>

#include <algorithm>
#include <cmath>

double fittingScaleFactor(QSize client, double userFactor, const ScreenBeforeStart &screen)
{
    const double perPixel = screen.devicePixelRatio;
    if (client.isEmpty() || screen.workArea.isEmpty() || perPixel <= 0 || userFactor <= 0)
        return userFactor;
    // client * perPixel * factor + frame <= work area, across and down
    const QSize room = screen.workArea.size().shrunkBy(screen.frame);
    const double fits = std::min(room.width() / (client.width() * perPixel), room.height() / (client.height() * perPixel));
    if (fits >= userFactor)
        return userFactor;
    return std::max(0.01, std::floor(fits * 100) / 100);
}

double scaleToFit(QSize client, QMargins frame, const QRect &available)
{
    const QSize whole = client.grownBy(frame);
    if (whole.isEmpty() || available.isEmpty())
        return 1.0;
    return std::min({1.0, double(available.width()) / whole.width(), double(available.height()) / whole.height()});
}

bool qtScalesByItsOwnVariables()
{
    // Qt then works the scale out in its own way: leave it to Qt, and fit afterwards.
    for (const char *own : {"QT_SCREEN_SCALE_FACTORS", "QT_USE_PHYSICAL_DPI", "QT_FONT_DPI",
                            "QT_SCALE_FACTOR_ROUNDING_POLICY"}) {
        if (qEnvironmentVariableIsSet(own))
            return true;
    }
    return qEnvironmentVariableIsSet("QT_ENABLE_HIGHDPI_SCALING") && qEnvironmentVariableIntValue("QT_ENABLE_HIGHDPI_SCALING") == 0;
}

double scaleOfXResources(const QByteArray &resources)
{
    for (const QByteArray &line : resources.split('\n')) {
        if (line.startsWith("Xft.dpi:")) {
            bool ok = false;
            const double dpi = line.mid(8).trimmed().toDouble(&ok);
            return ok && dpi > 0 ? dpi / 96 : 1;
        }
    }
    return 1;
}
