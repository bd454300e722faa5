// The picker as a foreign host meets it: libcorvane.so found through the registry and loaded at run
// time, members reached by dispatch id with variants, events received through the C ABI.
#include "RegisteredLibraryTest.h"
#include "corvane/corvane.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

using PickerAbi = RegisteredLibraryTest;

std::string Row(const corv_member_desc &m)
{
    std::string row = std::string(m.name) + " " + std::to_string(m.dispid) + " " + std::to_string(m.kind);
    for (std::size_t i = 0; i < m.param_count; ++i)
        row += std::string(i ? "," : " (") + m.params[i].name + (i + 1 == m.param_count ? ")" : "");
    return row;
}

} // namespace

TEST_F(PickerAbi, PublishesItsInterfaceInOrderWithItsOwnParameterNamesAndHelp)
{
    const corv::Object picker = corv::Object::Create("Corvane.QxMonthVw");
    const corv_class_desc &cls = picker.Class();
    EXPECT_STREQ(cls.name, "_QxMonthVw");
    std::vector<std::string> rows;
    for (std::size_t i = 0; i < cls.member_count; ++i)
        rows.push_back(Row(cls.members[i]));
    const std::vector<std::string> expected = {
        "hWnd 1745027080 2",
        "BackColor 1745027079 2",
        "BackColor 1745027079 4",
        "AgrDateFormat 1745027078 2",
        "AgrDateFormat 1745027078 4",
        "ForeColor 1745027077 2",
        "ForeColor 1745027077 4",
        "Enabled 1745027076 2",
        "Enabled 1745027076 4",
        "Font 1745027075 2",
        "Font 1745027075 8",
        "BorderStyle 1745027074 2",
        "BorderStyle 1745027074 4",
        "Refresh 1610809353 1",
        "Appearance 1745027073 2",
        "Appearance 1745027073 4",
        "Caption 1745027072 2",
        "CurrDate 0 2",
        "CurrDate 0 4",
        "About -552 1",
        "GetAgrNumDate 1610809372 1 (CurrDate)",
        "GetAgrStrDate 1610809373 1 (CurrDate)",
        "GetsTermString 1610809374 1 (CurUniYear,sterm)",
        "GetsTermDateTime 1610809375 1 (CurUniYear,sterm)",
        "GetEraNumber 1610809376 1 (CurrDate,CurTime,iMode)",
        "GetEraString 1610809377 1 (CurrDate,CurTime,iMode)",
        "AgrDateToUniDate 1610809378 1 (CurAgrDate)",
    };
    EXPECT_EQ(rows, expected);
    std::vector<std::string> helped;
    for (std::size_t i = 0; i < cls.member_count; ++i)
        if (*cls.members[i].help)
            helped.push_back(cls.members[i].name);
    EXPECT_EQ(helped,
              (std::vector<std::string>{"GetAgrNumDate", "GetAgrStrDate", "GetsTermString", "GetsTermDateTime"}));
    EXPECT_STREQ(cls.members[23].help, "获取指定节气地交节时间。其中包括日期！参数若不传，则使 用当前时间。");
    std::vector<std::string> events;
    for (std::size_t i = 0; i < cls.event_count; ++i)
        events.push_back(std::to_string(cls.events[i].dispid) + " " + cls.events[i].name);
    EXPECT_EQ(
        events,
        (std::vector<
            std::string>{"1 KeyDown", "2 KeyPress", "3 KeyUp", "4 MouseDown", "5 MouseMove", "6 MouseUp", "7 Change"}));
}

TEST_F(PickerAbi, AHostSetsTheDateAndFormatAndSharesAFontObject)
{
    const corv::Object picker = corv::Object::Create("Corvane.QxMonthVw");
    picker.InitNew();
    int changes = 0;
    const corv::Connection sink =
        picker.Advise([&changes](std::int32_t id, std::span<corv::Variant>) { changes += id == 7; });
    picker.Put("CurrDate", corv::Variant::Date(37299.0)); // 2002-02-12
    picker.Put("AgrDateFormat", corv::Variant(std::int32_t(4)));
    EXPECT_EQ(picker.Get("Caption").String(), "2002年02月12日 农历: 正月 初一日 星期二");
    EXPECT_EQ(changes, 1);

    const corv::Object font = picker.Get("Font").AsObject();
    EXPECT_STREQ(font.Class().name, "StdFont");
    EXPECT_EQ(font.Get("Name").String(), "宋体");
    font.Put("Size", corv::Variant(12.0f));
    const corv::Object other = corv::Object::Create("Corvane.QxMonthVw");
    corv::Variant fontArg(font);
    other.Invoke(other.IdOf("Font"), CORV_PROPERTY_PUTREF, std::span<corv::Variant>(&fontArg, 1));
    EXPECT_EQ(other.Get("Font").AsObject().Get("Size").R4(), 12.0f);

    corv::Variant notAFont(picker);
    EXPECT_THROW(other.Invoke(other.IdOf("Font"), CORV_PROPERTY_PUTREF, std::span<corv::Variant>(&notAFont, 1)),
                 corv::Error);
    EXPECT_EQ(corv_last_error(), 13);

    corv::Bag bag;
    picker.Save(bag);
    EXPECT_EQ(bag.Read("Font").RecordType(), "StdFont");
    EXPECT_EQ(bag.Read("AgrDateFormat").I4(), 4);
}
