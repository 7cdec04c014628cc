#pragma once

#include "platform/Platform.h"

#include <QList>
#include <QStringList>
#include <QUrl>

#include <functional>

// Records every message and opened address, and answers message boxes as told: by default
// with the box's default button, as a user pressing Enter would.
class FakePlatform final : public Platform
{
public:
    struct Message
    {
        QString text;
        QString title;
        Icon icon;
        Buttons buttons;
        Button defaultButton;
    };

    Button messageBox(QWidget *parent, const QString &text, const QString &title, Icon icon, Buttons buttons,
                      Button defaultButton) override;
    void openAddress(const QUrl &address, std::function<void()> failed) override
    {
        opened.append(address);
        if (openFails)
            failed();
    }
    QStringList processorNames() override { return processors; }
    bool claimSingleInstance() override { return singleInstance; }
    void bringRunningCopyForward(const QString &windowTitle) override { broughtForward.append(windowTitle); }

    // Answers for the next message boxes, in order.
    void setNextAnswers(QList<Button> answers) { m_answers = std::move(answers); }
    // Called while a message box is "open", to look at the window behind it.
    std::function<void(const Message &)> onMessage;

    QList<Message> messages;
    QList<QUrl> opened;
    QStringList processors;
    QStringList broughtForward;
    bool singleInstance = true;
    bool openFails = false; // the desktop has no browser to hand addresses to

private:
    QList<Button> m_answers;
};
