#pragma once

#include <QImage>
#include <QString>

#include <initializer_list>

class QWidget;

namespace corvdemo::tour
{

// The windows as they lie on the screen, drawn into one image over a white background: a form with a
// drop-down that hangs out of it. Windows that are not visible are left out.
QImage Composite(std::initializer_list<QWidget *> windows);

// Writes the image as PNG; false when it cannot.
bool SaveImage(const QImage &image, const QString &path);

} // namespace corvdemo::tour
