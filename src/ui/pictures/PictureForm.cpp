#include "ui/pictures/PictureForm.h"

#include "ui/common/Accessibility.h"
#include "ui/common/Centre.h"
#include "ui/common/EnterPresses.h"
#include "ui/common/ProgramIcon.h"
#include "ui/pictures/PictureBox.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

namespace {

struct Layout
{
    const char *name;
    const char16_t *caption;
    const char *image;
    QSize client;
    QRect picture;
    QRect button;
};

const Layout &layoutOf(PictureForm::Kind kind)
{
    // twips / 15 = pixels at 96 dpi
    static const Layout chart{"Form2", u"PUBG配置", ":/pictures/pubg_chart.jpg", {716, 399},
                              {8, 8, 704, 351}, {320, 360, 65, 33}};
    static const Layout notebook{"Form3", u"作者的ThinkPADP53", ":/pictures/notebook.jpg", {602, 815},
                                 {8, 8, 591, 764}, {272, 776, 65, 33}};
    return kind == PictureForm::Kind::GameChart ? chart : notebook;
}

} // namespace

PictureForm::PictureForm(Kind kind)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowCloseButtonHint)
{
    installAccessibleInterfaces();
    const Layout &layout = layoutOf(kind);
    setObjectName(QLatin1String(layout.name));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromUtf16(layout.caption));
    setWindowIcon(programIcon());

    // Where the designed window would not fit the work area (the notebook window on a
    // 1366 x 768 laptop), the picture shrinks, aspect kept, and the rest moves up with it.
    QPixmap image(QLatin1String(layout.image));
    QSize client = layout.client;
    QRect picture = layout.picture;
    QRect button = layout.button;
    const QMargins around(0, 0, client.width() - image.width(), client.height() - image.height());
    const QScreen *screen = QGuiApplication::primaryScreen();
    const double scale = screen ? scaleToFit(image.size(), expectedFrame(this) + around, screen->availableGeometry()) : 1.0;
    if (scale < 1.0) {
        const qreal ratio = devicePixelRatioF();
        const QSize shown = (QSizeF(image.size()) * scale).toSize();
        const QSize shrink = image.size() - shown;
        image = image.scaled(shown * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        image.setDevicePixelRatio(ratio);
        client -= shrink;
        picture.setSize(picture.size() - shrink);
        button.translate(-shrink.width() / 2, -shrink.height());
    }
    setFixedSize(client);

    Picture1 = new PictureBox(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(picture);
    Picture1->setPixmap(image);
    Picture1->setAccessibleName(windowTitle());

    Command1 = new QPushButton(QStringLiteral("确定&O"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(button);
    Command1->setAutoDefault(false);
    Command1->setDefault(false);
    connect(Command1, &QPushButton::clicked, this, &PictureForm::Command1_Click);

    setTabOrder(Picture1, Command1);
    letEnterPressButtons(this);

    centreOnScreen(this);
}

void PictureForm::Command1_Click()
{
    close();
}

void PictureForm::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(event);
}
