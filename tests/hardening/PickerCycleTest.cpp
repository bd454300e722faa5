// The drop-down picker opened, picked from and closed again and again. Every cycle leaves the picker
// holding the date picked, closed, with one Change more; the shared drop-down form is reused, never
// leaked (LeakSanitizer checks at exit).
//
// CORVANE_STRESS_PICKS sets the number of cycles (the default keeps CI short).
#include "StressCount.h"
#include "controls/picker/PickerFixture.h"

#include "controls/month/QxMonth.h"
#include "engine/PublishedRange.h"

#include <algorithm>
#include <iostream>
#include <random>

using namespace corvane;

TEST_F(PickerTest, OpenPickCloseCyclesEndWithTheDatePickedAndOneChangeEach)
{
    const long cycles = StressCount("CORVANE_STRESS_PICKS", 200);
    ShowHost();
    events.clear();
    std::mt19937 random(19010101);
    const date::Date first = ModAgrCAl::kFirstPublishedDate;
    const date::Date last = ModAgrCAl::kLastPublishedDate;
    for (long cycle = 0; cycle < cycles; ++cycle) {
        ClickDropButton();
        Settle();
        ASSERT_TRUE(State().DropShown) << "cycle " << cycle;
        ASSERT_TRUE(View().isVisible()) << "cycle " << cycle;
        const date::Date picked = first + double(random() % unsigned(last - first + 1));
        View().MonthDrop().SetCurrDate(picked);
        Settle();
        ASSERT_FALSE(State().DropShown) << "cycle " << cycle;
        ASSERT_FALSE(View().isVisible()) << "cycle " << cycle;
        ASSERT_EQ(picker->CurrDate(), picked) << "cycle " << cycle;
        ASSERT_EQ(std::count(events.begin(), events.end(), "Change"), cycle + 1) << "cycle " << cycle;
    }
    std::cout << "picker cycles: " << cycles << " open/pick/close cycles\n";
}
