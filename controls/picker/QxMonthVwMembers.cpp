// The type library entry of QxMonthVw: the members of _QxMonthVw in interface order and the events of
// __QxMonthVw.
#include "QxMonthVw.h"

#include "QxMonthVwProperties.h"
#include "api/CalendarMembers.h"
#include "controls/about/AboutBox.h"
#include "controls/common/ControlEvents.h"

#include <vector>

namespace corvane
{

ObjectHandle picker::ReadSavedFont(const PropertyBag &bag, const char *key)
{
    const Variant *stored = bag.Find(key);
    if (!stored)
        return MakeObject<StdFont>();
    const Variant value = StorableValue(*stored);
    if (value.Type() != VarType::Record)
        throw AutomationError(ErrorNumber::TypeMismatch, "Type mismatch: \"Font\" holds no font");
    return MakeObject<StdFont>(FontFromRecord(value.AsRecord()));
}

namespace
{

constexpr DispId kHWndId = 0x68030008;
constexpr DispId kRefreshId = 0x60030009;
constexpr DispId kFirstCalendarMethodId = 0x6003001C;

std::vector<MemberInfo> MakeMembers()
{
    using namespace picker;
    std::vector<MemberInfo> members;
    const auto add = [&members](const auto &rows) { members.insert(members.end(), rows.begin(), rows.end()); };
    members.push_back(ui::ControlBase::HWndGetMember(kHWndId));
    add(MemberRows<kBackColor>());
    add(MemberRows<kAgrDateFormat>());
    add(MemberRows<kForeColor>());
    add(MemberRows<kEnabled>());
    add(MemberRows<kFont>());
    add(MemberRows<kBorderStyle>());
    members.push_back(
        Method("Refresh", kRefreshId, {}, types::None, [](AutomationObject &self, std::span<Variant>, Variant &) {
            static_cast<QxMonthVw &>(self).Refresh();
        }));
    add(MemberRows<kAppearance>());
    add(MemberRows<kCaption>());
    add(MemberRows<kCurrDate>());
    members.push_back(AboutMember());
    add(CalendarMembers::Methods(kFirstCalendarMethodId,
                                 CalendarMembers::Naming::Picker,
                                 CalendarMembers::HelpSet::Picker));
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
