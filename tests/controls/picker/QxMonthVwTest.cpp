#include "PickerFixture.h"

#include "ui/support/ContextMenus.h"

#include "BagKeys.h"
#include "ErrorOf.h"
#include "controls/picker/PickerPartWidgets.h"
#include "platform/automation/PropertyBag.h"
#include "platform/automation/StdFont.h"
#include "platform/automation/VariantCoercion.h"
#include "platform/date/DateArithmetic.h"

using namespace corvane;

namespace
{
constexpr date::Date kFeb12 = 37299.0; // 2002-02-12, lunar new year
}

TEST_F(PickerTest, CreationShowsTodayThenANewControlShowsTheFirstOfJanuary1901)
{
    ObjectPtr<QxMonthVw> fresh = MakeObject<QxMonthVw>();
    EXPECT_EQ(fresh->CurrDate(), kToday);
    EXPECT_EQ(fresh->Caption(), "2002年07月19日 星期五");
    EXPECT_EQ(State().DropInDate, kToday);

    EXPECT_EQ(picker->CurrDate(), 367.0);
    EXPECT_EQ(picker->Caption(), "1901年01月01日 星期二");
    EXPECT_EQ(Caption().Text().toStdString(), "1901年01月01日 星期二");
    EXPECT_EQ(picker->AgrDateFormat(), 0);
    EXPECT_EQ(picker->Appearance(), 0);
    EXPECT_EQ(picker->BorderStyle(), 1);
    EXPECT_EQ(picker->BackColor(), 0x80000005u);
    EXPECT_EQ(picker->ForeColor(), 0x80000012u);
    EXPECT_EQ(picker->ExtentTwips(), QSize(4369, 285));
    EXPECT_EQ(picker->Surface()->size(), QSize(291, 19));
}

TEST_F(PickerTest, CaptionFollowsEveryFormat)
{
    picker->SetCurrDate(kFeb12 + 0.75);
    // The captions of the five formats are the engine's (DateCaption); any other format is kept and
    // shows the date alone.
    const char *expected[] = {
        "2002年02月12日 星期二",
        "2002年02月12日 农历: 正月 初一日 星期二",
        "2002年02月12日",
        "2002年02月12日",
    };
    const std::int32_t formats[] = {0, 4, 7, -1};
    events.clear();
    for (std::size_t i = 0; i < std::size(formats); ++i) {
        picker->SetAgrDateFormat(formats[i]);
        EXPECT_EQ(picker->AgrDateFormat(), formats[i]);
        EXPECT_EQ(picker->Caption(), expected[i]) << formats[i];
    }
    EXPECT_TRUE(events.empty()) << "a format raises no Change";
    EXPECT_EQ(picker->CurrDate(), kFeb12 + 0.75) << "the date is stored with its time of day";
}

TEST_F(PickerTest, EveryAssignmentOfTheDateRaisesChange)
{
    picker->SetCurrDate(kFeb12);
    picker->SetCurrDate(kFeb12);
    EXPECT_EQ(events, (std::vector<std::string>{"Change", "Change"}));
}

// A date or a format whose caption cannot be computed leaves the control as it was.
TEST_F(PickerTest, AnUncaptionableDateOrFormatChangesNothing)
{
    picker->SetCurrDate(kFeb12);
    events.clear();
    // The engine converts days up to 2100, but the picker keeps the range hosts have always seen.
    for (const date::Date outside :
         {date::FromYmd(2032, 1, 1), date::FromYmd(2057, 9, 28) + 0.5, date::FromYmd(2101, 1, 1)}) {
        EXPECT_EQ(ErrorOf([&] { picker->SetCurrDate(outside); }), 9) << outside;
        EXPECT_EQ(picker->CurrDate(), kFeb12);
        EXPECT_EQ(picker->Caption(), "2002年02月12日 星期二");
        EXPECT_TRUE(events.empty());
    }
    picker->SetCurrDate(date::FromYmd(2031, 12, 31) + 0.75);
    EXPECT_EQ(picker->Caption(), "2031年12月31日 星期三");
    picker->SetCurrDate(kFeb12);
    events.clear();

    const date::Date outside = date::FromYmd(2101, 1, 1);

    PropertyBag bag;
    bag.Write("CurrDate", Variant::FromDate(outside));
    picker->Load(bag); // a saved date is taken as it is
    EXPECT_EQ(picker->CurrDate(), outside);
    EXPECT_EQ(ErrorOf([&] { picker->SetAgrDateFormat(2); }), 9);
    EXPECT_EQ(picker->AgrDateFormat(), 1);
    EXPECT_EQ(picker->Caption(), "QxMonthVw");
}

