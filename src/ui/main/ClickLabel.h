#pragma once

#include <QLabel>

// A label that reports a left click, for the example and link labels: its text is in the
// desktop's highlight colour, as links are, and follows a change of colour scheme. Tab
// reaches it, and Enter or Space then clicks it. Screen readers meet it as a link whose
// press action is the click.
class ClickLabel final : public QLabel
{
    Q_OBJECT

public:
    explicit ClickLabel(QWidget *parent = nullptr);

    // What a click does, for the keyboard-free routes (assistive technology).
    void click() { Q_EMIT clicked(); }

Q_SIGNALS:
    void clicked();

protected:
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void showInHighlightColour();

    bool m_pressed = false;
};
