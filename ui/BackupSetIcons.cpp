#include "ui/BackupSetIcons.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QStyle>

namespace tombrel {

namespace {

// A small keyboard badge painted over the corner of the folder icon: white keys with black keys
// between them, in a frame whose colour tells the kinds apart.
void paintBadge(QPainter& p, const QRect& area, const QColor& frame) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(frame);
    p.drawRoundedRect(area, area.height() / 5.0, area.height() / 5.0);
    const QRectF keys = QRectF(area).adjusted(area.width() * 0.12, area.height() * 0.22,
                                              -area.width() * 0.12, -area.height() * 0.18);
    p.setBrush(Qt::white);
    p.drawRect(keys);
    const int whiteKeys = 4;
    const qreal keyWidth = keys.width() / whiteKeys;
    p.setPen(QPen(frame.darker(160), qMax(1.0, keyWidth / 6)));
    for (int i = 1; i < whiteKeys; ++i)
        p.drawLine(QPointF(keys.left() + i * keyWidth, keys.top()),
                   QPointF(keys.left() + i * keyWidth, keys.bottom()));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    // Two black keys with a gap between them, so that the badge reads as a keyboard.
    for (int i : {1, 3}) {
        const qreal x = keys.left() + i * keyWidth - keyWidth * 0.3;
        p.drawRect(QRectF(x, keys.top(), keyWidth * 0.6, keys.height() * 0.58));
    }
}

QPixmap iconPixmap(const QIcon& folder, int size, const QColor& frame) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    folder.paint(&p, QRect(0, 0, size, size));
    const int badge = size * 5 / 8;
    paintBadge(p, QRect(size - badge, size - badge * 3 / 4, badge, badge * 3 / 4), frame);
    return pixmap;
}

} // namespace

QIcon backupSetIcon(BackupSetIcon kind) {
    QColor frame;
    switch (kind) {
    case BackupSetIcon::Registration:
        frame = QColor(0x1e, 0x7b, 0x34);
        break;
    case BackupSetIcon::FlashStyle:
        frame = QColor(0x8a, 0x3f, 0xb5);
        break;
    case BackupSetIcon::OtherSet:
        frame = QColor(0x70, 0x70, 0x70);
        break;
    }
    QStyle* style = QApplication::style();
    QIcon icon;
    for (int size : {16, 24, 32, 48}) {
        icon.addPixmap(iconPixmap(style->standardIcon(QStyle::SP_DirClosedIcon), size, frame),
                       QIcon::Normal, QIcon::Off);
    }
    return icon;
}

} // namespace tombrel
