// Takes the instance lock of the given name in the given folder, says so, and waits to be killed.
#include "platform/DesktopPlatform.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 3)
        return 2;
    DesktopPlatform platform(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
    std::printf(platform.claimSingleInstance() ? "locked\n" : "refused\n");
    std::fflush(stdout);
    for (;;)
        QThread::sleep(1);
}
