#include "platform/Platform.h"
#include "ui/main/Application.h"
#include "ui/main/Form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setUpApplication(app);
    if (restartedToFit(app))
        return 0;
    const std::unique_ptr<Platform> platform = createPlatform();
    Form1 form(*platform);
    if (!form.Form_Load())
        return 0;
    form.show();
    return app.exec();
}
