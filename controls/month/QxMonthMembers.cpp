// The type library entry of QxMonth: the members of _QxMonth in interface order and the events of
// __QxMonth.
#include "QxMonth.h"

#include "api/CalendarMembers.h"
#include "controls/about/AboutBox.h"
#include "controls/common/ControlEvents.h"
#include "platform/ui/OleColorBag.h"

#include <array>

namespace corvane
{

namespace
{

using month::MonthColors;

QxMonth &Self(AutomationObject &object)
{
    return static_cast<QxMonth &>(object);
}

struct ColorMember {
    const char *name;
    DispId id;
    ui::OleColor MonthColors::*field;
    const char *help;
};

// clang-format off
constexpr ColorMember kColors[] = {
    {"ForeColor",      0x6803000A, &MonthColors::ForeColor,      "Returns/sets the foreground color used to display text and graphics in an object."},
    {"AgrForeColor",   0x68030007, &MonthColors::AgrForeColor,   "返回/设置农历日期显示的前景色。"},
    {"FestForeColor",  0x68030006, &MonthColors::FestForeColor,  "返回/设置节日显示的前景色。"},
    {"DateBackColor",  0x68030005, &MonthColors::DateBackColor,  "返回/设置日期的背景色。"},
    {"WeekForeColor",  0x68030004, &MonthColors::WeekForeColor,  "返回/设置星期（星期一至星期五）的前景色。"},
    {"StForeColor",    0x68030003, &MonthColors::StForeColor,    "返回/设置星期六的前景色。"},
    {"WeekBackColor",  0x68030002, &MonthColors::WeekBackColor,  "返回/设置星期的背景色。"},
    {"sTermBackColor", 0x68030001, &MonthColors::sTermBackColor, "返回/设置节气的背景色。"},
    {"SelectColor",    0x68030000, &MonthColors::SelectColor,    "返回/设置所选日期的背景色。"},
};
// clang-format on

template<std::size_t I>
void GetColor(AutomationObject &self, std::span<Variant>, Variant &result)
{
    result = std::int32_t(Self(self).Colors().*kColors[I].field);
}

template<std::size_t I>
void PutColor(AutomationObject &self, std::span<Variant> args, Variant &)
{
    Self(self).SetColor(kColors[I].field, kColors[I].name, ui::OleColor(args[0].AsI4()));
}

template<std::size_t I>
std::array<MemberInfo, 2> ColorRows()
{
    const ColorMember &c = kColors[I];
    return {PropertyGet(c.name, c.id, ui::kOleColorType, GetColor<I>, c.help),
            PropertyPut(c.name, c.id, ui::kOleColorType, PutColor<I>, c.help)};
}

constexpr const char *kEnabledHelp =
    "Returns/sets a value that determines whether an object can respond to user-generated events.";
constexpr const char *kRefreshHelp = "Forces a complete repaint of a object.";
constexpr const char *kAppearanceHelp =
    "Returns/sets whether or not an object is painted at run time with 3-D effects.";
constexpr const char *kCurrDateHelp = "设置/返回控件的当前日期。为缺省属性。";

constexpr DispId kHWndId = 0x6803000B;
constexpr DispId kEnabledId = 0x68030009;
constexpr DispId kRefreshId = 0x60030021;
constexpr DispId kAppearanceId = 0x68030008;
constexpr DispId kFirstCalendarMethodId = 0x6003002F;

std::vector<MemberInfo> MakeMembers()
{
    std::vector<MemberInfo> members;
    const auto add = [&members](const auto &rows) { members.insert(members.end(), rows.begin(), rows.end()); };
    members.push_back(ui::ControlBase::HWndGetMember(kHWndId));
    add(ColorRows<0>());
    members.push_back(ui::ControlBase::EnabledGetMember(kEnabledId, kEnabledHelp));
    members.push_back(ui::ControlBase::EnabledPutMember(kEnabledId, kEnabledHelp));
    members.push_back(Method(
        "Refresh",
        kRefreshId,
        {},
        types::None,
        [](AutomationObject &self, std::span<Variant>, Variant &) { Self(self).Refresh(); },
        kRefreshHelp));
    members.push_back(PropertyGet(
        "Appearance",
        kAppearanceId,
        types::Enum("cApperance"),
        [](AutomationObject &self, std::span<Variant>, Variant &result) {
            result = std::int32_t(Self(self).Appearance());
        },
        kAppearanceHelp));
    members.push_back(PropertyPut(
        "Appearance",
        kAppearanceId,
        types::Enum("cApperance"),
        [](AutomationObject &self, std::span<Variant> args, Variant &) { Self(self).SetAppearance(args[0].AsI4()); },
        kAppearanceHelp));
    members.push_back(PropertyGet(
        "CurrDate",
        kDispIdValue,
        types::Date,
        [](AutomationObject &self, std::span<Variant>, Variant &result) {
            result = Variant::FromDate(Self(self).CurrDate());
        },
        kCurrDateHelp));
    members.push_back(PropertyPut(
        "CurrDate",
        kDispIdValue,
        types::Date,
        [](AutomationObject &self, std::span<Variant> args, Variant &) { Self(self).SetCurrDate(args[0].AsDate()); },
        kCurrDateHelp));
    add(ColorRows<1>());
    add(ColorRows<2>());
    add(ColorRows<3>());
    add(ColorRows<4>());
    add(ColorRows<5>());
    add(ColorRows<6>());
    add(ColorRows<7>());
    add(ColorRows<8>());
    members.push_back(AboutMember());
    add(CalendarMembers::Methods(kFirstCalendarMethodId,
                                 CalendarMembers::Naming::Standard,
                                 CalendarMembers::HelpSet::Standard));
    return members;
}

constexpr EventInfo kEvents[] = {
    {"Click", QxMonth::kClick, {}, "Occurs when the user presses and then releases a mouse button over an object."},
    {"DblClick", QxMonth::kDblClick, {}},
    {"KeyDown",
     QxMonth::kKeyDown,
     ui::kKeyEventParams,
     "Occurs when the user presses a key while an object has the focus."},
    {"KeyPress", QxMonth::kKeyPress, ui::kKeyAsciiEventParams},
    {"KeyUp", QxMonth::kKeyUp, ui::kKeyEventParams},
    {"MouseDown", QxMonth::kMouseDown, ui::kMouseEventParams},
    {"MouseMove", QxMonth::kMouseMove, ui::kMouseEventParams},
    {"MouseUp", QxMonth::kMouseUp, ui::kMouseEventParams},
    {"Change", QxMonth::kChange, {}, "Occurs when the contents of a control have changed."},
};

} // namespace

const ClassInfo &QxMonth::Info()
{
    static const std::vector<MemberInfo> members = MakeMembers();
    static constexpr ClassIdentity kIdentity{.className = "QxMonth",
                                             .classUuid = "{C96D7607-34AD-4090-802B-0B3F8C212F98}",
                                             .interfaceUuid = "{02695643-083E-4E27-9B68-404E5B746ED5}",
                                             .eventsName = "__QxMonth",
                                             .eventsUuid = "{FA9F0E8A-B7C3-4167-A350-9187044B11CB}"};
    static const ClassInfo info("_QxMonth", {members}, kEvents, "", kIdentity);
    return info;
}

} // namespace corvane
