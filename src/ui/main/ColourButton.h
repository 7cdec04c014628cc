#pragma once

#include <QColor>
#include <QPushButton>

// A push button that shows its own background colour on every platform; native styles
// ignore a button's palette. Still a QPushButton for keyboard, access keys and screen readers.
class ColourButton final : public QPushButton
{
    Q_OBJECT

public:
    explicit ColourButton(QWidget *parent = nullptr);

    void setColour(const QColor &colour);
    QColor colour() const { return m_colour; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_colour;
};
