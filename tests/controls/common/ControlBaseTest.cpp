#include "controls/common/ControlBase.h"
#include "platform/automation/AutomationError.h"
#include "platform/automation/PropertyRow.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

using namespace corvane;
using namespace corvane::ui;

namespace
{

// Enabled as a control declares it: the base's setter must report the change under the row's name.
inline constexpr PropertyRow<ControlBase, bool> kToyEnabled{
    .name = "Enabled",
    .id = 2,
    .type = types::Bool,
    .get = [](const ControlBase &c) { return c.Enabled(); },
    .put = [](ControlBase &c, bool v) { c.SetEnabled(v); },
    .help = "Enabled?",
};

// A control with a part, the surface events and one event of its own.
class ToyControl final : public ControlBase
{
public:
    enum : DispId {
        kClick = 1,
        kDblClick = 2,
        kKeyPress = 4,
        kKeyUp = 5,
        kMouseDown = 6,
        kMouseMove = 7,
        kMouseUp = 8,
        kPing = 10
    };

    ToyControl()
        : ControlBase(Info(), "Toy", {kClick, kDblClick, kKeyPress, kKeyUp, kMouseDown, kMouseMove, kMouseUp})
    {
        SetFixedExtent(4365, 3195);
        part = new QLabel(QStringLiteral("part"), Surface());
        part->setGeometry(0, 0, 60, 20);
    }

    static const ClassInfo &Info()
    {
        static const std::vector<MemberInfo> members = [] {
            std::vector<MemberInfo> rows{HWndGetMember(1)};
            const PropertyMembers enabled = MemberRows<kToyEnabled>();
            rows.insert(rows.end(), enabled.begin(), enabled.end());
            return rows;
        }();
        static constexpr ParamInfo kKey[] = {{"KeyCode", types::I2, kByRef}, {"Shift", types::I2, kByRef}};
        static constexpr ParamInfo kAscii[] = {{"KeyAscii", types::I2, kByRef}};
        static constexpr ParamInfo kMouse[] = {{"Button", types::I2, kByRef},
                                               {"Shift", types::I2, kByRef},
                                               {"x", types::R4, kByRef},
                                               {"y", types::R4, kByRef}};
        static constexpr ParamInfo kValue[] = {{"Value", types::I2, kByRef}};
        static constexpr EventInfo events[] = {{"Click", kClick, {}},
                                               {"DblClick", kDblClick, {}},
                                               {"KeyPress", kKeyPress, kAscii},
                                               {"KeyUp", kKeyUp, kKey},
                                               {"MouseDown", kMouseDown, kMouse},
                                               {"MouseMove", kMouseMove, kMouse},
                                               {"MouseUp", kMouseUp, kMouse},
                                               {"Ping", kPing, kValue}};
        static const ClassInfo info("Toy", {members}, events);
        return info;
    }

    // Raises Ping(Value) and returns what the sinks left in Value.
    std::int16_t Ping(std::int16_t value)
    {
        RaiseByRef(kPing, value);
        return value;
    }

    QLabel *part;
};

struct Site final : ControlSite {
    std::vector<std::pair<DispId, std::string>> changes;
    void OnPropertyChanged(DispId id, const char *name) override { changes.emplace_back(id, name); }
};

// Every event as "name(arg, ...)".
struct EventLog {
    std::vector<std::string> entries;
    std::shared_ptr<EventSink> Sink(const ClassInfo &info)
    {
        return MakeEventSink([this, &info](DispId id, std::span<Variant> args) {
            std::string text = info.FindEvent(id)->name;
            text += "(";
            for (std::size_t i = 0; i < args.size(); ++i) {
                const Variant &v = args[i].Deref();
                text += (i ? "," : "")
                    + (v.Type() == VarType::R4 ? std::to_string(int(v.AsR4())) : std::to_string(v.AsI2()));
            }
            entries.push_back(text + ")");
        });
    }
};

} // namespace

TEST(ControlBase, TheSurfaceKeepsItsFixedSize)
{
    const auto toy = MakeObject<ToyControl>();
    QWidget *surface = toy->Surface();
    EXPECT_EQ(surface->objectName(), QStringLiteral("Toy"));
    EXPECT_EQ(surface->size(), QSize(291, 213));
    surface->resize(400, 100);
    EXPECT_EQ(surface->size(), QSize(291, 213));
    EXPECT_EQ(toy->ExtentTwips(), QSize(4365, 3195));
}

