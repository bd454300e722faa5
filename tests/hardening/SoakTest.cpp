// Objects of every class created and destroyed in bulk through the C ABI while older objects stay
// alive and keep answering as they did. The controls live on the user-interface thread (the one
// QApplication's); the calendar, which needs no window, is soaked on several threads at once, each
// with its own engine tables. LeakSanitizer checks at exit that nothing was left behind.
//
// CORVANE_SOAK_OBJECTS sets the number of objects per class and thread (the default keeps CI short).
// Under AddressSanitizer the process grows with the size of the run, because freed blocks wait in its
// quarantine and the allocator keeps their pages (ASAN_OPTIONS=quarantine_size_mb=0 keeps it under
// 100 MB); a build without sanitizers stays at the same resident size whatever the count.
#include "LiveHeap.h"
#include "RegisteredLibraryTest.h"
#include "StressCount.h"
#include "corvane/corvane.hpp"

#include <QApplication>

#include <gtest/gtest.h>

#include <atomic>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

namespace
{

constexpr const char *kControls[] = {"Corvane.QxMonth",
                                     "Corvane.QxMonthVw",
                                     "Corvane.DateUpDown",
                                     "Corvane.TimeUpDown"};
constexpr double kJuly19 = 37456.0; // 2002-07-19
constexpr int kCheckEvery = 64;
// How much the live heap may grow over the second half of a run: room for caches still filling.
constexpr std::size_t kHeapAllowance = 1024 * 1024;

// The calendar's answers for a spread of days, as text, to compare one thread's with another's.
std::string CalendarAnswers(const corv::Object &calendar)
{
    std::string text;
    for (double day = 400; day < 47000; day += 4999) {
        const corv::Variant lunar = calendar.Call("GetAgrNumDate", corv::Variant::Date(day));
        for (std::size_t i = 0; i < lunar.FieldCount(); ++i)
            text += std::to_string(lunar.Field(i).I2()) + ",";
        text += std::string(calendar.Call("GetAgrStrDate", corv::Variant::Date(day)).Field(1).String()) + ";";
    }
    return text;
}

class Soak : public RegisteredLibraryTest
{
protected:
    const long count = StressCount("CORVANE_SOAK_OBJECTS", 500);
};

} // namespace

TEST_F(Soak, ControlsComeAndGoWhileLiveOnesKeepTheirState)
{
    const qsizetype windowsBefore = QApplication::topLevelWidgets().size();
    long created = 0;
    for (const char *progid : kControls) {
        SCOPED_TRACE(progid);
        const corv::Object live = corv::Object::Create(progid);
        corv::Variant date = corv::Variant::Date(kJuly19);
        live.Invoke(CORV_DISPID_VALUE, CORV_PROPERTY_PUT, std::span<corv::Variant>(&date, 1));
        std::size_t heapAtHalf = 0;
        for (long i = 0; i < count; ++i) {
            if (i == count / 2) {
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                heapAtHalf = LiveHeapBytes();
            }
            {
                const corv::Object passing = corv::Object::Create(progid);
                if (i % 2)
                    passing.InitNew();
                ++created;
            }
            if (i % kCheckEvery == 0) {
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                ASSERT_EQ(live.Invoke(CORV_DISPID_VALUE, CORV_PROPERTY_GET).Date(), kJuly19) << "after " << i;
            }
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(live.Invoke(CORV_DISPID_VALUE, CORV_PROPERTY_GET).Date(), kJuly19);
        // What the objects keep by then: caches filled on the way are bounded, a leak is per object.
        const std::size_t heapAtEnd = LiveHeapBytes();
        EXPECT_LE(heapAtEnd, heapAtHalf + kHeapAllowance)
            << (heapAtEnd - heapAtHalf) / std::size_t(count - count / 2) << " bytes more per object";
        std::cout << "soak: " << progid << " live heap " << heapAtHalf << " bytes after " << count / 2 << ", "
                  << heapAtEnd << " after " << count << "\n";
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(QApplication::topLevelWidgets().size(), windowsBefore) << "a control's window outlived it";
    std::cout << "soak: " << created << " controls created and destroyed on the user-interface thread\n";
}

TEST_F(Soak, CalendarsComeAndGoOnSeveralThreadsEachWithItsOwnTables)
{
    const std::string expected = CalendarAnswers(corv::Object::Create("Corvane.CQxCal"));
    constexpr int kThreads = 4;
    std::atomic<long> created = 0;
    std::vector<std::string> failures(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            try {
                const corv::Object live = corv::Object::Create("Corvane.CQxCal");
                for (long i = 0; i < count; ++i) {
                    {
                        const corv::Object passing = corv::Object::Create("Corvane.CQxCal");
                        // Every other one does some work before it goes.
                        if (i % 2)
                            passing.Call("GetAgrNumDate", corv::Variant::Date(kJuly19 + double(i % 300)));
                        ++created;
                    }
                    if (i % kCheckEvery == 0 && CalendarAnswers(live) != expected) {
                        failures[t] = "answers changed after " + std::to_string(i) + " objects";
                        return;
                    }
                }
                if (CalendarAnswers(live) != expected)
                    failures[t] = "answers changed at the end";
            } catch (const corv::Error &e) {
                failures[t] = std::string("error ") + std::to_string(e.Number()) + ": " + e.what();
            }
        });
    }
    for (std::thread &thread : threads)
        thread.join();
    for (int t = 0; t < kThreads; ++t)
        EXPECT_EQ(failures[t], "") << "thread " << t;
    EXPECT_EQ(created.load(), kThreads * count);
    std::cout << "soak: " << created.load() << " calendars created and destroyed on " << kThreads << " threads\n";
}
