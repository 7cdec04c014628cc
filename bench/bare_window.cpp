// The baselines for start-up: an empty Qt window of the main window's size, and (with the
// argument "text") the same window showing one line of Chinese text, which is where any
// text program first pays for fontconfig and a CJK font.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.setFixedSize(743, 703);
    if (argc > 1 && QLatin1String(argv[1]) == QLatin1String("text")) {
        auto *label = new QLabel(QStringLiteral("CPU/GPU性能天梯查询工具"), &window);
        label->move(8, 8);
    }
    window.show();
    return app.exec();
}
