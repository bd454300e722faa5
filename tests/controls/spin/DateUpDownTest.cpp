#include "SpinFixture.h"

#include "controls/spin/SpinTextBox.h"
#include "platform/automation/AutomationError.h"
#include "platform/automation/PropertyBag.h"

#include <QClipboard>
#include <QFontInfo>
#include <QFrame>
#include <QInputMethodEvent>
#include <QStyleOptionSlider>

using namespace corvane;
using date::FromHms;
using date::FromYmd;
using spin::kDownButton;
using spin::kUpButton;

namespace
{

int ErrorOf(const std::function<void()> &call)
{
    try {
        call();
    } catch (const AutomationError &e) {
        return e.number();
    }
    return 0;
}

// The part of a bar that its container leaves visible, and the rectangle of one of its arrows, both
// in the container's coordinates.
std::pair<QRect, QRect> VisibleAndArrow(const QScrollBar &bar, QStyle::SubControl arrow)
{
    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.orientation = Qt::Vertical;
    option.minimum = bar.minimum();
    option.maximum = bar.maximum();
    option.sliderPosition = bar.value();
    option.sliderValue = bar.value();
    option.singleStep = bar.singleStep();
    option.pageStep = bar.pageStep();
    const QRect arrowRect = bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, arrow, &bar);
    const QWidget &clip = *bar.parentWidget();
    return {clip.rect() & bar.geometry(), arrowRect.translated(bar.pos())};
}

} // namespace

TEST_F(DateUpDownTest, ANewEditorStoresAndShowsTodayAtMidnight)
{
    EXPECT_EQ(control->CurrDate(), kToday);
    EXPECT_EQ(shown(), Q("2002年07月19日"));
    EXPECT_EQ(control->Text(), "2002年07月19日");
    EXPECT_TRUE(text()->alignment() & Qt::AlignLeft);
    EXPECT_EQ(QFontInfo(text()->font()).pixelSize(), 12);
    EXPECT_TRUE(events.empty());
    EXPECT_TRUE(site.reported.empty());
}

TEST_F(DateUpDownTest, WritingCurrDateHoldsTheYearShowsTheDateAndRaisesOneChange)
{
    struct Case {
        date::Date written;
        date::Date stored;
        const char *text;
    };
    const Case cases[] = {
        {FromYmd(2045, 3, 15) + FromHms(9, 0, 0), FromYmd(2030, 3, 15), "2030年03月15日"},
        {FromYmd(1896, 2, 29), FromYmd(1901, 3, 1), "1901年03月01日"},
        {FromYmd(2002, 6, 10) + FromHms(8, 15, 0), FromYmd(2002, 6, 10) + FromHms(8, 15, 0), "2002年06月10日"},
        {FromYmd(2002, 6, 10) + FromHms(8, 15, 0), FromYmd(2002, 6, 10) + FromHms(8, 15, 0), "2002年06月10日"},
    };
    for (const Case &c : cases) {
        events.clear();
        site.reported.clear();
        control->SetCurrDate(c.written);
        EXPECT_EQ(control->CurrDate(), c.stored) << c.text;
        EXPECT_EQ(shown(), Q(c.text));
        EXPECT_EQ(events, (std::vector<std::string>{"Change"})) << c.text;
        EXPECT_EQ(site.reported, (std::vector<std::string>{"CurrDate"})) << c.text;
    }
}

TEST_F(DateUpDownTest, TheCaretChoosesTheFieldAButtonStepsAndComesBack)
{
    struct Case {
        int caret;
        const char *text;
        int caretAfter;
    };
    const Case cases[] = {
        {0, "2003年07月19日", 0},
        {4, "2003年07月19日", 4},
        {5, "2002年08月19日", 5},
        {7, "2002年08月19日", 7},
        {8, "2002年07月20日", 8},
        {10, "2002年07月20日", 10},
        {11, "2003年07月19日", 1},
    };
    for (const Case &c : cases) {
        Set(kToday);
        PressAt(c.caret, kUpButton);
        EXPECT_EQ(shown(), Q(c.text)) << c.caret;
        EXPECT_EQ(text()->cursorPosition(), c.caretAfter) << c.caret;
        EXPECT_EQ(events, (std::vector<std::string>{"Click"})) << c.caret;
        EXPECT_TRUE(site.reported.empty()) << c.caret;
        EXPECT_EQ(bar(kUpButton)->value(), 2);
    }
}

