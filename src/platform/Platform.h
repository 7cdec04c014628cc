#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QUrl;
class QWidget;

// What the program asks of the operating system, as plain operations. One real
// implementation per OS (chosen by the build) and a recording fake in the tests.
class Platform
{
public:
    enum class Icon { Error, Exclamation, Information };
    enum class Buttons { Ok, YesNo };
    enum class Button { Ok, Yes, No };

    virtual ~Platform() = default;

    // A modal message box over parent; returns the button pressed. Its text can be
    // selected and copied.
    virtual Button messageBox(QWidget *parent, const QString &text, const QString &title, Icon icon,
                              Buttons buttons = Buttons::Ok, Button defaultButton = Button::Ok) = 0;

    // Hands an address to the default web browser without waiting for it; failed runs,
    // at once or later from the event loop, when the desktop reports it could not.
    virtual void openAddress(const QUrl &address, std::function<void()> failed) = 0;

    // The model name of each physical processor package, in a stable order.
    virtual QStringList processorNames() = 0;

    // True when no other running copy of this program holds the instance lock; the lock
    // is then held until this object is destroyed.
    virtual bool claimSingleInstance() = 0;

    // After a refused claim: the running copy's window of that title is restored if
    // minimised, raised and, where the window system lets it, activated.
    virtual void bringRunningCopyForward(const QString &windowTitle) = 0;
};

// The implementation for the operating system the program was built for.
std::unique_ptr<Platform> createPlatform();
