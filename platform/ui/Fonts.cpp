#include "Fonts.h"

#include <fontconfig/fontconfig.h>

#include <string>

namespace corvane::ui
{

QFont DesignFont(bool bold)
{
    QFont font(QString::fromUtf8(kDesignFontFamily), kDesignFontPoints);
    font.setBold(bold);
    return font;
}

bool InstallFontAliases()
{
    static const bool installed = [] {
        const std::string config(FontAliasConfig());
        FcConfig *current = FcConfigGetCurrent();
        return current
            && FcConfigParseAndLoadFromMemory(current, reinterpret_cast<const FcChar8 *>(config.c_str()), FcTrue)
            == FcTrue;
    }();
    return installed;
}

} // namespace corvane::ui
