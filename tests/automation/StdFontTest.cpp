#include "platform/automation/StdFont.h"
#include "ErrorOf.h"
#include "platform/automation/PropertyBag.h"

#include <gtest/gtest.h>

using namespace corvane;

TEST(StdFont, IsStoredAsTheRecordOfWhatItSavesAndReadBackFromIt)
{
    ObjectPtr<StdFont> font = MakeObject<StdFont>();
    font->SetName("MS Sans Serif");
    font->SetSize(8.25f);
    font->SetBold(true);
    font->SetUnderline(true);
    PropertyBag bag;
    bag.Write("Font", Variant(ObjectHandle(font)));
    const Variant stored = bag.Read("Font");
    const Record &record = stored.AsRecord();
    EXPECT_EQ(record.TypeName().Str(), "StdFont");
    const StdFont::Description back = FontFromRecord(record);
    EXPECT_EQ(back, font->Get());
    EXPECT_EQ(back.weight, 700);
}

TEST(StdFont, ARecordMayHoldAnyFieldsInAnyOrderAndBoldWinsOverWeight)
{
    Record record("stdfont");
    record.Add("Italic", Variant(true));
    record.Add("Bold", Variant(true));
    record.Add("Weight", Variant(std::int16_t(400)));
    record.Add("Size", Variant(std::int32_t(11)));
    record.Add("Comment", Variant("ignored"));
    const StdFont::Description font = FontFromRecord(record);
    EXPECT_EQ(font.name, "宋体");
    EXPECT_EQ(font.size, 11.0f);
    EXPECT_TRUE(font.italic);
    EXPECT_EQ(font.weight, 700);
}

TEST(StdFont, RefusesFontsThatCannotBeDrawn)
{
    struct Case {
        const char *field;
        Variant value;
        int error;
    };
    const Case cases[] = {
        {"Name", Variant(""), 380},
        {"Size", Variant(0.0f), 380},
        {"Size", Variant(5000.0f), 380},
        {"Weight", Variant(std::int16_t(-1)), 380},
        {"Size", Variant("big"), 13},
    };
    for (const Case &c : cases) {
        Record record("StdFont");
        record.Add(c.field, c.value);
        EXPECT_EQ(ErrorOf([&] { FontFromRecord(record); }), c.error) << c.field;
    }
    EXPECT_EQ(ErrorOf([] { FontFromRecord(Record("QxAgrDateNum")); }), 13);

    StdFont font;
    EXPECT_EQ(ErrorOf([&] { font.SetSize(-2.0f); }), 380);
    EXPECT_EQ(ErrorOf([&] { font.SetName(""); }), 380);
    EXPECT_EQ(font.Get(), StdFont::Description{});
}
