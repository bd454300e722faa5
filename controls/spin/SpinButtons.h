#pragma once

namespace corvane::spin
{

// The spin buttons are an array of two scroll bars, both with the range 1 to 2. Index 1 is the up
// button and rests at 2, so a press of its arrow moves it to 1; index 0 is the down button and rests
// at 1, its arrow moving it to 2. A bar away from its rest value has been pressed; the control puts it
// back at once.
inline constexpr int kDownButton = 0;
inline constexpr int kUpButton = 1;
inline constexpr int kButtonMin = 1;
inline constexpr int kButtonMax = 2;

constexpr int RestValue(int button)
{
    return button == kUpButton ? kButtonMax : kButtonMin;
}

// +1 for the up button, -1 for the down button.
constexpr int StepOf(int button)
{
    return button == kUpButton ? 1 : -1;
}

} // namespace corvane::spin