TEST_F(DateUpDownTest, UpAndDownKeysStepTheFieldAtTheCaretLikeTheButtons)
{
    text()->setCursorPosition(6);
    EXPECT_TRUE(Key(Qt::Key_Up));
    EXPECT_EQ(shown(), Q("2002年08月19日"));
    EXPECT_TRUE(Key(Qt::Key_Down));
    EXPECT_TRUE(Key(Qt::Key_Down));
    EXPECT_EQ(shown(), Q("2002年06月19日"));
    EXPECT_EQ(text()->cursorPosition(), 6);
    EXPECT_EQ(events, (std::vector<std::string>{"Click", "Click", "Click"}));

    events.clear();
    EXPECT_FALSE(Key(Qt::Key_Up, Qt::ControlModifier));
    EXPECT_EQ(shown(), Q("2002年06月19日"));
    EXPECT_TRUE(events.empty());
}

TEST_F(DateUpDownTest, TypingPastingAndInputMethodsLeaveTheTextAloneWhileTheCaretMoves)
{
    QApplication::clipboard()->setText(QStringLiteral("1999"));
    text()->setCursorPosition(2);
    EXPECT_FALSE(Key(Qt::Key_5, Qt::NoModifier, QStringLiteral("5")));
    EXPECT_FALSE(Key(Qt::Key_Backspace));
    EXPECT_FALSE(Key(Qt::Key_Delete));
    EXPECT_FALSE(Key(Qt::Key_V, Qt::ControlModifier));
    EXPECT_FALSE(Key(Qt::Key_Z, Qt::ControlModifier));
    text()->selectAll();
    EXPECT_FALSE(Key(Qt::Key_X, Qt::ControlModifier));
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("1999"));
    QApplication::sendEvent(text(), &commit);
    EXPECT_EQ(shown(), Q("2002年07月19日"));

    EXPECT_TRUE(Key(Qt::Key_Home));
    EXPECT_EQ(text()->cursorPosition(), 0);
    EXPECT_TRUE(Key(Qt::Key_Right, Qt::ShiftModifier));
    EXPECT_EQ(text()->selectedText(), QStringLiteral("2"));
    EXPECT_TRUE(Key(Qt::Key_C, Qt::ControlModifier));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("2"));
    EXPECT_EQ(control->CurrDate(), kToday);
    EXPECT_TRUE(events.empty());
}

TEST_F(DateUpDownTest, ASelectionStepsTheFieldWhereItStarts)
{
    text()->setSelection(10, -5); // 月19 selected from right to left: it starts at 5
    Press(kUpButton);
    EXPECT_EQ(shown(), Q("2002年08月19日"));
    EXPECT_FALSE(text()->hasSelectedText());
    EXPECT_EQ(text()->cursorPosition(), 5);
}

TEST_F(DateUpDownTest, TheLayoutFixesTheSizeOfEachAppearanceAndShowsOneArrowPerButton)
{
    struct Case {
        int appearance;
        QSize twips;
        QSize pixels;
    };
    const Case cases[] = {{1, {1695, 255}, {113, 17}}, {0, {1725, 285}, {115, 19}}};
    for (const Case &c : cases) {
        site.reported.clear();
        control->SetAppearance(c.appearance);
        EXPECT_EQ(site.reported, (std::vector<std::string>{"Appearance"}));
        EXPECT_EQ(control->ExtentTwips(), c.twips);
        EXPECT_EQ(surface()->size(), c.pixels);
        surface()->resize(200, 40); // a host asking for 3000 twips
        QApplication::processEvents();
        EXPECT_EQ(surface()->size(), c.pixels);
        EXPECT_EQ(part("PictBack")->size(), c.pixels);
        EXPECT_EQ(static_cast<spin::SpinTextBox *>(text())->ThreeD(), c.appearance == 1);
        EXPECT_EQ(part<QFrame>("PictUp")->frameShape(), c.appearance == 1 ? QFrame::NoFrame : QFrame::Box);

        // The upper container is level with the text box's top, the lower one with its bottom.
        EXPECT_EQ(part("PictUp")->geometry().top(), text()->geometry().top());
        EXPECT_EQ(part("PictDown")->geometry().bottom(), text()->geometry().bottom());
        EXPECT_EQ(part("PictUp")->geometry().left(), text()->geometry().right());

        // Whatever a container leaves visible of its bar is that bar's own arrow.
        const auto [upVisible, upArrow] = VisibleAndArrow(*bar(kUpButton), QStyle::SC_ScrollBarSubLine);
        EXPECT_FALSE(upVisible.isEmpty());
        EXPECT_TRUE(upArrow.contains(upVisible)) << c.appearance;
        const auto [downVisible, downArrow] = VisibleAndArrow(*bar(kDownButton), QStyle::SC_ScrollBarAddLine);
        EXPECT_FALSE(downVisible.isEmpty());
        EXPECT_TRUE(downArrow.contains(downVisible)) << c.appearance;
        EXPECT_TRUE(part("PictUp")->isAncestorOf(bar(kUpButton)));
        EXPECT_TRUE(part("PictDown")->isAncestorOf(bar(kDownButton)));
    }
    EXPECT_EQ(ErrorOf([this] { control->SetAppearance(2); }), 380);
    EXPECT_EQ(control->Appearance(), 0);
}

