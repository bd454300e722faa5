// corvdemo_tour FOLDER: Corvdemo run through its forms without a user, screenshots into FOLDER.
#include "DemoTour.h"

#include "demo/QtTranslations.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    corvdemo::InstallQtTranslations();
    if (argc != 2) {
        std::fprintf(stderr, "usage: corvdemo_tour FOLDER\n");
        return 2;
    }
    return corvdemo::tour::RunTour(QString::fromLocal8Bit(argv[1]));
}
