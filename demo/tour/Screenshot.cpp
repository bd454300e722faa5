#include "Screenshot.h"

#include <QPainter>
#include <QPixmap>
#include <QWidget>

namespace corvdemo::tour
{

QImage Composite(std::initializer_list<QWidget *> windows)
{
    QRect area;
    for (QWidget *window : windows)
        if (window && window->isVisible())
            area |= QRect(window->mapToGlobal(QPoint()), window->size());
    QImage image(area.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (QWidget *window : windows)
        if (window && window->isVisible())
            painter.drawPixmap(window->mapToGlobal(QPoint()) - area.topLeft(), window->grab());
    return image;
}

bool SaveImage(const QImage &image, const QString &path)
{
    return !image.isNull() && image.save(path, "PNG");
}

} // namespace corvdemo::tour
