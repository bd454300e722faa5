// corvane_qt_app                     the form, on the desktop
// corvane_qt_app --date 2002-10-01   ... with another day selected
// corvane_qt_app --print             prints the lunar line of the selection and quits
// corvane_qt_app --screenshot FILE   saves a picture of the form and quits
#include "LunarForm.h"

#include <corvane/LunarCalendarWidget.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QDate>
#include <QTextStream>
#include <QTimer>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QCommandLineParser options;
    options.addHelpOption();
    const QCommandLineOption date("date", "Select <yyyy-mm-dd>.", "yyyy-mm-dd");
    const QCommandLineOption print("print", "Print the lunar line and quit.");
    const QCommandLineOption screenshot("screenshot", "Save a picture of the form to <file> and quit.", "file");
    options.addOptions({date, print, screenshot});
    options.process(app);

    LunarForm form;
    if (options.isSet(date)) {
        const QDate day = QDate::fromString(options.value(date), Qt::ISODate);
        if (!day.isValid()) {
            QTextStream(stderr) << "not a date: " << options.value(date) << '\n';
            return 2;
        }
        form.calendar()->setSelectedDate(day);
    }
    if (options.isSet(print)) {
        QTextStream(stdout) << form.calendar()->selectedDate().toString(Qt::ISODate) << ' ' << form.lunarText() << '\n';
        return 0;
    }
    form.show();
    if (options.isSet(screenshot)) {
        QTimer::singleShot(0, &form, [&] {
            const bool saved = form.grab().save(options.value(screenshot));
            QApplication::exit(saved ? 0 : 1);
        });
    }
    return app.exec();
}
