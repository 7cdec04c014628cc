#include "FakePlatform.h"

Platform::Button FakePlatform::messageBox(QWidget *, const QString &text, const QString &title, Icon icon,
                                          Buttons buttons, Button defaultButton)
{
    const Message message{text, title, icon, buttons, defaultButton};
    messages.append(message);
    if (onMessage)
        onMessage(message);
    return m_answers.isEmpty() ? defaultButton : m_answers.takeFirst();
}
