#pragma once

#include <string>

namespace corvdemo
{

// The file holding the saved properties of one placed control ("FrmDemo.QxMonth"): a property bag in
// the folder "forms" beside the program.
std::string SavedProperties(const char *formAndControl);

} // namespace corvdemo
