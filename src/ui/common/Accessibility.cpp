#include "ui/common/Accessibility.h"

#include <QAccessibleWidget>
#include <QRadioButton>

namespace {

class AccessibleRadioButton final : public QAccessibleWidget
{
public:
    explicit AccessibleRadioButton(QRadioButton *button)
        : QAccessibleWidget(button, QAccessible::RadioButton)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return button()->text().remove(u'&');
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = button()->isChecked();
        return s;
    }

    QStringList actionNames() const override { return {toggleAction(), pressAction()}; }

    void doAction(const QString &actionName) override
    {
        if ((actionName == toggleAction() || actionName == pressAction()) && button()->isEnabled())
            button()->click();
        else
            QAccessibleWidget::doAction(actionName);
    }

private:
    QRadioButton *button() const { return static_cast<QRadioButton *>(widget()); }
};

QAccessibleInterface *programInterfaces(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (className == QLatin1String("QRadioButton"))
        return new AccessibleRadioButton(static_cast<QRadioButton *>(widget));
    if ((className == QLatin1String("Form1") || className == QLatin1String("PictureForm")) && widget->isWindow())
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

} // namespace

void installAccessibleInterfaces()
{
    static const bool installed = (QAccessible::installFactory(programInterfaces), true);
    Q_UNUSED(installed)
}
