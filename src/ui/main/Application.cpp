#include "ui/main/Application.h"

#include "platform/ScreenFit.h"
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

namespace {

// A copy started again to fit carries these: that it was, and the user's own factor.
const char *const kFitted = "CPUGPURANK_FITTED";
const char *const kUserFactor = "CPUGPURANK_USER_SCALE";

double factorOr1(const std::optional<QByteArray> &factor)
{
    bool ok = false;
    const double value = factor ? factor->toDouble(&ok) : 1.0;
    return ok && value > 0 ? value : 1.0;
}

} // namespace

StartScale StartScale::forWindow(QSize client)
{
    StartScale scale;
    if (qEnvironmentVariableIsSet(kFitted)) { // started again by restartedToFit: fitted already
        if (qEnvironmentVariableIsSet(kUserFactor))
            scale.m_userFactor = qgetenv(kUserFactor);
        scale.m_decided = true;
        return scale;
    }
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        scale.m_userFactor = qgetenv("QT_SCALE_FACTOR");
    const std::optional<ScreenBeforeStart> screen = primaryScreenBeforeStart();
    if (!screen)
        return scale;
    scale.m_decided = true;
    const double asked = factorOr1(scale.m_userFactor);
    const double fitting = fittingScaleFactor(client, asked, *screen);
    if (fitting != asked)
        qputenv("QT_SCALE_FACTOR", QByteArray::number(fitting, 'f', 2));
    return scale;
}

void StartScale::restoreEnvironment() const
{
    if (m_userFactor)
        qputenv("QT_SCALE_FACTOR", *m_userFactor);
    else
        qunsetenv("QT_SCALE_FACTOR");
    qunsetenv(kFitted);
    qunsetenv(kUserFactor);
}

bool restartedToFit(const QApplication &app, QWidget &mainWindow)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return false;
    const double scale = scaleToFit(mainWindow.size(), expectedFrame(&mainWindow), screen->availableGeometry());
    if (scale >= 1.0)
        return false;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment(); // the user's own by now
    std::optional<QByteArray> userFactor;
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
        userFactor = qgetenv("QT_SCALE_FACTOR");
        environment.insert(QLatin1String(kUserFactor), QString::fromLocal8Bit(*userFactor));
    }
    const double factor = factorOr1(userFactor);
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(std::floor(factor * scale * 100) / 100));
    environment.insert(QLatin1String(kFitted), QStringLiteral("1"));
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
