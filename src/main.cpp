#include "platform/Platform.h"
#include "ui/main/Application.h"
#include "ui/main/Form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    const StartScale scale = StartScale::forWindow(Form1::kClientSize);
    QApplication app(argc, argv);
    scale.restoreEnvironment();
    setUpApplication(app);
    const std::unique_ptr<Platform> platform = createPlatform();
    Form1 form(*platform);
    if (!scale.decided() && restartedToFit(app, form))
        return 0;
    if (!form.Form_Load())
        return 0;
    form.show();
    return app.exec();
}
