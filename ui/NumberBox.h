#pragma once

// The number edit with up-down buttons of the registration editors. Unlike a spin box it keeps
// whatever the user typed, so that a number outside the range, or text that is no number, stays
// in the edit until OK checks it and names the range (the editors' forms hold the rule). The
// buttons, the arrow keys and the wheel step inside the range and never leave it.

#include <QAbstractSpinBox>

namespace tombrel {

class NumberBox : public QAbstractSpinBox {
    Q_OBJECT
    Q_PROPERTY(int value READ number WRITE setNumber)
public:
    explicit NumberBox(QWidget* parent = nullptr);

    // The range the buttons step in.
    void setRange(int low, int high);
    int minimum() const { return low_; }
    int maximum() const { return high_; }

    // Shows a number; the text after that is the number's.
    void setNumber(int value);
    // The typed text as a number; kNotANumber while it is none.
    int number() const;

    // The edit inside, for its selection.
    using QAbstractSpinBox::lineEdit;

    void stepBy(int steps) override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    StepEnabled stepEnabled() const override;

private:
    int low_ = 0;
    int high_ = 99;
};

} // namespace tombrel
