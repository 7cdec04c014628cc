#include "ui/main/Application.h"

#include "ui/common/FixedSize.h"
#include "ui/common/ProgramIcon.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

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

void setUpApplication(QApplication &app)
{
    installQtTranslation(app, QLocale());
    QApplication::setWindowIcon(programIcon());
    keepFixedWindowsAtTheirSize(app);
}
