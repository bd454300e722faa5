#include "ModMonthVw.h"

#include "FrmMonthView.h"
#include "ModWinLong.h"

#include <QPointer>

#include <cmath>

namespace corvane::ModMonthVw
{

namespace
{
constexpr int kStep = 600;
// Upward the last step ends within this of the full height.
constexpr int kUpwardFinish = 10;
} // namespace

DropState &State()
{
    thread_local DropState state;
    return state;
}

bool ShowDropForm(FrmMonthView &form, bool upward)
{
    ModWinLong::SetDropWinStyle(form.Handle(), true);
    const int full = form.HeightTwips();
    const int first = full % kStep;
    const int monthHeight = form.MonthDropHeight();
    const auto showModeless = [&form] {
        const QPointer<FrmMonthView> alive(&form);
        form.ShowModeless();
        return alive && FrmMonthView::Loaded() == alive;
    };
    if (!upward) {
        form.SetHeightTwips(first);
        form.SetMonthDropTop(first - monthHeight);
        if (!showModeless())
            return false;
        for (int height = first; height <= full; height += kStep) {
            form.SetHeightTwips(height);
            form.SetMonthDropTop(height - monthHeight);
            form.RepaintNow();
            if (height + kStep >= full) {
                form.SetHeightTwips(full);
                form.SetMonthDropTop(0);
                break;
            }
        }
    } else {
        const int bottom = form.TopTwips();
        form.SetTopTwips(bottom - first);
        form.SetHeightTwips(first);
        form.SetMonthDropTop(0);
        if (!showModeless())
            return false;
        for (int height = first; height <= full; height += kStep) {
            form.SetTopTwips(bottom - height);
            form.SetHeightTwips(height);
            form.RepaintNow();
            if (height + kUpwardFinish >= full) {
                form.SetTopTwips(bottom - full);
                form.SetHeightTwips(full);
                form.RepaintNow();
                break;
            }
        }
    }
    form.BringToFront();
    ModWinLong::SetDropWinStyle(form.Handle(), false);
    return true;
}

void HideDropForm(FrmMonthView &form)
{
    // Shrinking a hidden form would first show it again.
    if (!form.isVisible())
        return;
    ModWinLong::SetDropWinStyle(form.Handle(), true);
    const int height = form.HeightTwips();
    const int half = int(std::nearbyint(height / 2.0 + height % kStep)); // ties to even
    const int top = form.TopTwips();
    const bool upward = State().DropUpward;
    for (int shrink = 0; shrink <= half; shrink += kStep) {
        form.SetHeightTwips(form.HeightTwips() - shrink);
        if (upward)
            form.SetTopTwips(top + shrink);
        form.RepaintNow();
        if (form.HeightTwips() <= half)
            break;
    }
}

} // namespace corvane::ModMonthVw
