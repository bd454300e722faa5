#include "HostedControl.h"

#include "FormLayout.h"

#include <vector>

namespace corvdemo
{

HostedControl::HostedControl(const std::string &progId, const std::string &savedProperties)
    : m_object(corv::Object::Create(progId))
{
    if (savedProperties.empty()) {
        m_object.InitNew();
    } else {
        corv::Bag bag;
        bag.LoadFile(savedProperties);
        m_object.Load(bag);
    }
    m_window = static_cast<QWidget *>(m_object.Window());
    m_connection = m_object.Advise([this](std::int32_t id, std::span<corv::Variant>) {
        const auto handler = m_handlers.find(id);
        if (handler != m_handlers.end())
            handler->second();
    });
}

HostedControl::~HostedControl()
{
    // No event may reach a form that is going away; the window goes with the object's last
    // reference.
    m_connection.Reset();
}

void HostedControl::Place(QWidget &parent, int leftTwips, int topTwips)
{
    if (!m_window)
        return;
    m_window->setParent(&parent);
    m_window->move(FormLayout().Point(leftTwips, topTwips));
    m_window->show();
}

corv::Variant HostedControl::Get(std::int32_t dispid) const
{
    return m_object.Invoke(dispid, CORV_PROPERTY_GET);
}

void HostedControl::Put(std::int32_t dispid, corv::Variant value) const
{
    m_object.Invoke(dispid, CORV_PROPERTY_PUT, std::span<corv::Variant>(&value, 1));
}

corv::Variant HostedControl::Call(std::int32_t dispid, std::initializer_list<corv::Variant> args) const
{
    std::vector<corv::Variant> list(args);
    return m_object.Invoke(dispid, CORV_METHOD, list);
}

void HostedControl::On(std::int32_t eventId, std::function<void()> handler)
{
    m_handlers[eventId] = std::move(handler);
}

QString TextOf(const corv::Variant &value)
{
    const std::string_view text = value.String();
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace corvdemo
