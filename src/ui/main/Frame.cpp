#include "ui/main/Frame.h"

#include <QPainter>
#include <QStyle>

void Frame::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics(font());
    const qreal middle = metrics.height() / 2;

    // an etched line: dark, with a light one inside it
    p.setPen(palette().color(QPalette::Mid));
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, middle + 0.5, -1.5, -1.5), 2, 2);
    p.setPen(palette().color(QPalette::Light));
    p.drawRoundedRect(QRectF(rect()).adjusted(1.5, middle + 1.5, -0.5, -0.5), 2, 2);

    const QRect caption(6, 0, metrics.horizontalAdvance(title()) + 6, metrics.height());
    p.fillRect(caption, palette().window());
    style()->drawItemText(&p, caption.adjusted(3, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, palette(), isEnabled(),
                          title(), QPalette::WindowText);
}