TEST(ControlBase, EnabledSwitchesEveryPartAndIsReportedHWndNamesTheSurface)
{
    const auto toy = MakeObject<ToyControl>();
    Site site;
    toy->SetSite(&site);
    Variant args[] = {false};
    Variant result;
    toy->Invoke(2, InvokeKind::PropertyPut, args, result);
    EXPECT_FALSE(toy->part->isEnabled());
    ASSERT_EQ(site.changes.size(), 1u);
    EXPECT_EQ(site.changes[0], (std::pair<DispId, std::string>(2, "Enabled")));
    toy->Invoke(2, InvokeKind::PropertyGet, {}, result);
    EXPECT_FALSE(result.AsBool());

    toy->Invoke(1, InvokeKind::PropertyGet, {}, result);
    EXPECT_NE(result.AsI4(), 0);
    EXPECT_EQ(WidgetOf(result.AsI4()), toy->Surface());
}

TEST(ControlBase, SurfaceMouseInputRaisesTheMouseEventsInTwips)
{
    const auto toy = MakeObject<ToyControl>();
    EventLog log;
    toy->Advise(log.Sink(ToyControl::Info()));
    QWidget *surface = toy->Surface();

    QTest::mouseClick(surface, Qt::LeftButton, Qt::ShiftModifier, QPoint(100, 40));
    // A double click as widgets receive it: press, release, press, double click, release.
    QTest::mouseClick(surface, Qt::LeftButton, Qt::NoModifier, QPoint(100, 40));
    QTest::mousePress(surface, Qt::LeftButton, Qt::NoModifier, QPoint(100, 40));
    QTest::mouseDClick(surface, Qt::LeftButton, Qt::NoModifier, QPoint(100, 40));
    QTest::mouseRelease(surface, Qt::LeftButton, Qt::NoModifier, QPoint(100, 40));
    QTest::mouseClick(surface, Qt::RightButton, Qt::ControlModifier, QPoint(10, 100));
    QTest::mouseClick(toy->part, Qt::LeftButton); // a part's own input stays with the part
    const std::vector<std::string> expected = {
        // a click with Shift held
        "MouseDown(1,1,1500,600)",
        "MouseUp(1,1,1500,600)",
        "Click()",
        // a double click: its second press raises DblClick, its second release no Click
        "MouseDown(1,0,1500,600)",
        "MouseUp(1,0,1500,600)",
        "Click()",
        "MouseDown(1,0,1500,600)",
        "DblClick()",
        "MouseUp(1,0,1500,600)",
        // the right button with Ctrl: no Click
        "MouseDown(2,2,150,1500)",
        "MouseUp(2,2,150,1500)",
    };
    EXPECT_EQ(log.entries, expected);
}

TEST(ControlBase, KeysReachTheSurfaceEventsOnlyWhenTheSurfaceHoldsTheFocus)
{
    const auto toy = MakeObject<ToyControl>();
    EventLog log;
    toy->Advise(log.Sink(ToyControl::Info()));
    QWidget *surface = toy->Surface();
    surface->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(surface));
    surface->setFocus();
    QTest::keyClick(surface, Qt::Key_A);
    QTest::keyClick(surface, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(log.entries, (std::vector<std::string>{"KeyPress(97)", "KeyUp(65,0)", "KeyUp(37,1)", "KeyUp(16,0)"}));
}

TEST(ControlBase, ByReferenceArgumentsComeBackAsTheSinksLeaveThem)
{
    const auto toy = MakeObject<ToyControl>();
    toy->Advise(MakeEventSink([](DispId, std::span<Variant>) { throw AutomationError(ErrorNumber::Overflow); }));
    toy->Advise(MakeEventSink([](DispId, std::span<Variant> args) { args[0].Assign(Variant(std::int32_t(42))); }));
    EXPECT_EQ(toy->Ping(7), 42); // the failing sink does not stop the second
}

TEST(ControlBase, AControlReleasedFromItsOwnEventLetsItsWidgetsGoAfterTheHandler)
{
    auto toy = MakeObject<ToyControl>();
    const QPointer<QWidget> surface = toy->Surface();
    auto holder = std::make_shared<ObjectPtr<ToyControl>>(std::move(toy));
    (*holder)->Advise(MakeEventSink([holder](DispId id, std::span<Variant>) {
        if (id == ToyControl::kMouseDown)
            *holder = nullptr; // the last reference
    }));
    surface->show();
    QTest::mousePress(surface.data(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    ASSERT_TRUE(surface); // still there: its handler was running
    EXPECT_FALSE(surface->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(surface);
}

TEST(ControlBase, ControlsAreMadeOnlyOnTheApplicationsThread)
{
    int error = 0;
    std::thread([&error] {
        try {
            MakeObject<ToyControl>();
        } catch (const AutomationError &e) {
            error = e.number();
        }
    }).join();
    EXPECT_EQ(error, 429);
}
