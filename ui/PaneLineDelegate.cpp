#include "ui/PaneLineDelegate.h"

#include "core/sides/ArchiveSide.h"
#include "ui/ArchiveListModel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPainter>
#include <QStyle>

namespace tombrel {

namespace {

constexpr int kNumberColumn = 40;
constexpr int kTextMargin = 2;
// Connector columns of the two tree levels and where their texts begin.
constexpr int kLevel0Line = 8;
constexpr int kLevel1Line = 24;
constexpr int kLevel0Text = 18;
constexpr int kLevel1Text = 34;
constexpr int kBoxHalf = 4;

bool listHasFocus(const QStyleOptionViewItem& option) {
    const QWidget* view = option.widget;
    return view && view->hasFocus();
}

} // namespace

PaneLineDelegate::PaneLineDelegate(Kind kind, QObject* parent)
    : QStyledItemDelegate(parent), kind_(kind) {}

int PaneLineDelegate::numberColumnWidth(const QFontMetrics& metrics) {
    return qMax(kNumberColumn, metrics.horizontalAdvance(QStringLiteral("<00/0>")) + 6);
}

void PaneLineDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    const QPalette& palette = option.palette;
    const bool selected = option.state & QStyle::State_Selected;
    QColor textColour = palette.color(QPalette::Active, QPalette::Text);
    if (selected) {
        const QColor fill = listHasFocus(option)
                                ? palette.color(QPalette::Active, QPalette::Highlight)
                                : palette.color(QPalette::Disabled, QPalette::Text);
        painter->fillRect(option.rect, fill);
        textColour = palette.color(QPalette::Active, QPalette::HighlightedText);
    } else {
        painter->fillRect(option.rect, palette.color(QPalette::Active, QPalette::Base));
    }

    const QString text = index.data(Qt::DisplayRole).toString();
    painter->save();
    painter->setFont(option.font);
    if (kind_ == Kind::Registration)
        paintRegistrationLine(painter, option, text, textColour);
    else
        paintArchiveLine(painter, option, text,
                         index.data(ArchiveListModel::TreeFlagsRole).toUInt(), textColour);
    painter->restore();

    if ((option.state & QStyle::State_HasFocus) && listHasFocus(option)) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.backgroundColor =
            selected ? palette.color(QPalette::Highlight) : palette.color(QPalette::Base);
        const QStyle* style = option.widget ? option.widget->style() : QApplication::style();
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, option.widget);
    }
}

void PaneLineDelegate::paintRegistrationLine(QPainter* painter, const QStyleOptionViewItem& option,
                                             const QString& text, const QColor& textColour) const {
    const QRect r = option.rect;
    const int column = numberColumnWidth(option.fontMetrics);
    const qsizetype tab = text.indexOf(QLatin1Char('\t'));
    const QString number = tab < 0 ? text : text.left(tab);
    const QString rest = tab < 0 ? QString() : text.mid(tab + 1);
    painter->setPen(textColour);
    const int flags = Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine;
    painter->drawText(QRect(r.left() + kTextMargin, r.top(), column - kTextMargin, r.height()),
                      flags, number);
    if (!rest.isEmpty())
        painter->drawText(QRect(r.left() + column, r.top(), r.width() - column, r.height()), flags,
                          rest);
}

void PaneLineDelegate::paintArchiveLine(QPainter* painter, const QStyleOptionViewItem& option,
                                        const QString& text, unsigned flags,
                                        const QColor& textColour) const {
    const QRect r = option.rect;
    if (flags != 0) {
        const int top = r.top();
        const int bottom = r.bottom();
        const int mid = r.top() + r.height() / 2;
        const int x0 = r.left() + kLevel0Line;
        const int x1 = r.left() + kLevel1Line;
        painter->setPen(QPen(textColour, 1, Qt::DotLine));
        if (flags & TreeCategoryLevel) {
            const bool box = flags & (TreeBoxPlus | TreeBoxMinus);
            if (!(flags & TreeFirstLine))
                painter->drawLine(x0, top, x0, mid);
            if (!(flags & TreeBelowLastCategory))
                painter->drawLine(x0, mid, x0, bottom);
            painter->drawLine(x0, mid, r.left() + kLevel0Text - 3, mid);
            if (flags & TreeChildrenFollow)
                painter->drawLine(x1, bottom - 2, x1, bottom);
            if (box) {
                const QRect square(x0 - kBoxHalf, mid - kBoxHalf, 2 * kBoxHalf, 2 * kBoxHalf);
                // The box looks the same on a selected line.
                painter->setPen(QPen(option.palette.color(QPalette::Active, QPalette::Text), 1));
                painter->fillRect(square, option.palette.color(QPalette::Active, QPalette::Base));
                painter->drawRect(square);
                painter->drawLine(x0 - kBoxHalf + 2, mid, x0 + kBoxHalf - 2, mid);
                if (flags & TreeBoxPlus)
                    painter->drawLine(x0, mid - kBoxHalf + 2, x0, mid + kBoxHalf - 2);
            }
        } else {
            if (!(flags & TreeBelowLastCategory))
                painter->drawLine(x0, top, x0, bottom);
            painter->drawLine(x1, top, x1, (flags & TreeLastChild) ? mid : bottom);
            painter->drawLine(x1, mid, r.left() + kLevel1Text - 3, mid);
        }
    }
    const int indent = (flags & TreeChildLevel) ? kLevel1Text : kLevel0Text;
    painter->setPen(textColour);
    painter->drawText(QRect(r.left() + indent, r.top(), r.width() - indent, r.height()),
                      Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, text);
}

QSize PaneLineDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    return {200, option.fontMetrics.height() + 2};
}

} // namespace tombrel
