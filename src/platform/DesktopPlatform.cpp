#include "platform/DesktopPlatform.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>
#include <QUrl>

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

void DesktopPlatform::openAddress(const QUrl &address)
{
    // Never through a shell or a command line built from text.
    if (address.isValid() && address.scheme() == QLatin1String("https"))
        QDesktopServices::openUrl(address);
}

QStringList DesktopPlatform::processorNames()
{
    return systemProcessorNames();
}

bool DesktopPlatform::claimSingleInstance()
{
    QString dir = m_lockDirectory;
    if (dir.isEmpty())
        dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    const QString name = m_lockName.isEmpty() ? QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName()
                                              : m_lockName;
    auto lock = std::make_unique<QLockFile>(QDir(dir).filePath(name + QStringLiteral(".lock")));
    // A lock left by a killed copy is recognised by its process id, whatever its age.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        m_lock = std::move(lock);
        return true;
    }
    // Only a live holder means another copy runs; a lock that cannot be written at all
    // (read-only or missing folder) must not keep the program from starting.
    return lock->error() != QLockFile::LockFailedError;
}

std::unique_ptr<Platform> createPlatform()
{
    return std::make_unique<DesktopPlatform>();
}
