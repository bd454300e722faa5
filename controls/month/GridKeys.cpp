#include "GridKeys.h"

#include "platform/date/DateArithmetic.h"
#include "platform/ui/VirtualKeys.h"

namespace corvane::month
{

GridKeyResult GridKeyTarget(int keyCode, int shift, date::Date current, date::Date today)
{
    using date::Unit;
    const auto move = [current](Unit unit, long count) {
        return GridKeyResult{GridKeyAction::Move, date::Add(unit, count, current)};
    };
    switch (keyCode) {
    case ui::vk::Right:
        return move(Unit::Day, 1);
    case ui::vk::Left:
        return move(Unit::Day, -1);
    case ui::vk::Down:
        return move(Unit::Week, 1);
    case ui::vk::Up:
        return move(Unit::Week, -1);
    case ui::vk::Next:
    case ui::vk::Prior: {
        const long sign = keyCode == ui::vk::Next ? 1 : -1;
        if (shift == 0)
            return move(Unit::Month, sign);
        if (shift == ui::kShiftMask)
            return move(Unit::Year, sign);
        break;
    }
    case ui::vk::Home:
        return {GridKeyAction::Move, date::FromDays(date::DayOf(today))};
    case ui::vk::F1:
        return {GridKeyAction::Help, 0};
    default:
        break;
    }
    return {GridKeyAction::None, 0};
}

} // namespace corvane::month
