#pragma once

#include <QByteArray>
#include <QSize>

#include <optional>

class QCoreApplication;
class QApplication;
class QLocale;
class QWidget;

// Qt's own texts (message-box buttons, context menus) in the language of locale, when Qt
// has that translation; English stays otherwise. True when one was installed.
bool installQtTranslation(QCoreApplication &app, const QLocale &locale);

// What every window shares, set before the first one (the refused start's box included):
// Qt's texts in the system's language and the program icon.
void setUpApplication(QApplication &app);

// The scale the program starts at, decided before the application object exists (Qt fixes
// its scale as it starts): where the OS tells the screen then, the largest at which the
// main window fits the work area, from the QT_SCALE_FACTOR the user set. It goes into the
// process's own environment for Qt alone: restoreEnvironment(), once the application
// exists, puts back the user's own, so that no program started later (the browser) sees
// the fitted scale or the program's own variables.
class StartScale final
{
public:
    static StartScale forWindow(QSize client);

    // False where the OS could not tell before start (Wayland): restartedToFit then.
    bool decided() const { return m_decided; }
    void restoreEnvironment() const;

private:
    std::optional<QByteArray> m_userFactor;
    bool m_decided = false;
};

// Where the main window, built but not yet shown, would not fit the primary screen's work
// area at the desktop's scale, starts the program again at the largest scale at which it
// fits (once) and returns true: this copy then ends, before it takes the instance lock.
// For the platforms whose screen is known only once Qt runs.
bool restartedToFit(const QApplication &app, QWidget &mainWindow);
