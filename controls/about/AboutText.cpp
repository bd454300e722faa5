#include "AboutText.h"

namespace corvane
{

std::string AboutCaption()
{
    return std::string("关于 ") + kLibraryTitle;
}

std::string VersionLine()
{
    return "版本： " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "."
        + std::to_string(kVersionRevision);
}

} // namespace corvane
