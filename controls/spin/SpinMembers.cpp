// The type library entries of the spin editors: the members of _DateUpDown and _TimeUpDown in
// interface order and the events of __DateUpDown and __TimeUpDown. The two interfaces differ in the
// value property (CurrDate, CurrTime) and in the dispatch ids of the seven calendar methods, which
// start one higher on _TimeUpDown.
#include "DateUpDown.h"
#include "TimeUpDown.h"

#include "api/CalendarMembers.h"
#include "controls/about/AboutBox.h"
#include "controls/common/ControlEvents.h"
#include "platform/ui/OleColorBag.h"

#include <vector>

namespace corvane
{

namespace
{

SpinControl &Self(AutomationObject &object)
{
    return static_cast<SpinControl &>(object);
}

constexpr DispId kHWndId = 0x68030004;
constexpr DispId kBackColorId = 0x68030003;
constexpr DispId kForeColorId = 0x68030002;
constexpr DispId kEnabledId = 0x68030001;
constexpr DispId kRefreshId = 0x60030009;
constexpr DispId kAppearanceId = 0x68030000;
constexpr DispId kDateMethodsId = 0x60030014;
constexpr DispId kTimeMethodsId = 0x60030015;

// The members of either interface in interface order. T's Put and valueName make the value property
// (CurrDate or CurrTime), the default member.
template<class T, void (T::*Put)(date::Date)>
std::vector<MemberInfo> MakeMembers(const char *valueName, DispId firstMethodId)
{
    std::vector<MemberInfo> members;
    members.push_back(ui::ControlBase::HWndGetMember(kHWndId));
    members.push_back(PropertyGet("BackColor",
                                  kBackColorId,
                                  ui::kOleColorType,
                                  [](AutomationObject &self, std::span<Variant>, Variant &result) {
                                      result = std::int32_t(Self(self).BackColor());
                                  }));
    members.push_back(PropertyPut("BackColor",
                                  kBackColorId,
                                  ui::kOleColorType,
                                  [](AutomationObject &self, std::span<Variant> args, Variant &) {
                                      Self(self).SetBackColor(ui::OleColor(args[0].AsI4()));
                                  }));
    members.push_back(PropertyGet("ForeColor",
                                  kForeColorId,
                                  ui::kOleColorType,
                                  [](AutomationObject &self, std::span<Variant>, Variant &result) {
                                      result = std::int32_t(Self(self).ForeColor());
                                  }));
    members.push_back(PropertyPut("ForeColor",
                                  kForeColorId,
                                  ui::kOleColorType,
                                  [](AutomationObject &self, std::span<Variant> args, Variant &) {
                                      Self(self).SetForeColor(ui::OleColor(args[0].AsI4()));
                                  }));
    members.push_back(ui::ControlBase::EnabledGetMember(kEnabledId, ""));
    members.push_back(ui::ControlBase::EnabledPutMember(kEnabledId, ""));
    members.push_back(
        Method("Refresh", kRefreshId, {}, types::None, [](AutomationObject &self, std::span<Variant>, Variant &) {
            Self(self).Refresh();
        }));
    members.push_back(PropertyGet("Appearance",
                                  kAppearanceId,
                                  types::Enum("cApperance"),
                                  [](AutomationObject &self, std::span<Variant>, Variant &result) {
                                      result = std::int32_t(Self(self).Appearance());
                                  }));
    members.push_back(PropertyPut(
        "Appearance",
        kAppearanceId,
        types::Enum("cApperance"),
        [](AutomationObject &self, std::span<Variant> args, Variant &) { Self(self).SetAppearance(args[0].AsI4()); }));
    members.push_back(PropertyGet(valueName,
                                  kDispIdValue,
                                  types::Date,
                                  [](AutomationObject &self, std::span<Variant>, Variant &result) {
                                      result = Variant::FromDate(Self(self).Value());
                                  }));
    members.push_back(PropertyPut(valueName,
                                  kDispIdValue,
                                  types::Date,
                                  [](AutomationObject &self, std::span<Variant> args, Variant &) {
                                      (static_cast<T &>(self).*Put)(args[0].AsDate());
                                  }));
    members.push_back(AboutMember());
    const auto methods =
        CalendarMembers::Methods(firstMethodId, CalendarMembers::Naming::Standard, CalendarMembers::HelpSet::Standard);
    members.insert(members.end(), methods.begin(), methods.end());
    return members;
}

constexpr EventInfo kEvents[] = {
    {"Click", SpinControl::kClick, {}},
    {"DblClick", SpinControl::kDblClick, {}},
    {"KeyDown", SpinControl::kKeyDown, ui::kKeyEventParams},
    {"KeyPress", SpinControl::kKeyPress, ui::kKeyAsciiEventParams},
    {"KeyUp", SpinControl::kKeyUp, ui::kKeyEventParams},
    {"MouseDown", SpinControl::kMouseDown, ui::kMouseEventParams},
    {"MouseMove", SpinControl::kMouseMove, ui::kMouseEventParams},
    {"MouseUp", SpinControl::kMouseUp, ui::kMouseEventParams},
    {"Change", SpinControl::kChange, {}},
};

} // namespace

const ClassInfo &DateUpDown::Info()
{
    static const std::vector<MemberInfo> members =
        MakeMembers<DateUpDown, &DateUpDown::SetCurrDate>(spin::ValueName(spin::SpinKind::Date), kDateMethodsId);
    static constexpr ClassIdentity kIdentity{.className = "DateUpDown",
                                             .classUuid = "{A96DAE1E-6BB5-4031-ACD5-1E8D628A8D13}",
                                             .interfaceUuid = "{54191A2D-98EC-4104-A235-6C49A353F95A}",
                                             .eventsName = "__DateUpDown",
                                             .eventsUuid = "{F0272C1D-02CA-4DE8-A468-52FA71E421A6}"};
    static const ClassInfo info("_DateUpDown", {members}, kEvents, "", kIdentity);
    return info;
}

const ClassInfo &TimeUpDown::Info()
{
    static const std::vector<MemberInfo> members =
        MakeMembers<TimeUpDown, &TimeUpDown::SetCurrTime>(spin::ValueName(spin::SpinKind::Time), kTimeMethodsId);
    static constexpr ClassIdentity kIdentity{.className = "TimeUpDown",
                                             .classUuid = "{0990E05A-93E5-464E-92F3-12F54CD1E2EB}",
                                             .interfaceUuid = "{B89707E9-6B63-4086-8AD3-7837C5191F8B}",
                                             .eventsName = "__TimeUpDown",
                                             .eventsUuid = "{BB68F68A-397E-453B-B3D6-EAC477965E36}"};
    static const ClassInfo info("_TimeUpDown", {members}, kEvents, "", kIdentity);
    return info;
}

} // namespace corvane
