#include "ui/main/Application.h"

#include "ui/common/Centre.h"
#include "ui/common/FixedSize.h"
#include "ui/common/ProgramIcon.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QProcess>
#include <QScreen>
#include <QTranslator>
#include <QWidget>

#include <cmath>

bool installQtTranslation(QCoreApplication &app, const QLocale &locale)
{
    auto *translator = new QTranslator(&app);
    if (!translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

bool restartedToFit(const QApplication &app, QWidget &mainWindow)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen || qEnvironmentVariableIsSet("CPUGPURANK_FITTED"))
        return false;
    const double scale = scaleToFit(mainWindow.size(), expectedFrame(&mainWindow), screen->availableGeometry());
    if (scale >= 1.0)
        return false;
    bool set = false;
    double factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&set);
    if (!set || factor <= 0)
        factor = 1.0;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(std::floor(factor * scale * 100) / 100));
    environment.insert(QStringLiteral("CPUGPURANK_FITTED"), QStringLiteral("1"));
    QProcess again;
    again.setProgram(QCoreApplication::applicationFilePath());
    again.setArguments(app.arguments().mid(1));
    again.setProcessEnvironment(environment);
    return again.startDetached();
}

void setUpApplication(QApplication &app)
{
    installQtTranslation(app, QLocale());
    QApplication::setWindowIcon(programIcon());
    keepFixedWindowsAtTheirSize(app);
}