TEST_F(PickerTest, LookPropertiesLayTheControlOutAgainAndRefuseOtherValues)
{
    picker->SetAppearance(1);
    EXPECT_EQ(picker->ExtentTwips(), QSize(4399, 300));
    picker->SetBorderStyle(0);
    EXPECT_EQ(picker->ExtentTwips(), QSize(4365, 265));
    EXPECT_EQ(Part("PictBtn")->geometry(), QRect(274, 2, 12, 12)); // the flat button variant
    picker->Surface()->setFixedSize(500, 100); // a host cannot resize it for good
    picker->SetAppearance(0);
    EXPECT_EQ(picker->Surface()->size(), QSize(291, 18));

    EXPECT_EQ(ErrorOf([&] { picker->SetAppearance(2); }), 380);
    EXPECT_EQ(ErrorOf([&] { picker->SetBorderStyle(-1); }), 380);
    EXPECT_EQ(ErrorOf([&] { picker->SetBackColor(0x81000000); }), 380);
    EXPECT_EQ(picker->Appearance(), 0);
    EXPECT_EQ(picker->BorderStyle(), 0);
    EXPECT_EQ(picker->BackColor(), 0x80000005u);
}

TEST_F(PickerTest, FontTakesFontObjectsOnly)
{
    ObjectPtr<StdFont> font = MakeObject<StdFont>();
    font->SetName("MS Sans Serif");
    picker->SetFont(ObjectHandle(font));
    EXPECT_EQ(picker->Font().get(), font.get()) << "the object is shared, not copied";
    EXPECT_EQ(ErrorOf([&] { picker->SetFont(ObjectHandle(MakeObject<QxMonthVw>())); }), 13);
    EXPECT_EQ(ErrorOf([&] { picker->SetFont(ObjectHandle()); }), 13);
    EXPECT_EQ(picker->Font().get(), font.get());
}

TEST_F(PickerTest, ANewControlSavesFiveKeysAndLoadsThemBack)
{
    PropertyBag bag;
    picker->Save(bag);
    EXPECT_EQ(BagKeys(bag), (std::vector<std::string>{"BorderStyle", "BackColor", "Font", "Caption", "AgrDateFormat"}));
    EXPECT_EQ(ToString(bag.Read("Caption")), "1901年01月01日 星期二");
    EXPECT_EQ(ToI4(bag.Read("AgrDateFormat")), 0);
    EXPECT_EQ(bag.Read("Font").AsRecord().TypeName().Str(), "StdFont");

    picker->SetAppearance(1);
    picker->SetForeColor(0x000000FF);
    picker->SetCurrDate(kFeb12);
    picker->SetAgrDateFormat(3);
    picker->Font()->SetSize(12.0f);
    bag.Clear();
    picker->Save(bag);
    ObjectPtr<QxMonthVw> loaded = MakeObject<QxMonthVw>();
    loaded->Load(bag);
    PropertyBag again;
    loaded->Save(again);
    EXPECT_EQ(again, bag);
    EXPECT_EQ(loaded->Caption(), "2002年02月12日 农历: 正月 初一日");
    EXPECT_EQ(loaded->Font()->Get().size, 12.0f);
    EXPECT_EQ(loaded->ExtentTwips(), QSize(4399, 300));
}

TEST_F(PickerTest, ABagWithOnlyTheDateKeepsTheDefaultCaptionAndLooksFlatWithoutBorder)
{
    PropertyBag bag;
    bag.Write("CurrDate", Variant::FromDate(kFeb12));
    events.clear();
    picker->Load(bag);
    EXPECT_EQ(picker->Caption(), "QxMonthVw");
    EXPECT_EQ(picker->CurrDate(), kFeb12);
    EXPECT_EQ(picker->AgrDateFormat(), 1);
    EXPECT_EQ(picker->Appearance(), 0);
    EXPECT_EQ(picker->BorderStyle(), 0);
    EXPECT_EQ(picker->BackColor(), 0x00FFFFFFu);
    EXPECT_EQ(picker->ExtentTwips(), QSize(4365, 270));
    EXPECT_TRUE(events.empty());
}

TEST_F(PickerTest, ABadBagLeavesTheControlAsItWas)
{
    struct Case {
        const char *key;
        Variant value;
        int error;
    };
    Record font("StdFont");
    font.Add("Size", Variant(-3.0f));
    const Case cases[] = {
        {"Appearance", Variant(std::int16_t(5)), 380},
        {"BackColor", Variant(std::int32_t(0x7F000000)), 380},
        {"Font", Variant(font), 380},
        {"Font", Variant(std::int32_t(3)), 13},
        {"CurrDate", Variant("yesterday"), 13},
    };
    for (const Case &c : cases) {
        PropertyBag bag;
        bag.Write("Caption", Variant("loaded"));
        bag.Write(c.key, c.value);
        EXPECT_EQ(ErrorOf([&] { picker->Load(bag); }), c.error) << c.key;
        EXPECT_EQ(picker->Caption(), "1901年01月01日 星期二") << c.key;
        EXPECT_EQ(picker->BorderStyle(), 1) << c.key;
    }
}

TEST_F(PickerTest, NoPartOpensAMenuInEnglish)
{
    ShowHost();
    EXPECT_EQ(EnglishEntries(ContextMenuEntries(*picker->Surface())).join(QStringLiteral(", ")).toStdString(), "");
}
