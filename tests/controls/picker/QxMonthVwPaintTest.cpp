#include "PickerFixture.h"

#include "platform/ui/OleColor.h"

#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QScreen>

using namespace corvane;

namespace
{
int Darkness(const QColor &c)
{
    return 255 * 3 - (c.red() + c.green() + c.blue());
}
} // namespace

TEST_F(PickerTest, PaintsTheBoxBorderBackgroundAndTheDropArrow)
{
    picker->SetBackColor(0x0000FFFF); // yellow
    ShowHost();
    const QImage box = picker->Surface()->grab().toImage();
    const qreal ratio = box.devicePixelRatio();
    const QColor frame = ui::ResolveOleColor(0x80000006, picker->Surface()->palette());
    EXPECT_EQ(box.pixelColor(0, 0).rgb(), frame.rgb()) << "the flat single-line border";
    EXPECT_EQ(box.pixelColor(QPoint(4, 9) * ratio), QColor(Qt::yellow));
    // The button frame shows the lower arrow of the bar: a glyph on the button face, and none of
    // the box behind it.
    const QRect button = Part("PictBtn")->geometry().translated(Part("PictBtn")->parentWidget()->pos());
    int darkest = 0;
    int lightest = 255 * 3;
    for (int y = button.top(); y <= button.bottom(); ++y) {
        for (int x = button.left(); x <= button.right(); ++x) {
            const QColor c = box.pixelColor(QPoint(x, y) * ratio);
            EXPECT_NE(c, QColor(Qt::yellow));
            darkest = std::max(darkest, Darkness(c));
            lightest = std::min(lightest, Darkness(c));
        }
    }
    EXPECT_GT(darkest - lightest, 150);
}

// System colours are the desktop's: the box's BackColor (the window colour) follows a palette change.
TEST_F(PickerTest, SystemColoursFollowAPaletteChange)
{
    ShowHost();
    const auto background = [this] { return picker->Surface()->grab().toImage().pixelColor(4, 9); };
    const QPalette before = QApplication::palette();
    QPalette changed = before;
    changed.setColor(QPalette::Base, QColor(40, 50, 60));
    QApplication::setPalette(changed);
    QApplication::processEvents();
    const QColor shown = background();
    QApplication::setPalette(before);
    QApplication::processEvents();
    EXPECT_EQ(shown, QColor(40, 50, 60));
    EXPECT_EQ(background(), before.color(QPalette::Base));
}

// The visible drop button is the arrow, all of it: a click on any pixel row of it, delivered to the
// widget under that pixel, opens the drop-down in every look.
TEST_F(PickerTest, EveryRowOfTheVisibleDropButtonOpensTheDropDown)
{
    ShowHost();
    struct Look {
        int appearance;
        int borderStyle;
    };
    for (const Look look : {Look{0, 0}, Look{0, 1}, Look{1, 0}, Look{1, 1}}) {
        picker->SetAppearance(look.appearance);
        picker->SetBorderStyle(look.borderStyle);
        QWidget *surface = picker->Surface();
        QWidget *frame = Part("PictBtn");
        std::vector<int> deadRows;
        for (int y = 0; y < frame->height(); ++y) {
            const QPoint at = frame->mapTo(surface, QPoint(frame->width() / 2, y));
            QWidget *target = surface->childAt(at);
            ASSERT_NE(target, nullptr);
            QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->mapFrom(surface, at));
            Settle();
            if (!State().DropShown)
                deadRows.push_back(y);
            else
                ClickDropButton();
            ASSERT_FALSE(State().DropShown);
        }
        EXPECT_TRUE(deadRows.empty()) << "look " << look.appearance << look.borderStyle << ": "
                                      << testing::PrintToString(deadRows) << " of " << frame->height() << " rows";
    }
}

TEST_F(PickerTest, WritesAPictureOfTheOpenDropDown)
{
    picker->SetAgrDateFormat(2);
    picker->SetCurrDate(kToday);
    ShowHost();
    ClickDropButton();
    Settle();
    ASSERT_TRUE(View().isVisible());
    const QRect area = form->geometry().united(View().geometry()).adjusted(-4, -4, 4, 4);
    const QPixmap shot = form->screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    const QString path = QDir(QStringLiteral(CORVANE_SNAPSHOT_DIR))
                             .filePath(QStringLiteral("QxMonthVw-open-%1.png").arg(QGuiApplication::platformName()));
    ASSERT_TRUE(shot.save(path)) << path.toStdString();
    // The month view hangs from the picker's bottom edge, its left edge on the picker's.
    const QImage image = shot.toImage();
    const QPoint under = View().geometry().topLeft() - area.topLeft() + QPoint(20, 2);
    EXPECT_NE(image.pixelColor(under * shot.devicePixelRatio()), QColor(Qt::black));
    EXPECT_EQ(View().geometry().top(), form->geometry().top() + 30 + 19);
    EXPECT_EQ(View().geometry().left(), form->geometry().left() + 15);
}
