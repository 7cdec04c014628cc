#pragma once

#include "platform/Platform.h"

#include <QLockFile>

#include <memory>

// The parts every desktop OS shares through Qt; the processor names come from the OS's
// own file (ProcessorNames_<os>.cpp).
class DesktopPlatform final : public Platform
{
public:
    // Where the instance lock lives and what it is called; empty for the user's runtime
    // folder and the executable's name.
    explicit DesktopPlatform(QString lockDirectory = {}, QString lockName = {});
    ~DesktopPlatform() override;
    Q_DISABLE_COPY_MOVE(DesktopPlatform)

    Button messageBox(QWidget *parent, const QString &text, const QString &title, Icon icon,
                      Buttons buttons, Button defaultButton) override;
    void openAddress(const QUrl &address, std::function<void()> failed) override;
    QStringList processorNames() override;
    bool claimSingleInstance() override;
    void bringRunningCopyForward(const QString &windowTitle) override;

private:
    QString m_lockDirectory;
    QString m_lockName;
    std::unique_ptr<QLockFile> m_lock;
    qint64 m_holderPid = 0; // the running copy, when the claim was refused
};

// Defined once per OS.
QStringList systemProcessorNames();
// Opens a web address in the default browser; failed runs when the desktop says it could not.
void openInBrowser(const QUrl &address, std::function<void()> failed);
// Restores, raises and activates the top-level window of process pid with that title.
void raiseWindowOf(qint64 pid, const QString &windowTitle);
// Lets other programs (the Windows setup) see that a copy is running, until it ends.
void markRunning();
