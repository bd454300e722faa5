// The type library entry of QxMonthVw: the members of _QxMonthVw in interface order and the events of
// __QxMonthVw.
#include "QxMonthVw.h"

#include "api/CalendarMembers.h"
#include "controls/about/AboutBox.h"
#include "controls/common/ControlEvents.h"
#include "platform/ui/OleColorBag.h"

#include <vector>

namespace corvane
{

namespace
{

QxMonthVw &Self(AutomationObject &object)
{
    return static_cast<QxMonthVw &>(object);
}

constexpr DispId kHWndId = 0x68030008;
constexpr DispId kBackColorId = 0x68030007;
constexpr DispId kAgrDateFormatId = 0x68030006;
constexpr DispId kForeColorId = 0x68030005;
constexpr DispId kEnabledId = 0x68030004;
constexpr DispId kFontId = 0x68030003;
constexpr DispId kBorderStyleId = 0x68030002;
constexpr DispId kRefreshId = 0x60030009;
constexpr DispId kAppearanceId = 0x68030001;
constexpr DispId kCaptionId = 0x68030000;
constexpr DispId kFirstCalendarMethodId = 0x6003001C;

// A read-write property over a getter and a setter of the control.
template<auto Get, auto Put>
void AddProperty(std::vector<MemberInfo> &members, const char *name, DispId id, TypeDesc type)
{
    members.push_back(PropertyGet(name, id, type, [](AutomationObject &self, std::span<Variant>, Variant &result) {
        result = Get(Self(self));
    }));
    members.push_back(PropertyPut(name, id, type, [](AutomationObject &self, std::span<Variant> args, Variant &) {
        Put(Self(self), args[0]);
    }));
}

std::vector<MemberInfo> MakeMembers()
{
    std::vector<MemberInfo> members;
    members.push_back(ui::ControlBase::HWndGetMember(kHWndId));
    AddProperty<[](QxMonthVw &c) { return Variant(std::int32_t(c.BackColor())); },
                [](QxMonthVw &c, Variant &v) { c.SetBackColor(ui::OleColor(v.AsI4())); }>(members,
                                                                                          "BackColor",
                                                                                          kBackColorId,
                                                                                          ui::kOleColorType);
    AddProperty<[](QxMonthVw &c) { return Variant(c.AgrDateFormat()); },
                [](QxMonthVw &c, Variant &v) { c.SetAgrDateFormat(v.AsI4()); }>(members,
                                                                                "AgrDateFormat",
                                                                                kAgrDateFormatId,
                                                                                types::Enum("cAgrDateStrFormat"));
    AddProperty<[](QxMonthVw &c) { return Variant(std::int32_t(c.ForeColor())); },
                [](QxMonthVw &c, Variant &v) { c.SetForeColor(ui::OleColor(v.AsI4())); }>(members,
                                                                                          "ForeColor",
                                                                                          kForeColorId,
                                                                                          ui::kOleColorType);
    members.push_back(ui::ControlBase::EnabledGetMember(kEnabledId, ""));
    members.push_back(ui::ControlBase::EnabledPutMember(kEnabledId, ""));
    members.push_back(PropertyGet("Font",
                                  kFontId,
                                  types::ObjectOf("StdFont"),
                                  [](AutomationObject &self, std::span<Variant>, Variant &result) {
                                      result = Variant(ObjectHandle(Self(self).Font()));
                                  }));
    members.push_back(PropertyPutRef(
        "Font",
        kFontId,
        types::ObjectOf("StdFont"),
        [](AutomationObject &self, std::span<Variant> args, Variant &) { Self(self).SetFont(args[0].AsObject()); }));
    AddProperty<[](QxMonthVw &c) { return Variant(std::int32_t(c.BorderStyle())); },
                [](QxMonthVw &c, Variant &v) { c.SetBorderStyle(v.AsI4()); }>(members,
                                                                              "BorderStyle",
                                                                              kBorderStyleId,
                                                                              types::Enum("cBorderStyle"));
    members.push_back(
        Method("Refresh", kRefreshId, {}, types::None, [](AutomationObject &self, std::span<Variant>, Variant &) {
            Self(self).Refresh();
        }));
    AddProperty<[](QxMonthVw &c) { return Variant(std::int32_t(c.Appearance())); },
                [](QxMonthVw &c, Variant &v) { c.SetAppearance(v.AsI4()); }>(members,
                                                                             "Appearance",
                                                                             kAppearanceId,
                                                                             types::Enum("cApperance"));
    members.push_back(PropertyGet(
        "Caption",
        kCaptionId,
        types::String,
        [](AutomationObject &self, std::span<Variant>, Variant &result) { result = Variant(Self(self).Caption()); }));
    AddProperty<[](QxMonthVw &c) { return Variant::FromDate(c.CurrDate()); },
                [](QxMonthVw &c, Variant &v) { c.SetCurrDate(v.AsDate()); }>(members,
                                                                             "CurrDate",
                                                                             kDispIdValue,
                                                                             types::Date);
    members.push_back(AboutMember());
    const auto methods = CalendarMembers::Methods(kFirstCalendarMethodId,
                                                  CalendarMembers::Naming::Picker,
                                                  CalendarMembers::HelpSet::Picker);
    members.insert(members.end(), methods.begin(), methods.end());
    return members;
}

constexpr EventInfo kEvents[] = {
    {"KeyDown", QxMonthVw::kKeyDown, ui::kKeyEventParams},
    {"KeyPress", QxMonthVw::kKeyPress, ui::kKeyAsciiEventParams},
    {"KeyUp", QxMonthVw::kKeyUp, ui::kKeyEventParams},
    {"MouseDown", QxMonthVw::kMouseDown, ui::kMouseEventParams},
    {"MouseMove", QxMonthVw::kMouseMove, ui::kMouseEventParams},
    {"MouseUp", QxMonthVw::kMouseUp, ui::kMouseEventParams},
    {"Change", QxMonthVw::kChange, {}},
};

} // namespace

const ClassInfo &QxMonthVw::Info()
{
    static const std::vector<MemberInfo> members = MakeMembers();
    static constexpr ClassIdentity kIdentity{.className = "QxMonthVw",
                                             .classUuid = "{4E9375C8-3E5B-416C-93B8-F7770944C9E2}",
                                             .interfaceUuid = "{9AA4E31E-04F2-497B-9310-16FC8CEA4B2A}",
                                             .eventsName = "__QxMonthVw",
                                             .eventsUuid = "{9F749015-6088-498D-A5FE-F8687C876B6C}"};
    static const ClassInfo info("_QxMonthVw", {members}, kEvents, "", kIdentity);
    return info;
}

} // namespace corvane
