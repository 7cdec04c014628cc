// The baselines for start-up: an empty Qt window of the main window's size; with the
// argument "text", the same window showing one line of Chinese text, which is where any
// text program first pays for fontconfig and a CJK font; and with "controls", the main
// window's 56 controls (their kinds, captions, fonts and colours, a CJK result box) with
// none of the program's logic: the floor the program itself is measured against.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QWidget>

namespace {

QFont songti(int pixels, bool bold = false)
{
    QFont font;
    font.setFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("NSimSun"),
                      QStringLiteral("WenQuanYi Zen Hei Mono"), QStringLiteral("WenQuanYi Micro Hei Mono"),
                      QStringLiteral("Noto Sans Mono CJK SC")});
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QRect twips(int left, int top, int width, int height)
{
    return {left / 15, top / 15, width / 15, height / 15};
}

template <typename W>
W *put(QWidget *parent, QRect where, const QString &caption = {}, const QFont &font = songti(14))
{
    auto *w = new W(parent);
    w->setGeometry(where);
    w->setFont(font);
    if constexpr (!std::is_same_v<W, QTextEdit> && !std::is_same_v<W, QGroupBox>)
        w->setText(caption);
    return w;
}

void addControls(QWidget &window)
{
    window.setFont(songti(14));
    const QFont small = songti(12);
    put<QLabel>(&window, twips(120, 120, 780, 780)); // the icon's box
    put<QLabel>(&window, twips(960, 120, 7455, 855), QStringLiteral("CPU/GPU性能天梯查询工具 V0.99b4"), songti(24, true));
    auto *query = put<QGroupBox>(&window, twips(120, 960, 8415, 9495));
    query->setTitle(QStringLiteral("查询"));
    auto *examples = put<QGroupBox>(&window, twips(8640, 1080, 2415, 3615));
    examples->setTitle(QStringLiteral("常见设备查询示例"));
    auto *links = put<QGroupBox>(&window, twips(8640, 4800, 2415, 2655));
    links->setTitle(QStringLiteral("常用链接"));
    auto *pubg = put<QGroupBox>(&window, twips(8640, 7560, 2415, 1215));
    pubg->setTitle(QStringLiteral("PUBG"));
    put<QPushButton>(&window, twips(8640, 480, 2415, 495), QStringLiteral("本机&CPU型号"), small);
    put<QPushButton>(&window, twips(8640, 8880, 2415, 375), QStringLiteral("关于&A"), small);
    put<QPushButton>(&window, twips(8640, 9360, 2415, 375), QStringLiteral("检查更新&U"), small);
    put<QPushButton>(&window, twips(8640, 9840, 2415, 615), QStringLiteral("退出&Q"), songti(12, true));
    put<QLabel>(query, twips(120, 360, 495, 255), QStringLiteral("主："), songti(14, true));
    put<QLineEdit>(query, twips(480, 240, 2295, 405), {}, songti(16, true));
    put<QLabel>(query, twips(2880, 360, 495, 255), QStringLiteral("与："));
    put<QLineEdit>(query, twips(3240, 240, 4215, 375), {}, small);
    put<QPushButton>(query, twips(7560, 240, 735, 495), QStringLiteral("查询&S"), songti(12, true));
    put<QLabel>(query, twips(120, 840, 495, 375), QStringLiteral("(范围"), small);
    put<QRadioButton>(query, twips(720, 720, 615, 375), QStringLiteral("ALL"), small);
    put<QRadioButton>(query, twips(1320, 720, 615, 375), QStringLiteral("CPU"), small);
    put<QRadioButton>(query, twips(2040, 720, 735, 375), QStringLiteral("GPU)"), small);
    put<QLabel>(query, twips(2880, 840, 495, 255), QStringLiteral("或："));
    for (int k = 0; k < 4; ++k)
        put<QLineEdit>(query, twips(3240 + 1080 * k, 720, 975, 375), {}, small);
    put<QPushButton>(query, twips(7560, 840, 735, 255), QStringLiteral("重置&R"), small);
    QFont table(QStringLiteral("WenQuanYi Zen Hei Mono"));
    table.setPixelSize(16);
    put<QTextEdit>(query, twips(120, 1200, 8175, 8175), {}, table);
    put<QLineEdit>(&window, twips(11640, 1080, 1095, 375), {}, small);
    put<QLineEdit>(&window, twips(11640, 1560, 1095, 375), {}, small);
    QFont link = songti(14);
    link.setUnderline(true);
    const char *examplesText[] = {"AMD Ryzen Threadripper 3970X", "Intel Core i9-10980X E@3.00GH",
                                  "Intel Xeon Platinum 8168@2.70GHz", "Intel Pentium Gold G5620@4.00GHz",
                                  "Intel Atom C3958@2.00GHz", "GeForce RTX 2080 Ti", "Quadro RTX 6000", "Radeon RX 5700",
                                  "Intel Iris Pro P580", "Radeon Vega 3", "NVS 810", "GeForce 6600(与)",
                                  "I3-6100~10110U(或)"};
    for (int k = 0; k < 13; ++k)
        put<QLabel>(examples, twips(120, 240 * (k + 1), 2055, 255), QString::fromUtf8(examplesText[k]), link);
    for (int k = 0; k < 9; ++k)
        put<QLabel>(links, twips(120, 240 * (k + 1), 1935, 255), k < 7 ? QStringLiteral("www.example.com")
                                                                      : QStringLiteral("百度百科：CPU"), link);
    const QRect tiers[] = {twips(120, 240, 735, 375), twips(960, 240, 375, 375), twips(1440, 240, 375, 375),
                           twips(1920, 240, 375, 375)};
    for (int k = 0; k < 4; ++k)
        put<QPushButton>(pubg, tiers[k], k == 0 ? QStringLiteral("PUBG1") : QString::number(k + 1), small);
    put<QPushButton>(pubg, twips(120, 720, 1215, 375), QStringLiteral("PUB&G配置表"), small);
    put<QPushButton>(pubg, twips(1440, 720, 855, 375), QStringLiteral("作者的&NB"), small);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.setFixedSize(743, 703);
    const QLatin1String mode(argc > 1 ? argv[1] : "");
    if (mode == QLatin1String("text")) {
        auto *label = new QLabel(QStringLiteral("CPU/GPU性能天梯查询工具"), &window);
        label->move(8, 8);
    } else if (mode == QLatin1String("controls")) {
        addControls(window);
    }
    window.show();
    return app.exec();
}
