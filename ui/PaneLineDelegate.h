#pragma once

// How the lines of both panes are drawn. The registration list draws two columns split at the
// tab: the number column (40 pixels, wider when the font needs it) and the text. The archive
// list draws a two-level tree from each line's tree flags: dotted connectors, a box with "+" or
// "-" on categories that hold lines, and child lines indented under their category.
//
// A selected line is filled with the highlight colour while its list has the keyboard focus and
// with the grey-text colour otherwise, so that the selection of the other pane stays visible
// but plainly not the one the keys act on.

#include <QStyledItemDelegate>

namespace tombrel {

class PaneLineDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    enum class Kind { Registration, Archive };

    // The width of the zone at the left of an archive line that toggles its category.
    static constexpr int kToggleZone = 16;

    explicit PaneLineDelegate(Kind kind, QObject* parent = nullptr);

    static int numberColumnWidth(const QFontMetrics& metrics);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    void paintRegistrationLine(QPainter* painter, const QStyleOptionViewItem& option,
                               const QString& text, const QColor& textColour) const;
    void paintArchiveLine(QPainter* painter, const QStyleOptionViewItem& option,
                          const QString& text, unsigned flags, const QColor& textColour) const;

    Kind kind_;
};

} // namespace tombrel
