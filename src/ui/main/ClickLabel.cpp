#include "ui/main/ClickLabel.h"

#include "ui/main/ColourButton.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

class AccessibleClickLabel final : public QAccessibleWidget
{
public:
    explicit AccessibleClickLabel(ClickLabel *label)
        : QAccessibleWidget(label, QAccessible::Link)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<const ClickLabel *>(widget())->text();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction())
            static_cast<ClickLabel *>(widget())->click();
    }
};

QAccessibleInterface *accessibleClickLabel(const QString &className, QObject *object)
{
    if (className == QLatin1String("ClickLabel") && object && object->isWidgetType())
        return new AccessibleClickLabel(static_cast<ClickLabel *>(object));
    return nullptr;
}

} // namespace

ClickLabel::ClickLabel(QWidget *parent)
    : QLabel(parent)
{
    static const bool registered = (QAccessible::installFactory(accessibleClickLabel), true);
    Q_UNUSED(registered)
    setFocusPolicy(Qt::TabFocus); // a click leaves the focus in the field being typed in
    showInHighlightColour();
}

void ClickLabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!(event->modifiers() & ~Qt::KeypadModifier)) {
            click();
            return;
        }
        break;
    default: break;
    }
    QLabel::keyPressEvent(event);
}

void ClickLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // a ring two pixels wide round the text, black or white, whichever stands out more
    // against the window: seen at a glance in light and dark schemes alike
    QPainter p(this);
    p.setPen(QPen(captionColourOn(palette().color(QPalette::Window)), 2));
    const int width = fontMetrics().horizontalAdvance(text());
    p.drawRect(QRectF(1, 1, std::min(width + 4, this->width() - 2), height() - 2));
}

void ClickLabel::showInHighlightColour()
{
    QPalette linkPalette = palette();
    if (linkPalette.color(QPalette::WindowText) == linkPalette.color(QPalette::Highlight))
        return;
    linkPalette.setColor(QPalette::WindowText, linkPalette.color(QPalette::Highlight));
    setPalette(linkPalette);
}

void ClickLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        showInHighlightColour(); // the scheme changed under us
}

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        Q_EMIT clicked();
}
