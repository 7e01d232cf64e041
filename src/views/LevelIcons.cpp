#include "views/LevelIcons.h"

#include "core/MessageSink.h"

#include <QPainter>
#include <QPainterPath>
#include <QString>

namespace kvf::views {

QColor LevelColour(int level) {
    switch (level) {
    case LEVEL_ERROR:
        return {0xd0, 0x30, 0x30};
    case LEVEL_FATAL:
        return {0x80, 0x00, 0x20};
    case LEVEL_WARNING:
        return {0xf0, 0xb0, 0x20};
    default:
        return {0x30, 0x70, 0xd0};
    }
}

QIcon LevelIcon(int level) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QString glyph = level == LEVEL_ERROR     ? "x"
                          : level == LEVEL_FATAL   ? "!"
                          : level == LEVEL_WARNING ? "!"
                                                   : "i";
    painter.setPen(Qt::NoPen);
    painter.setBrush(LevelColour(level));
    if (level == LEVEL_WARNING) {
        QPainterPath triangle;
        triangle.moveTo(8, 1);
        triangle.lineTo(15, 15);
        triangle.lineTo(1, 15);
        triangle.closeSubpath();
        painter.drawPath(triangle);
    } else if (level == LEVEL_FATAL) {
        painter.drawRoundedRect(QRectF(1, 1, 14, 14), 3, 3);
    } else {
        painter.drawEllipse(QRectF(1, 1, 14, 14));
    }
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(11);
    painter.setFont(font);
    painter.setPen(level == LEVEL_WARNING ? Qt::black : Qt::white);
    painter.drawText(QRectF(0, level == LEVEL_WARNING ? 3 : 0, 16, 16), Qt::AlignCenter, glyph);
    return QIcon(pixmap);
}

} // namespace kvf::views
