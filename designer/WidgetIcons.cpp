#include "WidgetIcons.h"

#include <QPainter>
#include <QPixmap>

namespace corvane::designer
{

QIcon SheetIcon(const QString &character)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(0x60, 0x60, 0x60));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(2.5, 4.5, 27, 25), 3, 3);
    painter.fillRect(QRectF(3, 5, 26, 7), QColor(0xc0, 0x30, 0x30));
    QFont font = painter.font();
    font.setPixelSize(15);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(0x20, 0x20, 0x20));
    painter.drawText(QRectF(2, 12, 28, 17), Qt::AlignCenter, character);
    return QIcon(pixmap);
}

} // namespace corvane::designer
