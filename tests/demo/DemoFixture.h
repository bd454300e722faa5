#pragma once

#include "RegisteredLibraryTest.h"
#include "demo/DemoMessage.h"
#include "demo/FrmDemo.h"
#include "demo/FrmvwDemo.h"
#include "demo/HostedControl.h"
#include "demo/ModDemoPub.h"
#include "platform/date/Clock.h"

#include <QAbstractButton>
#include <QScrollBar>
#include <QString>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

// The message boxes of a run, answered at once.
class RecordingPresenter final : public corvdemo::MessagePresenter
{
public:
    void Show(QWidget *, const QString &title, const QString &text) override
    {
        titles.push_back(title.toStdString());
        texts.push_back(text.toStdString());
    }
    std::vector<std::string> titles;
    std::vector<std::string> texts;
};

// The demo as a host machine runs it: the library registered in a private registry, "now" pinned to
// 2002-07-19 10:30 in the demo's own process, message boxes recorded, and the program's end counted.
class DemoTest : public RegisteredLibraryTest
{
protected:
    static constexpr double kNow = 37456.4375; // 2002-07-19 10:30

    corvdemo::FrmDemo &StartMain()
    {
        program.Main();
        return program.MainForm();
    }

    // The n-th part of that name (parts of one array share it, as their design names do).
    template<class T>
    static T *Part(QWidget &form, const char *name, int index = 0)
    {
        const QList<T *> parts = form.findChildren<T *>(QString::fromUtf8(name));
        if (index >= parts.size())
            throw std::runtime_error(std::string("no part ") + name);
        return parts[index];
    }
    static void Click(QWidget &form, const char *name, int index = 0)
    {
        Part<QAbstractButton>(form, name, index)->click();
    }

    // A spin step up, as a click on the control's up arrow makes it.
    static void SpinUp(const corvdemo::HostedControl &control, const char *bars)
    {
        for (QScrollBar *bar : control.Window()->findChildren<QScrollBar *>(QString::fromUtf8(bars)))
            if (bar->property("Index").toInt() == 1)
                bar->setValue(bar->minimum());
    }

    static double DateOf(const corvdemo::HostedControl *control) { return control->Get(0).Date(); }

    corvane::date::FixedClock clock{kNow};
    corvane::date::ScopedClock pinned{clock};
    RecordingPresenter messages;
    corvdemo::ScopedMessagePresenter presenter{messages};
    int quits = 0;
    corvdemo::ModDemoPub program{[this] { ++quits; }};
};
