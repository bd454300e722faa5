#include "AboutBox.h"

#include "controls/common/ControlBase.h"
#include "frmAbout.h"
#include "platform/ui/ModalRunner.h"

#include <QCoreApplication>
#include <QPointer>

namespace corvane
{

namespace
{

void DeleteAbout();

// The thread's box. Widgets live on the application's thread only, so this is the one box of the
// process; it is deleted when the application ends, while Qt can still take widgets down. A host
// whose application object is itself static ends it only after this thread's storage is gone: then
// the box goes with the storage, and the application's clean-up is told to forget it.
struct AboutHolder {
    QPointer<frmAbout> box;
    bool cleanupRegistered = false;
    ~AboutHolder()
    {
        if (cleanupRegistered)
            qRemovePostRoutine(DeleteAbout);
        delete box.data();
    }
};
thread_local AboutHolder t_about;

void DeleteAbout()
{
    delete t_about.box.data();
}

} // namespace

void ShowAbout(QWidget *owner)
{
    if (!t_about.cleanupRegistered) {
        qAddPostRoutine(DeleteAbout);
        t_about.cleanupRegistered = true;
    }
    if (!t_about.box)
        t_about.box = new frmAbout();
    frmAbout &form = *t_about.box;
    QWidget *parent = owner ? owner->window() : nullptr;
    if (form.parentWidget() != parent)
        form.setParent(parent, form.windowFlags());
    form.Load();
    ui::CurrentModalRunner().RunDialog(form);
}

frmAbout *AboutForm()
{
    return t_about.box.data();
}

MemberInfo AboutMember()
{
    return Method("About", kDispIdAbout, {}, types::None, [](AutomationObject &self, std::span<Variant>, Variant &) {
        ShowAbout(static_cast<ui::ControlBase &>(self).Surface());
    });
}

} // namespace corvane
