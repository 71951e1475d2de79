#include "ui/NumberBox.h"

#include "core/editors/RegEditorControls.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>

#include <algorithm>

namespace tombrel {

NumberBox::NumberBox(QWidget* parent) : QAbstractSpinBox(parent) {
    setNumber(0);
}

void NumberBox::setRange(int low, int high) {
    low_ = std::min(low, high);
    high_ = std::max(low, high);
    update(); // the buttons' enabled look
}

void NumberBox::setNumber(int value) {
    lineEdit()->setText(QString::number(value));
    update();
}

int NumberBox::number() const {
    return typedNumber(text().toStdString());
}

void NumberBox::stepBy(int steps) {
    const int current = number();
    // From text that is no number the buttons start at the range's end they point to.
    const long long start = current == kNotANumber ? (steps > 0 ? low_ - 1 : high_ + 1) : current;
    const long long next = std::clamp<long long>(start + steps, low_, high_);
    setNumber(static_cast<int>(next));
    selectAll();
}

QAbstractSpinBox::StepEnabled NumberBox::stepEnabled() const {
    if (isReadOnly())
        return StepNone;
    const int current = number();
    if (current == kNotANumber)
        return StepUpEnabled | StepDownEnabled;
    StepEnabled enabled = StepNone;
    if (current < high_)
        enabled |= StepUpEnabled;
    if (current > low_)
        enabled |= StepDownEnabled;
    return enabled;
}

QSize NumberBox::sizeHint() const {
    ensurePolished();
    const QFontMetrics metrics(fontMetrics());
    const QString widest =
        QString::number(std::max(std::abs(low_), std::abs(high_))) + QStringLiteral("  ");
    QSize content(metrics.horizontalAdvance(widest) + 4, lineEdit()->sizeHint().height());
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    return style()->sizeFromContents(QStyle::CT_SpinBox, &option, content, this);
}

QSize NumberBox::minimumSizeHint() const {
    return sizeHint();
}

} // namespace tombrel
