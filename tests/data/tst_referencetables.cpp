#include "data/ReferenceTables.h"

#include <QTest>
#include <QUrl>

using namespace ReferenceTables;

class TstReferenceTables : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tierCodesAreWholeCodeFields();
    void spareSlotsStayEmpty();
    void examplesAsWritten();
    void linkAddresses();
};

void TstReferenceTables::tierCodesAreWholeCodeFields()
{
    const int lengths[] = {23, 35, 29, 47};
    for (int t = 0; t < kTierCount; ++t) {
        const QString &codes = TierCodes()[std::size_t(t)];
        QCOMPARE(codes.size(), lengths[t]);
        QVERIFY(!codes.endsWith(u','));
        for (const QString &code : codes.split(u','))
            QCOMPARE(code.size(), 5);
    }
    QVERIFY(TierCodes()[0].endsWith(QStringLiteral("G188 ")));
    QVERIFY(TierCodes()[1].endsWith(QStringLiteral("G99  ")));
    QCOMPARE(TierCaptions()[0], QStringLiteral("(绝地求生PUBG 最低配置)"));
    QCOMPARE(TierCaptions()[3], QStringLiteral("(绝地求生PUBG 顶级配置)"));
}

void TstReferenceTables::spareSlotsStayEmpty()
{
    QVERIFY(TierCodes()[kTierCount].isEmpty());
    QVERIFY(TierCaptions()[kTierCount].isEmpty());
    QVERIFY(ExampleDevices()[kExampleCount].isEmpty());
    QVERIFY(LinkAddresses()[kLinkCount].isEmpty());
}

void TstReferenceTables::examplesAsWritten()
{
    QCOMPARE(ExampleDevices()[1], QStringLiteral("Intel Core i9-10980X E@3.00GH"));
    QCOMPARE(ExampleDevices()[11], QStringLiteral("GeForce 6600(与)"));
    QCOMPARE(ExampleDevices()[12], QStringLiteral("I3-6100~10110U(或)"));
}

void TstReferenceTables::linkAddresses()
{
    for (int k = 0; k < kLinkCount; ++k) {
        const QString &address = LinkAddresses()[std::size_t(k)];
        QVERIFY2(address.startsWith(QStringLiteral("https://")), qPrintable(address));
        const QUrl url(address, QUrl::StrictMode);
        QVERIFY2(url.isValid() && !url.host().isEmpty(), qPrintable(address));
    }
    const QByteArray cpu = QUrl::toPercentEncoding(QStringLiteral("中央处理器"));
    const QByteArray gpu = QUrl::toPercentEncoding(QStringLiteral("图形处理器"));
    QVERIFY(LinkAddresses()[7].endsWith(QStringLiteral("/item/") + QString::fromLatin1(cpu)));
    QVERIFY(LinkAddresses()[8].endsWith(QStringLiteral("/item/") + QString::fromLatin1(gpu)));
    QCOMPARE(QUrl(LinkAddresses()[7]).host(), QUrl(LinkAddresses()[8]).host());
}

QTEST_APPLESS_MAIN(TstReferenceTables)
#include "tst_referencetables.moc"
