#include "ModalRunner.h"

#include "Text.h"

#include <QDialog>
#include <QMessageBox>
#include <QPushButton>

namespace corvane::ui
{

namespace
{

QMessageBox::Icon IconOf(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// Shows the real thing and waits for the user.
class DialogRunner final : public ModalRunner
{
public:
    int ShowMessage(const MessageBoxRequest &request, QWidget *owner) override
    {
        QMessageBox box(IconOf(request.icon), ToQString(request.title), DisplayText(request.text), {}, owner);
        QPushButton *ok = box.addButton(QMessageBox::Ok);
        if (request.buttons == MessageButtons::OkCancel)
            box.addButton(QMessageBox::Cancel);
        box.setDefaultButton(ok);
        box.exec();
        return box.clickedButton() == ok ? kMessageOk : kMessageCancel;
    }
    int RunDialog(QDialog &dialog) override { return dialog.exec(); }
};

ModalRunner *g_runner = nullptr; // the user-interface thread's; null means the default

} // namespace

ModalRunner &CurrentModalRunner()
{
    static DialogRunner defaultRunner;
    return g_runner ? *g_runner : defaultRunner;
}

ScopedModalRunner::ScopedModalRunner(ModalRunner &runner)
    : m_previous(g_runner)
{
    g_runner = &runner;
}

ScopedModalRunner::~ScopedModalRunner()
{
    g_runner = m_previous;
}

int ShowMessageBox(const MessageBoxRequest &request, QWidget *owner)
{
    return CurrentModalRunner().ShowMessage(request, owner);
}

} // namespace corvane::ui
