#include "ui/main/ColourButton.h"

#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace {

double relativeLuminance(const QColor &c)
{
    const auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    const QColor rgb = c.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

} // namespace

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor captionColourOn(const QColor &fill)
{
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return contrastRatio(fill, black) >= contrastRatio(fill, white) ? black : white;
}

ColourButton::ColourButton(QWidget *parent)
    : QPushButton(parent)
    , m_colour(palette().color(QPalette::Button))
{
}

void ColourButton::setColour(const QColor &colour)
{
    m_colour = colour;
    m_role.reset();
    update();
}

void ColourButton::setColourRole(QPalette::ColorRole role)
{
    m_role = role;
    update();
}

QColor ColourButton::colour() const
{
    return m_role ? palette().color(*m_role) : m_colour;
}

void ColourButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor colour = this->colour();
    const QColor caption = captionColourOn(colour);
    const bool down = isDown() || isChecked();
    QColor fill = down ? colour.darker(118) : colour;
    if (underMouse() && !down)
        fill = fill.lighter(108);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(colour.darker(170));
    p.setBrush(fill);
    p.drawRoundedRect(box, 3, 3);
    if (hasFocus()) {
        // the dotted rectangle of graphical-style buttons, in the caption's colour
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(caption, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(3, 3, -4, -4));
    }
    QPalette text = palette();
    text.setColor(QPalette::ButtonText, caption);
    const QRect label = rect().translated(down ? 1 : 0, down ? 1 : 0);
    style()->drawItemText(&p, label, Qt::AlignCenter | Qt::TextShowMnemonic, text, isEnabled(), this->text(),
                          QPalette::ButtonText);
}
