#include "DemoForm.h"

#include "DemoStrings.h"
#include "FormLayout.h"

#include "corvane/corvane.hpp"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

namespace corvdemo
{

DemoForm::DemoForm(int clientWidthTwips, int clientHeightTwips)
    : QWidget(nullptr,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint)
{
    setWindowTitle(FormCaption());
    setFixedSize(FormLayout().Size(clientWidthTwips, clientHeightTwips));
}

DemoForm::~DemoForm()
{
    // Derived classes have released their content already; only the widgets are left.
    delete m_client;
}

void DemoForm::Show()
{
    if (!IsLoaded()) {
        m_client = new QWidget(this);
        m_client->setGeometry(rect());
        try {
            Load(*m_client);
        } catch (...) {
            ReleaseContent();
            delete std::exchange(m_client, nullptr);
            throw;
        }
        m_client->show();
    }
    show();
    // Centred once shown, when the window system has told the size of the frame around the client.
    if (!m_shownBefore) {
        m_shownBefore = true;
        if (const QScreen *screen = QGuiApplication::primaryScreen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    // Offscreen windows have no stacking order (and Qt says so on every raise).
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        raise();
    activateWindow();
}

void DemoForm::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (IsLoaded())
        Unload();
}

void DemoForm::Unload()
{
    OnUnload();
    ReleaseContent();
    // The close may come from a button on the content itself: its widgets go once the event is done.
    QWidget *client = std::exchange(m_client, nullptr);
    client->hide();
    client->deleteLater();
    hide();
    if (m_unloaded)
        m_unloaded();
}

} // namespace corvdemo
