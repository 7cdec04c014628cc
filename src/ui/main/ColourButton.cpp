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
    p.setPen(QPen(hasFocus() ? palette().color(QPalette::Highlight).darker(140) : m_colour.darker(170),
                  hasFocus() ? 2 : 1));
    p.setBrush(fill);
    p.drawRoundedRect(box.adjusted(hasFocus() ? 0.5 : 0, hasFocus() ? 0.5 : 0, hasFocus() ? -0.5 : 0, hasFocus() ? -0.5 : 0),
                      3, 3);
    QPalette text = palette();
    text.setColor(QPalette::ButtonText, m_colour.lightness() < 140 ? Qt::white : Qt::black);
    const QRect label = rect().translated(down ? 1 : 0, down ? 1 : 0);
    style()->drawItemText(&p, label, Qt::AlignCenter | Qt::TextShowMnemonic, text, isEnabled(), this->text(),
                          QPalette::ButtonText);
}
