// The type library entries of the spin editors: the members of _DateUpDown and _TimeUpDown in
// interface order and the events of __DateUpDown and __TimeUpDown. The two interfaces differ in the
// value property (CurrDate, CurrTime) and in the dispatch ids of the seven calendar methods, which
// start one higher on _TimeUpDown.
#include "DateUpDown.h"
#include "TimeUpDown.h"

#include "SpinProperties.h"

#include "api/CalendarMembers.h"
#include "controls/about/AboutBox.h"
#include "controls/common/ControlEvents.h"

#include <vector>

namespace corvane
{

namespace
{

constexpr DispId kHWndId = 0x68030004;
constexpr DispId kRefreshId = 0x60030009;
constexpr DispId kDateMethodsId = 0x60030014;
constexpr DispId kTimeMethodsId = 0x60030015;

// The members of either interface in interface order; Value is the value property (CurrDate or
// CurrTime), the default member.
template<const auto &Value>
std::vector<MemberInfo> MakeMembers(DispId firstMethodId)
{
    using namespace spin;
    std::vector<MemberInfo> members;
    const auto add = [&members](const auto &rows) { members.insert(members.end(), rows.begin(), rows.end()); };
    members.push_back(ui::ControlBase::HWndGetMember(kHWndId));
    add(MemberRows<kBackColor>());
    add(MemberRows<kForeColor>());
    add(MemberRows<kEnabled>());
    members.push_back(
        Method("Refresh", kRefreshId, {}, types::None, [](AutomationObject &self, std::span<Variant>, Variant &) {
            static_cast<SpinControl &>(self).Refresh();
        }));
    add(MemberRows<kAppearance>());
    add(MemberRows<Value>());
    members.push_back(AboutMember());
    add(CalendarMembers::Methods(firstMethodId, CalendarMembers::Naming::Standard, CalendarMembers::HelpSet::Standard));
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
    static const std::vector<MemberInfo> members = MakeMembers<spin::kCurrDate>(kDateMethodsId);
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
    static const std::vector<MemberInfo> members = MakeMembers<spin::kCurrTime>(kTimeMethodsId);
    static constexpr ClassIdentity kIdentity{.className = "TimeUpDown",
                                             .classUuid = "{0990E05A-93E5-464E-92F3-12F54CD1E2EB}",
                                             .interfaceUuid = "{B89707E9-6B63-4086-8AD3-7837C5191F8B}",
                                             .eventsName = "__TimeUpDown",
                                             .eventsUuid = "{BB68F68A-397E-453B-B3D6-EAC477965E36}"};
    static const ClassInfo info("_TimeUpDown", {members}, kEvents, "", kIdentity);
    return info;
}

} // namespace corvane
