#pragma once

#include <QGroupBox>

// A captioned frame drawn the classic way: the caption sits on the frame's top line, so
// the inside of the frame belongs to its controls from the top edge on. (A style sheet
// would do the same but brings a style-sheet style to every control inside.)
class Frame final : public QGroupBox
{
    Q_OBJECT

public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent *event) override;
};
