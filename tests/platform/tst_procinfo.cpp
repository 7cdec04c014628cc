#include "platform/ProcInfo.h"

#include <QTest>

class TstProcInfo : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void samples_data();
    void samples();
    void emptyAndMissing();
};

void TstProcInfo::samples_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("laptop, one package of 12 threads") << "laptop-i7-9850h.txt"
                                                      << QStringList{"Intel(R) Core(TM) i7-9850H CPU @ 2.60GHz"};
    QTest::newRow("two sockets") << "server-2x-xeon.txt"
                                 << QStringList{"Intel(R) Xeon(R) Gold 6248 CPU @ 2.50GHz",
                                                "Intel(R) Xeon(R) Gold 6248 CPU @ 2.50GHz"};
    QTest::newRow("AMD desktop") << "amd-desktop.txt" << QStringList{"AMD Ryzen 7 3700X 8-Core Processor"};
    QTest::newRow("ARM without model name") << "arm-raspberry-pi-4.txt" << QStringList{"ARM Cortex-A72"};
    QTest::newRow("old ARM kernel") << "arm-old-kernel.txt" << QStringList{"ARMv7 Processor rev 10 (v7l)"};
}

void TstProcInfo::samples()
{
    QFETCH(QString, file);
    QFETCH(QStringList, names);
    QCOMPARE(ProcInfo::processorNamesFromFile(QStringLiteral(CPUINFO_DIR "/") + file), names);
}

void TstProcInfo::emptyAndMissing()
{
    QVERIFY(ProcInfo::processorNames(QString()).isEmpty());
    QVERIFY(ProcInfo::processorNames(QStringLiteral("garbage without colons\n\n\n")).isEmpty());
    QVERIFY(ProcInfo::processorNamesFromFile(QStringLiteral("/no/such/cpuinfo")).isEmpty());
    // only the board is known
    QCOMPARE(ProcInfo::processorNames(QStringLiteral("Hardware\t: BCM2835\n")), QStringList{QStringLiteral("BCM2835")});
    // an unknown ARM part is named by its number
    QCOMPARE(ProcInfo::processorNames(QStringLiteral("CPU implementer\t: 0x41\nCPU part\t: 0xfff\n")),
             QStringList{QStringLiteral("ARM 0xfff")});
    // packages in the order their ids appear, the name as given, untrimmed inside
    QCOMPARE(ProcInfo::processorNames(QStringLiteral("model name : B  x\nphysical id : 1\n\nmodel name : A\nphysical id : 0\n\n"
                                                     "model name : B  x\nphysical id : 1\n")),
             (QStringList{QStringLiteral("B  x"), QStringLiteral("A")}));
}

QTEST_APPLESS_MAIN(TstProcInfo)
#include "tst_procinfo.moc"
