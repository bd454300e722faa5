#pragma once

#include "corvane/corvane.hpp"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>

namespace corvdemo
{

// A library control placed on a demo form the way any foreign host places one: created by ProgID
// through the registry, started from its saved properties (a property-bag file) or as a new control,
// its window adopted by the form, every member reached by dispatch id with variant arguments and its
// events received through an event sink.
class HostedControl
{
public:
    // savedProperties: the bag file to load; empty for a new control with its defaults. Failures
    // (unknown ProgID, missing library, bad bag) throw corv::Error.
    HostedControl(const std::string &progId, const std::string &savedProperties);
    ~HostedControl();
    HostedControl(const HostedControl &) = delete;
    HostedControl &operator=(const HostedControl &) = delete;

    // Makes the control's window a child of parent at the given position in twips, and shows it.
    void Place(QWidget &parent, int leftTwips, int topTwips);
    // The control's window; null if it has gone.
    QWidget *Window() const { return m_window.data(); }
    const corv::Object &Object() const noexcept { return m_object; }

    corv::Variant Get(std::int32_t dispid) const;
    void Put(std::int32_t dispid, corv::Variant value) const;
    corv::Variant Call(std::int32_t dispid, std::initializer_list<corv::Variant> args) const;

    // Runs handler whenever the control raises the event; one handler per event.
    void On(std::int32_t eventId, std::function<void()> handler);

private:
    corv::Object m_object;
    QPointer<QWidget> m_window;
    std::map<std::int32_t, std::function<void()>> m_handlers;
    corv::Connection m_connection;
};

// The text of a string result (error 13 for any other type).
QString TextOf(const corv::Variant &value);

} // namespace corvdemo
