#include "ui/ProgramIcon.h"

#include <QPainter>
#include <QPixmap>

namespace tombrel {

QImage programIconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF body(size * 0.04, size * 0.18, size * 0.92, size * 0.64);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2e, 0x4a, 0x7a));
    p.drawRoundedRect(body, size * 0.08, size * 0.08);
    const QRectF keys = body.adjusted(size * 0.06, size * 0.22, -size * 0.06, -size * 0.06);
    p.setBrush(Qt::white);
    p.drawRect(keys);
    const int whiteKeys = 7;
    const qreal keyWidth = keys.width() / whiteKeys;
    p.setPen(QPen(QColor(0x50, 0x50, 0x50), qMax(1.0, size / 48.0)));
    for (int i = 1; i < whiteKeys; ++i)
        p.drawLine(QPointF(keys.left() + i * keyWidth, keys.top()),
                   QPointF(keys.left() + i * keyWidth, keys.bottom()));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    // Black keys after the first, second, fourth, fifth and sixth white key.
    for (int i : {1, 2, 4, 5, 6}) {
        const qreal x = keys.left() + i * keyWidth - keyWidth * 0.3;
        p.drawRect(QRectF(x, keys.top(), keyWidth * 0.6, keys.height() * 0.6));
    }
    p.end();
    return image;
}

QIcon programIcon() {
    QIcon icon;
    for (int size : kProgramIconSizes)
        icon.addPixmap(QPixmap::fromImage(programIconImage(size)));
    return icon;
}

} // namespace tombrel