TEST_F(DateUpDownTest, ColoursGoToTheTextBoxAndNonColoursAreRefused)
{
    control->SetBackColor(0x00FFFF00);
    EXPECT_EQ(text()->palette().color(QPalette::Base), QColor(0x00, 0xFF, 0xFF));
    EXPECT_EQ(text()->palette().color(QPalette::Text), surface()->palette().color(QPalette::Text));
    control->SetForeColor(0x000000FF);
    EXPECT_EQ(text()->palette().color(QPalette::Text), QColor(0xFF, 0x00, 0x00));
    EXPECT_EQ(site.reported, (std::vector<std::string>{"BackColor", "ForeColor"}));
    EXPECT_EQ(ErrorOf([this] { control->SetForeColor(0x7F000000); }), 380);
    EXPECT_EQ(control->ForeColor(), 0x000000FFu);
    EXPECT_EQ(site.reported.size(), 2u);
}

TEST_F(DateUpDownTest, ADisabledEditorTakesNoStep)
{
    control->SetEnabled(false);
    Press(kUpButton);
    Key(Qt::Key_Up);
    EXPECT_EQ(shown(), Q("2002年07月19日"));
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(site.reported, (std::vector<std::string>{"Enabled"}));
}

TEST_F(DateUpDownTest, OnlyTheBareSurfaceRaisesMouseEvents)
{
    // Between the two containers a one-pixel strip of the control's own surface shows.
    const QPoint gap(100, 9);
    ASSERT_EQ(surface()->childAt(gap), nullptr);
    QTest::mousePress(surface(), Qt::LeftButton, Qt::NoModifier, gap);
    QTest::mouseRelease(surface(), Qt::LeftButton, Qt::NoModifier, gap);
    EXPECT_EQ(events, (std::vector<std::string>{"MouseDown(1,0,1500,135)", "MouseUp(1,0,1500,135)"}));
    EXPECT_EQ(QApplication::focusWidget(), text());

    events.clear();
    QTest::mouseClick(text(), Qt::LeftButton);
    QTest::mouseDClick(text(), Qt::LeftButton);
    EXPECT_TRUE(events.empty());
}

TEST_F(DateUpDownTest, ANewEditorSavesItsDateAndLoadsEverythingItSaved)
{
    PropertyBag fresh;
    control->Save(fresh);
    ASSERT_EQ(fresh.Size(), 1u);
    EXPECT_EQ(fresh.Read("CurrDate"), Variant::FromDate(kToday));

    control->SetAppearance(1);
    control->SetBackColor(0x00FFFF00);
    control->SetEnabled(false);
    Set(FromYmd(2002, 6, 10) + FromHms(8, 15, 0));
    PropertyBag bag;
    control->Save(bag);

    const ObjectPtr<DateUpDown> other = MakeObject<DateUpDown>();
    Site otherSite;
    other->SetSite(&otherSite);
    std::size_t raised = 0;
    other->Advise(MakeEventSink([&raised](DispId, std::span<Variant>) { ++raised; }));
    other->Load(bag);
    EXPECT_EQ(other->CurrDate(), control->CurrDate());
    EXPECT_EQ(other->Text(), "2002年06月10日");
    EXPECT_EQ(other->Appearance(), 1);
    EXPECT_EQ(other->ExtentTwips(), QSize(1695, 255));
    EXPECT_EQ(other->BackColor(), 0x00FFFF00u);
    EXPECT_FALSE(other->Enabled());
    EXPECT_EQ(raised, 0u);
    EXPECT_TRUE(otherSite.reported.empty());
}

TEST_F(DateUpDownTest, ALoadedDateIsShownAsLoadedAndAMissingOneIsToday)
{
    PropertyBag bag;
    bag.Write("CurrDate", Variant::FromDate(FromYmd(2045, 3, 15)));
    control->Load(bag);
    EXPECT_EQ(control->CurrDate(), FromYmd(2045, 3, 15));
    EXPECT_EQ(shown(), Q("2045年03月15日"));

    PropertyBag empty;
    control->Load(empty);
    EXPECT_EQ(control->CurrDate(), kToday);
    EXPECT_EQ(shown(), Q("2002年07月19日"));
    EXPECT_TRUE(events.empty());
}

TEST_F(DateUpDownTest, AboutShowsTheAboutBoxModally)
{
    Variant result;
    control->Invoke(kDispIdAbout, InvokeKind::Method, {}, result);
    ASSERT_EQ(modal.dialogs.size(), 1u);
    EXPECT_EQ(modal.dialogs[0]->objectName(), QStringLiteral("frmAbout"));
}
