#pragma once

#include <QLabel>

// A picture box: an image shown unscaled at the top left inside a 2-pixel sunken border.
// It can take the keyboard focus, as the main window's tab order expects, and shows it.
class PictureBox final : public QLabel
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
