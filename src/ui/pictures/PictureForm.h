#pragma once

#include <QString>
#include <QWidget>

class PictureBox;
class QPushButton;

// A small fixed window showing one built-in picture and an OK button ("确定&O").
// Closing it releases it (WA_DeleteOnClose); the opener builds it anew next time.
class PictureForm final : public QWidget
{
    Q_OBJECT

public:
    enum class Kind { GameChart, Notebook }; // Form2, Form3

    explicit PictureForm(Kind kind);

    PictureBox *Picture1 = nullptr;
    QPushButton *Command1 = nullptr;

    void Command1_Click();

protected:
    // Esc closes it, as it closes a viewer or a dialog.
    void keyPressEvent(QKeyEvent *event) override;
};
