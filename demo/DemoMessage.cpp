#include "DemoMessage.h"

#include "DemoStrings.h"

#include <QMessageBox>

namespace corvdemo
{

namespace
{

class MessageBoxPresenter final : public MessagePresenter
{
public:
    void Show(QWidget *owner, const QString &title, const QString &text) override
    {
        QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, owner);
        box.exec();
    }
};

MessageBoxPresenter g_messageBox;
MessagePresenter *g_presenter = &g_messageBox;

} // namespace

void ShowMessage(QWidget *owner, const QString &text)
{
    g_presenter->Show(owner, ProgramTitle(), text);
}

ScopedMessagePresenter::ScopedMessagePresenter(MessagePresenter &presenter)
    : m_previous(std::exchange(g_presenter, &presenter))
{
}

ScopedMessagePresenter::~ScopedMessagePresenter()
{
    g_presenter = m_previous;
}

} // namespace corvdemo
