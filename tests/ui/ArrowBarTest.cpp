#include "platform/ui/ArrowBar.h"

#include <QApplication>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace corvane::ui;

namespace
{

// A container whose text colour differs from its button text, as a control's parts often have.
std::unique_ptr<QWidget> Container(const QColor &buttonText)
{
    auto container = std::make_unique<QWidget>();
    QPalette palette = container->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    palette.setColor(QPalette::ButtonText, buttonText);
    palette.setColor(QPalette::Disabled, QPalette::Text, Qt::green);
    container->setPalette(palette);
    return container;
}

ArrowBar *BarIn(QWidget &container)
{
    return new ArrowBar(Qt::Vertical, 0, 10, 0, ArrowBar::Arrows::Lower, &container);
}

qint64 ArrowKey(const ArrowBar &bar)
{
    return bar.ArrowPalette(bar.palette()).cacheKey();
}

} // namespace

TEST(ArrowBar, ArrowsTakeTheButtonTextColourAndGreyWhileDisabled)
{
    // A bar under the application's palette, and one whose container has its own.
    const QPalette before = QApplication::palette();
    QPalette app = before;
    app.setColor(QPalette::ButtonText, Qt::darkCyan);
    app.setColor(QPalette::Disabled, QPalette::Text, Qt::darkYellow);
    QApplication::setPalette(app);
    QWidget plain;
    const QPalette first = BarIn(plain)->ArrowPalette(plain.palette());
    QApplication::setPalette(before);
    const auto container = Container(Qt::blue);
    const QPalette arrows = BarIn(*container)->ArrowPalette(container->palette());
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText}) {
        EXPECT_EQ(first.color(QPalette::Active, role), QColor(Qt::darkCyan)) << role;
        EXPECT_EQ(first.color(QPalette::Disabled, role), QColor(Qt::darkYellow)) << role;
        EXPECT_EQ(arrows.color(QPalette::Active, role), QColor(Qt::blue)) << role;
        EXPECT_EQ(arrows.color(QPalette::Inactive, role), QColor(Qt::blue)) << role;
        EXPECT_EQ(arrows.color(QPalette::Disabled, role), QColor(Qt::green)) << role;
    }
}

// The style caches what it draws by palette: a bar must paint with the same palette for as long as
// its own stays the same, whatever other bars paint in between, or the cache grows at every paint.
TEST(ArrowBar, ABarPaintsWithOnePaletteWhileItsOwnStaysTheSame)
{
    std::vector<std::unique_ptr<QWidget>> containers;
    std::vector<ArrowBar *> bars;
    for (int i = 0; i < 40; ++i) {
        containers.push_back(Container(QColor(i, 0, 0)));
        bars.push_back(BarIn(*containers.back()));
    }
    std::vector<qint64> first;
    for (const ArrowBar *bar : bars)
        first.push_back(ArrowKey(*bar));
    for (std::size_t i = 0; i < bars.size(); ++i)
        EXPECT_EQ(ArrowKey(*bars[i]), first[i]) << i;

    // Bars of one palette, painting one after another as the bars of a form do, share their arrows'.
    const qint64 shared = ArrowKey(*BarIn(*containers[7]));
    EXPECT_EQ(ArrowKey(*BarIn(*containers[7])), shared);

    // A new palette gives new arrows.
    QPalette changed = containers[3]->palette();
    changed.setColor(QPalette::ButtonText, Qt::magenta);
    containers[3]->setPalette(changed);
    EXPECT_NE(ArrowKey(*bars[3]), first[3]);
    EXPECT_EQ(bars[3]->ArrowPalette(bars[3]->palette()).color(QPalette::ButtonText), QColor(Qt::magenta));
}
