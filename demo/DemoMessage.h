#pragma once

#include <QString>

class QWidget;

namespace corvdemo
{

// Where the demo's message boxes go. The default presenter shows a plain box with one OK button and
// no icon and waits for it; tests install one that records the message and returns at once.
class MessagePresenter
{
public:
    virtual ~MessagePresenter() = default;
    virtual void Show(QWidget *owner, const QString &title, const QString &text) = 0;
};

// Shows text in a message box titled with the program's title.
void ShowMessage(QWidget *owner, const QString &text);

// Installs a presenter for the lifetime of this object; the previous one comes back afterwards.
class ScopedMessagePresenter
{
public:
    explicit ScopedMessagePresenter(MessagePresenter &presenter);
    ~ScopedMessagePresenter();
    ScopedMessagePresenter(const ScopedMessagePresenter &) = delete;
    ScopedMessagePresenter &operator=(const ScopedMessagePresenter &) = delete;

private:
    MessagePresenter *m_previous;
};

} // namespace corvdemo
