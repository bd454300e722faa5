// How the spin editors look against the desktop's colours: the arrows of the spin buttons and the
// colours that follow a palette change at run time.
#include "SpinFixture.h"
#include "ui/support/ContextMenus.h"

#include "platform/ui/OleColor.h"

#include <QPalette>

using namespace corvane;

namespace
{

// Installs an application palette for its lifetime.
class ScopedPalette
{
public:
    explicit ScopedPalette(const QPalette &palette)
        : m_previous(QApplication::palette())
    {
        QApplication::setPalette(palette);
        QApplication::processEvents();
    }
    ~ScopedPalette()
    {
        QApplication::setPalette(m_previous);
        QApplication::processEvents();
    }
    ScopedPalette(const ScopedPalette &) = delete;
    ScopedPalette &operator=(const ScopedPalette &) = delete;

private:
    QPalette m_previous;
};

// A palette whose button text, grey text and window frame can be told apart in any blend with the
// white button face: blue, red and green.
QPalette TellTalePalette()
{
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Button, Qt::white);
    palette.setColor(QPalette::ButtonText, QColor(0, 0, 255));
    palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(255, 0, 0));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(255, 0, 0));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(255, 0, 0));
    palette.setColor(QPalette::Shadow, QColor(0, 160, 0));
    return palette;
}

struct Ink {
    int blue = 0;
    int red = 0;
    int green = 0;
};

// The pixels of an image in which one channel stands out.
Ink InkOf(const QImage &image)
{
    Ink ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            ink.blue += c.blue() - std::max(c.red(), c.green()) > 60;
            ink.red += c.red() - std::max(c.green(), c.blue()) > 60;
            ink.green += c.green() - std::max(c.red(), c.blue()) > 60;
        }
    }
    return ink;
}

template<class T>
class SpinLook : public testing::Test
{
protected:
    static const char *BarName() { return std::is_same_v<T, DateUpDown> ? "VScrollUpDown" : "VScTimeUpDown"; }

    // A new editor, shown; the fixture's clock is not needed for the look.
    static ObjectPtr<T> Shown(int appearance, bool enabled)
    {
        ObjectPtr<T> control = MakeObject<T>();
        control->InitNew();
        control->SetAppearance(appearance);
        control->SetEnabled(enabled);
        control->Surface()->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(control->Surface()));
        return control;
    }

    // What each spin button shows: its container's inner area with the bar clipped in it.
    static std::vector<QImage> Buttons(const ObjectPtr<T> &control)
    {
        std::vector<QImage> images;
        for (QScrollBar *bar : control->Surface()->template findChildren<QScrollBar *>(QString::fromUtf8(BarName())))
            images.push_back(bar->parentWidget()->grab().toImage());
        return images;
    }
};

using Editors = testing::Types<DateUpDown, TimeUpDown>;
TYPED_TEST_SUITE(SpinLook, Editors);

TYPED_TEST(SpinLook, ArrowsTakeTheButtonTextColourAndAreGreyOnlyWhenDisabled)
{
    const ScopedPalette palette(TellTalePalette());
    for (const int appearance : {0, 1}) {
        for (const bool enabled : {true, false}) {
            SCOPED_TRACE(testing::Message() << "appearance " << appearance << (enabled ? " enabled" : " disabled"));
            const ObjectPtr<TypeParam> control = this->Shown(appearance, enabled);
            const std::vector<QImage> buttons = this->Buttons(control);
            ASSERT_EQ(buttons.size(), 2u);
            for (const QImage &button : buttons) {
                const Ink ink = InkOf(button);
                EXPECT_EQ(ink.green, 0) << "no arrow in the frame colour";
                if (enabled) {
                    EXPECT_GT(ink.blue, 3) << "the arrow in the button text colour";
                    EXPECT_EQ(ink.red, 0);
                } else {
                    EXPECT_GT(ink.red, 3) << "the arrow greyed";
                    EXPECT_EQ(ink.blue, 0);
                }
            }
        }
    }
}

TYPED_TEST(SpinLook, SystemColoursFollowAPaletteChange)
{
    const ObjectPtr<TypeParam> control = this->Shown(0, true);
    QWidget *text = control->Surface()->template findChild<QWidget *>(QStringLiteral("TxtDate"));
    const QPoint inside(2, 2); // inside the border, above and left of the text
    QPalette changed = QApplication::palette();
    changed.setColor(QPalette::Base, QColor(40, 50, 60)); // BackColor 0x80000005
    changed.setColor(QPalette::Button, QColor(200, 100, 0)); // the button face of the background panel
    {
        const ScopedPalette palette(changed);
        EXPECT_EQ(text->grab().toImage().pixelColor(inside), QColor(40, 50, 60));
        QWidget *back = control->Surface()->template findChild<QWidget *>(QStringLiteral("PictBack"));
        EXPECT_EQ(back->grab().toImage().pixelColor(1, 1), QColor(200, 100, 0));
    }
    EXPECT_EQ(text->grab().toImage().pixelColor(inside), QApplication::palette().color(QPalette::Base));
}

// The text box's own menu is the only one the editor has, and it reads in Chinese.
TYPED_TEST(SpinLook, TheOnlyMenuIsTheTextBoxsAndItIsInChinese)
{
    const ObjectPtr<TypeParam> control = this->Shown(0, true);
    const QStringList entries = ContextMenuEntries(*control->Surface());
    EXPECT_EQ(entries, (QStringList{QStringLiteral("复制(&C)"), QStringLiteral("全选(&A)")}));
    EXPECT_EQ(EnglishEntries(entries).join(QStringLiteral(", ")).toStdString(), "");
}

} // namespace
