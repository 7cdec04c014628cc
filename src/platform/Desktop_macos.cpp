#include "platform/DesktopPlatform.h"

#include <QDesktopServices>
#include <QUrl>

// Not done on macOS: the running copy's Dock icon brings it forward.
void raiseWindowOf(qint64, const QString &)
{
}

void markRunning()
{
}

void openInBrowser(const QUrl &address, std::function<void()> failed)
{
    if (!QDesktopServices::openUrl(address)) // false when the shell could not open it
        failed();
}
