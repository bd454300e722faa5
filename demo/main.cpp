// Corvdemo: starts the program module and runs until the last form closes.
#include "DemoMessage.h"
#include "ModDemoPub.h"
#include "QtTranslations.h"

#include "corvane/corvane.hpp"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    corvdemo::InstallQtTranslations();
    // The program decides when it ends: the library's own windows (drop-down, About box) must not.
    QApplication::setQuitOnLastWindowClosed(false);
    corvdemo::ModDemoPub program([] { QCoreApplication::quit(); });
    try {
        program.Main();
    } catch (const corv::Error &e) {
        corvdemo::ShowMessage(nullptr, QString::fromUtf8(e.what()));
        return 1;
    }
    return QApplication::exec();
}
