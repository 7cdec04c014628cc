#include "platform/DesktopPlatform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>
#include <QSysInfo>
#include <QUrl>

namespace {

// The host name QLockFile writes into its files.
QString lockHostName()
{
#ifdef Q_OS_WIN
    return qEnvironmentVariable("COMPUTERNAME");
#else
    return QSysInfo::machineHostName();
#endif
}

// A lock that names this very process as its holder was left by a killed copy whose
// process id came round to us (Wine gives the first process of a new server the same id
// every time; Windows and Linux reuse ids too). QLockFile sees a live holder there.
bool heldByThisProcessId(const QLockFile &lock)
{
    qint64 pid = 0;
    QString host;
    QString app;
    return lock.getLockInfo(&pid, &host, &app) && pid == QCoreApplication::applicationPid()
        && (host.isEmpty() || host == lockHostName());
}

} // namespace

DesktopPlatform::DesktopPlatform(QString lockDirectory, QString lockName)
    : m_lockDirectory(std::move(lockDirectory))
    , m_lockName(std::move(lockName))
{
}

DesktopPlatform::~DesktopPlatform() = default;

Platform::Button DesktopPlatform::messageBox(QWidget *parent, const QString &text, const QString &title,
                                             Icon icon, Buttons buttons, Button defaultButton)
{
    QMessageBox box(parent);
    box.setWindowTitle(title);
    QString shown = text;
    box.setText(shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    box.setTextFormat(Qt::PlainText);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse); // an address or a name to copy
    switch (icon) {
    case Icon::Error: box.setIcon(QMessageBox::Critical); break;
    case Icon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    }
    if (buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(defaultButton == Button::Yes ? QMessageBox::Yes : QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
    }
    const int answer = box.exec();
    if (answer == QMessageBox::Yes)
        return Button::Yes;
    if (answer == QMessageBox::No)
        return Button::No;
    return Button::Ok;
}

void DesktopPlatform::openAddress(const QUrl &address, std::function<void()> failed)
{
    // Never through a shell or a command line built from text.
    if (address.isValid() && address.scheme() == QLatin1String("https"))
        openInBrowser(address, std::move(failed));
    else
        failed();
}

QStringList DesktopPlatform::processorNames()
{
    return systemProcessorNames();
}

bool DesktopPlatform::claimSingleInstance()
{
    QString dir = m_lockDirectory;
#ifdef Q_OS_WIN
    // Qt's runtime folder there is the user's home, where the lock would lie in plain view
    if (dir.isEmpty())
        dir = QDir::tempPath();
#endif
    if (dir.isEmpty())
        dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    const QString name = m_lockName.isEmpty() ? QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName()
                                              : m_lockName;
    auto lock = std::make_unique<QLockFile>(QDir(dir).filePath(name + QStringLiteral(".lock")));
    // A lock left by a killed copy is recognised by its process id, whatever its age.
    lock->setStaleLockTime(0);
    // Removing the stale file fails while another live process still holds it open.
    if (lock->tryLock(0)
        || (lock->error() == QLockFile::LockFailedError && heldByThisProcessId(*lock)
            && lock->removeStaleLockFile() && lock->tryLock(0))) {
        m_lock = std::move(lock);
        markRunning();
        return true;
    }
    // Only a live holder means another copy runs; a lock that cannot be written at all
    // (read-only or missing folder) must not keep the program from starting.
    if (lock->error() != QLockFile::LockFailedError)
        return true;
    QString host;
    QString app;
    if (!lock->getLockInfo(&m_holderPid, &host, &app))
        m_holderPid = 0;
    return false;
}

void DesktopPlatform::bringRunningCopyForward(const QString &windowTitle)
{
    if (m_holderPid > 0)
        raiseWindowOf(m_holderPid, windowTitle);
}

std::unique_ptr<Platform> createPlatform()
{
    return std::make_unique<DesktopPlatform>();
}
