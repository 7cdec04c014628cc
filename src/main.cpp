#include "platform/Platform.h"
#include "ui/main/Application.h"
#include "ui/main/Form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setUpApplication(app);
    const std::unique_ptr<Platform> platform = createPlatform();
    Form1 form(*platform);
    if (restartedToFit(app, form))
        return 0;
    if (!form.Form_Load())
        return 0;
    form.show();
    return app.exec();
}
