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
        // The buttons carry their Chinese texts themselves: Qt's standard ones read in English unless
        // the host loaded Qt's translations.
        QPushButton *ok = box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
        if (request.buttons == MessageButtons::OkCancel)
            box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
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
