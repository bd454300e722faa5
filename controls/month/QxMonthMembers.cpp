// The type library entry of QxMonth: the members of _QxMonth in interface order and the events of
// __QxMonth.
#include "QxMonth.h"

#include "QxMonthProperties.h"
#include "api/CalendarMembers.h"
#include "controls/about/AboutBox.h"
#include "controls/common/ControlEvents.h"

#include <vector>

namespace corvane
{

namespace
{

constexpr DispId kHWndId = 0x6803000B;
constexpr DispId kRefreshId = 0x60030021;
constexpr DispId kFirstCalendarMethodId = 0x6003002F;

std::vector<MemberInfo> MakeMembers()
{
    using namespace month;
    std::vector<MemberInfo> members;
    const auto add = [&members](const auto &rows) { members.insert(members.end(), rows.begin(), rows.end()); };
    members.push_back(ui::ControlBase::HWndGetMember(kHWndId));
    add(MemberRows<kForeColor>());
    add(MemberRows<kEnabled>());
    members.push_back(Method(
        "Refresh",
        kRefreshId,
        {},
        types::None,
        [](AutomationObject &self, std::span<Variant>, Variant &) { static_cast<QxMonth &>(self).Refresh(); },
        "Forces a complete repaint of a object."));
    add(MemberRows<kAppearance>());
    add(MemberRows<kCurrDate>());
    add(MemberRows<kAgrForeColor>());
    add(MemberRows<kFestForeColor>());
    add(MemberRows<kDateBackColor>());
    add(MemberRows<kWeekForeColor>());
    add(MemberRows<kStForeColor>());
    add(MemberRows<kWeekBackColor>());
    add(MemberRows<kSTermBackColor>());
    add(MemberRows<kSelectColor>());
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
