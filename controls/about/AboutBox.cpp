#include "AboutBox.h"

#include "frmAbout.h"
#include "platform/ui/ControlBase.h"
#include "platform/ui/ModalRunner.h"

#include <QCoreApplication>
#include <QPointer>

namespace corvane
{

namespace
{

// The thread's box. Widgets live on the application's thread only, so this is the one box of the
// process; it is deleted when the application ends, while Qt can still take widgets down.
thread_local QPointer<frmAbout> t_about;

void DeleteAbout()
{
    delete t_about.data();
}

} // namespace

void ShowAbout(QWidget *owner)
{
    if (!t_about) {
        static const bool cleanupRegistered = (qAddPostRoutine(DeleteAbout), true);
        (void)cleanupRegistered;
        t_about = new frmAbout();
    }
    frmAbout &form = *t_about;
    QWidget *parent = owner ? owner->window() : nullptr;
    if (form.parentWidget() != parent)
        form.setParent(parent, form.windowFlags());
    form.Load();
    ui::CurrentModalRunner().RunDialog(form);
}

frmAbout *AboutForm()
{
    return t_about.data();
}

MemberInfo AboutMember()
{
    return Method("About", kDispIdAbout, {}, types::None, [](AutomationObject &self, std::span<Variant>, Variant &) {
        ShowAbout(static_cast<ui::ControlBase &>(self).Surface());
    });
}

} // namespace corvane
