#include "ui/main/ColourButton.h"

#include <QPainter>
#include <QStyle>

ColourButton::ColourButton(QWidget *parent)
    : QPushButton(parent)
    , m_colour(palette().color(QPalette::Button))
{
}

void ColourButton::setColour(const QColor &colour)
{
    m_colour = colour;
    update();
}

void ColourButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const bool down = isDown() || isChecked();
    QColor fill = down ? m_colour.darker(118) : m_colour;
    if (underMouse() && !down)
        fill = fill.lighter(108);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(m_colour.darker(170));
    p.setBrush(fill);
    p.drawRoundedRect(box, 3, 3);
    if (hasFocus()) {
        // the dotted rectangle of graphical-style buttons: black reads on any colour
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(3, 3, -4, -4));
    }
    // black captions, as graphical-style buttons have whatever their colour
    QPalette text = palette();
    text.setColor(QPalette::ButtonText, Qt::black);
    const QRect label = rect().translated(down ? 1 : 0, down ? 1 : 0);
    style()->drawItemText(&p, label, Qt::AlignCenter | Qt::TextShowMnemonic, text, isEnabled(), this->text(),
                          QPalette::ButtonText);
}
