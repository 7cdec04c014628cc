#include "ui/pictures/PictureBox.h"

#include <QPainter>

PictureBox::PictureBox(QWidget *parent)
    : QLabel(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setMargin(0);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFocusPolicy(Qt::TabFocus);
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // a dotted focus rectangle just inside the border, black over white so that it shows
    // on any picture, and from the start, not only once the keyboard has been used
    QPainter p(this);
    const QRect mark = contentsRect().adjusted(1, 1, -2, -2);
    p.setPen(QPen(Qt::white, 1));
    p.drawRect(mark);
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    p.drawRect(mark);
}
