#pragma once

class QTranslator;

namespace corvdemo
{

// Loads Qt's own Simplified Chinese translations (qtbase_zh_CN, from Qt's translations folder) into
// the application, so that Qt's standard buttons, menus and dialogs read in Chinese like the rest of
// the program. Returns the installed translator, owned by the application, or nullptr when the
// translations are not installed (the texts then stay in English).
QTranslator *InstallQtTranslations();

} // namespace corvdemo
