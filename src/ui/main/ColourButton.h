#pragma once

#include <QColor>
#include <QPalette>
#include <QPushButton>

#include <optional>

// A push button that shows its own background colour on every platform; native styles
// ignore a button's palette. Still a QPushButton for keyboard, access keys and screen readers.
class ColourButton final : public QPushButton
{
    Q_OBJECT

public:
    explicit ColourButton(QWidget *parent = nullptr);

    // A fixed colour, or one of the desktop scheme's, which follows the scheme when it changes.
    void setColour(const QColor &colour);
    void setColourRole(QPalette::ColorRole role);
    QColor colour() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_colour;
    std::optional<QPalette::ColorRole> m_role;
};

// Black or white, whichever reads better on fill: black on the designed light fills,
// white on the dark ones of dark schemes; never below 4.5:1.
QColor captionColourOn(const QColor &fill);

// The contrast of two colours by relative luminance, 1 to 21.
double contrastRatio(const QColor &a, const QColor &b);
