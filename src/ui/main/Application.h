#pragma once

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

// Where the main window, built but not yet shown, would not fit the primary screen's work
// area at the desktop's scale, starts the program again at the largest scale at which it
// fits (once; Qt fixes its scale before the application exists) and returns true: this
// copy then ends, before it takes the instance lock.
bool restartedToFit(const QApplication &app, QWidget &mainWindow);
