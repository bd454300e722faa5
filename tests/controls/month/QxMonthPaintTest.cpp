#include "QxMonthFixture.h"

#include "controls/month/MonthColors.h"

#include <QDir>
#include <QPaintEvent>
#include <QScreen>
#include <QWindow>

using namespace corvane;

namespace
{

constexpr ui::OleColor kSelect = 0x00FFFF80;

// Records the rectangles of the grid's paint events.
struct PaintSpy final : QObject {
    std::vector<QRect> rects;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            rects.push_back(static_cast<QPaintEvent *>(event)->rect());
        return false;
    }
};

// Pixels of a cell that differ from a colour (the text, the highlight).
int PixelsNot(const QImage &image, const QRect &cell, QRgb color)
{
    int count = 0;
    for (int y = cell.top(); y <= cell.bottom(); ++y)
        for (int x = cell.left(); x <= cell.right(); ++x)
            count += (image.pixel(x, y) & 0xFFFFFF) != (color & 0xFFFFFF);
    return count;
}

bool HasPixel(const QImage &image, const QRect &area, const std::function<bool(QColor)> &match)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (match(image.pixelColor(x, y)))
                return true;
    return false;
}

} // namespace

class QxMonthPaint : public QxMonthTest
{
protected:
    QImage Grab() const { return grid()->grab().toImage(); }
    QRect Cell(int day) const
    {
        const date::Ymd shown = Current();
        return grid()->CellRect(month::PlaceDay(month::FirstDayOffset(shown.year, shown.month), day));
    }
};

TEST_F(QxMonthPaint, OnAWhiteGridTheSelectedCellShowsExactlyTheSelectColour)
{
    Select(2002, 7, 19);
    const QImage image = Grab();
    ASSERT_EQ(image.size(), grid()->size()); // one device pixel per pixel offscreen
    const QRect selected = Cell(19);
    EXPECT_EQ(image.pixelColor(selected.topLeft()), QColor(0x80, 0xFF, 0xFF));
    EXPECT_EQ(image.pixelColor(selected.bottomRight()), QColor(0x80, 0xFF, 0xFF));
    EXPECT_EQ(image.pixelColor(Cell(18).topLeft()), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(selected.right() + 1, selected.top()), QColor(Qt::white));
    EXPECT_LT(PixelsNot(image, selected, qRgb(0x80, 0xFF, 0xFF)), selected.width() * selected.height() / 4);
}

TEST_F(QxMonthPaint, OnAColouredGridTheHighlightIsNotSelectXorBackground)
{
    Select(2002, 7, 19);
    control->SetColor(&month::MonthColors::DateBackColor, "DateBackColor", 0x00336699);
    const QImage image = Grab();
    EXPECT_EQ(image.pixelColor(Cell(18).topLeft()), QColor(0x99, 0x66, 0x33));
    // NOT (0x80 XOR 0x99), NOT (0xFF XOR 0x66), NOT (0xFF XOR 0x33)
    EXPECT_EQ(image.pixelColor(Cell(19).topLeft()), QColor(0xE6, 0x66, 0x33));

    control->SetColor(&month::MonthColors::DateBackColor, "DateBackColor", 0x00FFFFFF);
    control->SetColor(&month::MonthColors::SelectColor, "SelectColor", 0x00FFFFFF);
    grid()->clearFocus(); // the focus frame would show where the highlight does not
    const QImage invisible = Grab();
    Select(2002, 7, 20);
    EXPECT_EQ(invisible.copy(Cell(19)), Grab().copy(Cell(19))); // white on white: no highlight to see
}

// The focus frame inverts what lies under it, inside the selected cell, and goes with the focus.
TEST_F(QxMonthPaint, WhileTheGridHasTheFocusTheSelectedCellCarriesAnInvertingFrame)
{
    for (const ui::OleColor background : {ui::OleColor(0x00FFFFFF), ui::OleColor(0x00000000)}) {
        Select(2002, 7, 19);
        control->SetColor(&month::MonthColors::DateBackColor, "DateBackColor", background);
        grid()->setFocus();
        ASSERT_TRUE(grid()->hasFocus());
        const QImage focused = Grab();
        grid()->clearFocus();
        const QImage unfocused = Grab();
        int framePixels = 0;
        for (int y = 0; y < focused.height(); ++y)
            for (int x = 0; x < focused.width(); ++x) {
                const QRgb with = focused.pixel(x, y);
                const QRgb without = unfocused.pixel(x, y);
                if (with == without)
                    continue;
                ++framePixels;
                EXPECT_TRUE(Cell(19).adjusted(1, 1, -1, -1).contains(x, y)) << x << "," << y;
                EXPECT_EQ(with & 0xFFFFFF, ~without & 0xFFFFFF) << x << "," << y;
            }
        // A dotted line (one pixel in three) all round a cell of about 41 x 25 pixels.
        EXPECT_GT(framePixels, 30) << std::hex << background;
    }
}

