// The real lookup of this machine's processors: /proc/cpuinfo on Linux, WMI's
// Win32_Processor on Windows (under Wine too), sysctl on macOS.
#include "platform/Platform.h"

#include <QTest>

class TstProcessorNames : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void thisMachineNamesItsProcessors()
    {
        const QStringList names = createPlatform()->processorNames();
        qInfo() << names;
        QVERIFY(!names.isEmpty());
        for (const QString &name : names)
            QVERIFY(!name.trimmed().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstProcessorNames)
#include "tst_processornames.moc"
