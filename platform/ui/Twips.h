#pragma once

#include <QRect>

namespace corvane::ui
{

// Lengths of the design are in twips, 1/1440 inch. Everything that places or sizes a part goes
// through one TwipsScale, taken from the screen, so 15 twips make a pixel at 96 dpi and 12 at 120.
// Pixels here are logical (device-independent) pixels; grabbed images may hold more device pixels.
inline constexpr double kTwipsPerInch = 1440.0;

// A rectangle in twips (left, top, width, height), as the layout tables give them.
struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
    friend constexpr bool operator==(const TwipsRect &, const TwipsRect &) = default;
};

class TwipsScale
{
public:
    // Twips per pixel along each axis.
    constexpr TwipsScale(double perPixelX, double perPixelY)
        : m_x(perPixelX)
        , m_y(perPixelY)
    {
    }
    static constexpr TwipsScale FromDpi(double dpiX, double dpiY)
    {
        return {kTwipsPerInch / dpiX, kTwipsPerInch / dpiY};
    }

    constexpr double PerPixelX() const { return m_x; }
    constexpr double PerPixelY() const { return m_y; }

    // Fractional pixels, for text placed at fractional twips.
    constexpr double ToPixelsX(double twips) const { return twips / m_x; }
    constexpr double ToPixelsY(double twips) const { return twips / m_y; }
    constexpr double ToTwipsX(double pixels) const { return pixels * m_x; }
    constexpr double ToTwipsY(double pixels) const { return pixels * m_y; }

    // A whole-pixel edge: the nearest pixel boundary. Rectangles round each edge on its own, so
    // rectangles that meet in twips meet in pixels, without gaps or overlaps.
    int EdgeX(double twips) const;
    int EdgeY(double twips) const;
    QRect ToPixels(const TwipsRect &rect) const;
    QSize SizeToPixels(int widthTwips, int heightTwips) const;

private:
    double m_x;
    double m_y;
};

// The scale of the primary screen (its logical dots per inch); 15 x 15 when there is no screen.
TwipsScale ScreenTwipsScale();

} // namespace corvane::ui
