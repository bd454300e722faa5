#pragma once

#include <functional>

class QWidget;

namespace corvdemo
{

// The group "外观" both forms have: the option buttons OptAppearance, index 0 "Flat" (selected) and
// index 1 "3D". A click on either calls onClick with the look chosen: 0 Flat, 1 3D. Geometry in twips;
// the options sit side by side, each optionWidth wide.
void AddAppearanceGroup(QWidget &parent,
                        int left,
                        int top,
                        int width,
                        int optionWidth,
                        std::function<void(int)> onClick);

} // namespace corvdemo
