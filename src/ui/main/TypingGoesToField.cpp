#include "ui/main/TypingGoesToField.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace {

class TypingGoesToField final : public QObject
{
public:
    TypingGoesToField(QObject *parent, QLineEdit *field)
        : QObject(parent)
        , m_field(field)
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_field || !qobject_cast<QPushButton *>(watched))
            return false;
        QString typed;
        if (event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            const Qt::KeyboardModifiers commands = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
            if (key->modifiers() & commands)
                return false;
            typed = key->text();
            if (typed.isEmpty() || typed == u" " || !typed.front().isPrint())
                return false;
        } else if (event->type() == QEvent::InputMethod) {
            typed = static_cast<QInputMethodEvent *>(event)->commitString();
            if (typed.isEmpty())
                return false;
        } else {
            return false;
        }
        m_field->setFocus(Qt::OtherFocusReason);
        m_field->end(false);
        m_field->insert(typed);
        return true;
    }

private:
    QPointer<QLineEdit> m_field;
};

} // namespace

void letTypingGoTo(QWidget *window, QLineEdit *field)
{
    auto *filter = new TypingGoesToField(window, field);
    const QList<QPushButton *> buttons = window->findChildren<QPushButton *>();
    for (QPushButton *button : buttons)
        button->installEventFilter(filter);
}
