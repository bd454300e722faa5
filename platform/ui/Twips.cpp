#include "Twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace corvane::ui
{

int TwipsScale::EdgeX(double twips) const
{
    return int(std::lround(twips / m_x));
}

int TwipsScale::EdgeY(double twips) const
{
    return int(std::lround(twips / m_y));
}

QRect TwipsScale::ToPixels(const TwipsRect &r) const
{
    const int left = EdgeX(r.left);
    const int top = EdgeY(r.top);
    return QRect(left, top, EdgeX(r.left + r.width) - left, EdgeY(r.top + r.height) - top);
}

QSize TwipsScale::SizeToPixels(int widthTwips, int heightTwips) const
{
    return {EdgeX(widthTwips), EdgeY(heightTwips)};
}

TwipsScale ScreenTwipsScale()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return TwipsScale::FromDpi(96, 96);
    return TwipsScale::FromDpi(screen->logicalDotsPerInchX(), screen->logicalDotsPerInchY());
}

} // namespace corvane::ui