TEST_F(QxMonthPaint, AMoveInsideTheMonthRedrawsTwoCellsOnlyOnceAnAssignmentWasDrawnInFull)
{
    Select(2002, 7, 19); // an assignment: the next move inside the month repaints in full first
    QApplication::processEvents();
    PaintSpy spy;
    grid()->installEventFilter(&spy);
    control->SelectDate(date::FromYmd(2002, 7, 18));
    EXPECT_FALSE(control->RepaintPending());
    control->SelectDate(date::FromYmd(2002, 7, 3));
    ASSERT_EQ(spy.rects.size(), 2u);
    EXPECT_EQ(spy.rects[0], grid()->rect());
    EXPECT_EQ(spy.rects[1], Cell(3).united(Cell(18)));
    EXPECT_EQ(Grab().pixelColor(Cell(3).topLeft()), QColor(0x80, 0xFF, 0xFF));
    EXPECT_EQ(Grab().pixelColor(Cell(18).topLeft()), QColor(Qt::white));

    spy.rects.clear();
    control->SetCurrDate(date::FromYmd(2002, 7, 4)); // inside the shown month, still in full
    ASSERT_EQ(spy.rects.size(), 1u);
    EXPECT_EQ(spy.rects[0], grid()->rect());
    grid()->removeEventFilter(&spy);
}

TEST_F(QxMonthPaint, TodayIsBoldOnlyWhileTodaysMonthIsShown)
{
    Select(2002, 7, 1);
    const auto ink = [this] {
        QRect upper = Cell(19);
        upper.setHeight(upper.height() / 2);
        return PixelsNot(Grab(), upper, qRgb(255, 255, 255));
    };
    const int bold = ink();
    clock.Set(date::FromYmd(2002, 8, 19));
    control->Refresh();
    const int regular = ink();
    EXPECT_GT(regular, 0);
    EXPECT_GT(bold, regular + regular / 10);
}

TEST_F(QxMonthPaint, FestivalsSaturdaysAndLunarLinesTakeTheirColours)
{
    control->SetColor(&month::MonthColors::FestForeColor, "FestForeColor", 0x00FF0000); // blue
    control->SetColor(&month::MonthColors::AgrForeColor, "AgrForeColor", 0x00FF00FF); // magenta
    // Anti-aliased text blends into the white grid: a colour shows as one channel standing out.
    const auto blue = [](QColor c) { return c.blue() - std::max(c.red(), c.green()) > 60; };
    const auto magenta = [](QColor c) { return std::min(c.red(), c.blue()) - c.green() > 60; };
    const auto green = [](QColor c) { return c.green() - std::max(c.red(), c.blue()) > 40; };
    const auto halves = [](QRect cell) {
        QRect upper = cell;
        upper.setHeight(cell.height() / 2);
        return std::pair{upper, cell.adjusted(0, cell.height() / 2, 0, 0)};
    };

    Select(2002, 7, 20); // 1 July 2002, a Monday, is 建党节; the 6th a Saturday without festival
    QImage image = Grab();
    auto [upper, lower] = halves(Cell(1));
    EXPECT_TRUE(HasPixel(image, upper, blue));
    EXPECT_TRUE(HasPixel(image, lower, blue));
    EXPECT_FALSE(HasPixel(image, Cell(1), magenta));
    std::tie(upper, lower) = halves(Cell(6));
    EXPECT_TRUE(HasPixel(image, upper, green));
    EXPECT_TRUE(HasPixel(image, lower, magenta));
    EXPECT_FALSE(HasPixel(image, Cell(6), blue));

    Select(2002, 6, 20); // 1 June 2002, a Saturday, is 儿童节
    image = Grab();
    std::tie(upper, lower) = halves(Cell(1));
    EXPECT_TRUE(HasPixel(image, upper, blue));
    EXPECT_FALSE(HasPixel(image, Cell(1), green));
}

// System colours are the desktop's: after a palette change the grid and the strips show the new ones,
// and the old ones come back with the old palette.
TEST_F(QxMonthPaint, SystemColoursFollowAPaletteChange)
{
    Select(2002, 7, 19);
    const QPalette before = QApplication::palette();
    const auto colours = [this] {
        return std::pair{Grab().pixelColor(Cell(18).topLeft()), part("PictWeekday")->grab().toImage().pixelColor(1, 1)};
    };
    QPalette changed = before;
    changed.setColor(QPalette::HighlightedText, QColor(20, 30, 40)); // DateBackColor 0x8000000E
    changed.setColor(QPalette::Base, QColor(50, 60, 70)); // WeekBackColor 0x80000005
    QApplication::setPalette(changed);
    QApplication::processEvents();
    const auto [grid, strip] = colours();
    QApplication::setPalette(before);
    QApplication::processEvents();
    EXPECT_EQ(grid, QColor(20, 30, 40));
    EXPECT_EQ(strip, QColor(50, 60, 70));
    EXPECT_EQ(colours(), std::pair(before.color(QPalette::HighlightedText), before.color(QPalette::Base)));
}

TEST_F(QxMonthPaint, WritesAPictureOfJuly2002)
{
    Select(2002, 7, 19);
    QApplication::processEvents();
    const QPixmap shot = surface()->screen()->grabWindow(surface()->winId());
    ASSERT_EQ(shot.size() / shot.devicePixelRatio(), surface()->size());
    const QString path = QDir(QStringLiteral(CORVANE_SNAPSHOT_DIR))
                             .filePath(QStringLiteral("QxMonth-2002-07-%1.png").arg(QGuiApplication::platformName()));
    ASSERT_TRUE(shot.save(path)) << path.toStdString();
    const QImage image = shot.toImage();
    EXPECT_EQ(image.pixelColor(grid()->mapTo(surface(), Cell(19).topLeft()) * shot.devicePixelRatio()),
              QColor(0x80, 0xFF, 0xFF));
}
