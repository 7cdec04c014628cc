#include "platform/DesktopPlatform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

const QString kName = QStringLiteral("cpugpurank-test");

bool startHolder(QProcess &holder, const QString &lockDir)
{
    holder.start(QStringLiteral(HOLDER), {lockDir, kName});
    if (!holder.waitForStarted(5000) || !holder.waitForReadyRead(5000))
        return false;
    return holder.readAll().trimmed() == "locked";
}

} // namespace

class TstSingleInstance : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void secondCopyIsRefusedFirstKeepsItsLock();
    void killedFirstCopyNeverBlocks();
    void unwritableFolderDoesNotBlockStartUp();
    void lockNamingOurOwnProcessIdIsStale();
    void releasedLockLeavesNothingBehind();
};

void TstSingleInstance::secondCopyIsRefusedFirstKeepsItsLock()
{
    QTemporaryDir locks;
    QProcess holder;
    QVERIFY(startHolder(holder, locks.path()));
    {
        DesktopPlatform second(locks.path(), kName);
        QVERIFY(!second.claimSingleInstance());
    }
    // the refused copy left the holder's lock alone
    DesktopPlatform third(locks.path(), kName);
    QVERIFY(!third.claimSingleInstance());
    holder.kill();
    holder.waitForFinished(5000);
}

void TstSingleInstance::killedFirstCopyNeverBlocks()
{
    QTemporaryDir locks;
    QProcess holder;
    QVERIFY(startHolder(holder, locks.path()));
    holder.kill(); // SIGKILL: the lock file stays behind
    QVERIFY(holder.waitForFinished(5000));
    QVERIFY(!QDir(locks.path()).entryList(QDir::Files).isEmpty());
    DesktopPlatform next(locks.path(), kName);
    QVERIFY(next.claimSingleInstance());
    // and while it runs it is the one that counts
    DesktopPlatform after(locks.path(), kName);
    QVERIFY(!after.claimSingleInstance());
}

void TstSingleInstance::unwritableFolderDoesNotBlockStartUp()
{
    QTemporaryDir locks;
    DesktopPlatform missing(locks.filePath(QStringLiteral("no/such/folder")), kName);
    QVERIFY(missing.claimSingleInstance());

    QVERIFY(::chmod(QFile::encodeName(locks.path()).constData(), 0500) == 0);
    const bool writable = QFileInfo(locks.path()).isWritable();
    DesktopPlatform readOnly(locks.path(), kName);
    const bool claimed = readOnly.claimSingleInstance();
    ::chmod(QFile::encodeName(locks.path()).constData(), 0700);
    if (writable)
        QSKIP("running with rights that write anywhere; a read-only folder cannot be made here");
    QVERIFY(claimed);
}

void TstSingleInstance::lockNamingOurOwnProcessIdIsStale()
{
    // What a killed copy left behind when its process id has come round to this process.
    QTemporaryDir locks;
    const QString path = QDir(locks.path()).filePath(kName + QStringLiteral(".lock"));
    QByteArray left;
    {
        QLockFile own(path);
        QVERIFY(own.tryLock(0));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        left = file.readAll();
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(left);
    file.close();

    DesktopPlatform next(locks.path(), kName);
    QVERIFY(next.claimSingleInstance());
    DesktopPlatform after(locks.path(), kName);
    QVERIFY(!after.claimSingleInstance());
}

void TstSingleInstance::releasedLockLeavesNothingBehind()
{
    QTemporaryDir locks;
    {
        DesktopPlatform first(locks.path(), kName);
        QVERIFY(first.claimSingleInstance());
        QCOMPARE(QDir(locks.path()).entryList(QDir::Files).size(), 1);
    }
    QVERIFY(QDir(locks.path()).entryList(QDir::Files).isEmpty());
    DesktopPlatform later(locks.path(), kName);
    QVERIFY(later.claimSingleInstance());
}

QTEST_GUILESS_MAIN(TstSingleInstance)
#include "tst_singleinstance.moc"
