#include "ModDemoPub.h"

#include "FrmDemo.h"
#include "FrmvwDemo.h"

namespace corvdemo
{

ModDemoPub::ModDemoPub(std::function<void()> quit)
    : m_quit(std::move(quit))
{
}

// The main form goes first: its unload may still reach the picker form.
ModDemoPub::~ModDemoPub()
{
    m_mainForm.reset();
    m_pickerForm.reset();
}

void ModDemoPub::Main()
{
    MainForm().Show();
}

FrmDemo &ModDemoPub::MainForm()
{
    if (!m_mainForm) {
        m_mainForm = std::make_unique<FrmDemo>(*this);
        m_mainForm->SetUnloadedHandler([this] { FormUnloaded(); });
    }
    return *m_mainForm;
}

FrmvwDemo &ModDemoPub::PickerForm()
{
    if (!m_pickerForm) {
        m_pickerForm = std::make_unique<FrmvwDemo>();
        m_pickerForm->SetUnloadedHandler([this] { FormUnloaded(); });
    }
    return *m_pickerForm;
}

void ModDemoPub::FormUnloaded()
{
    const bool mainOpen = m_mainForm && m_mainForm->IsLoaded();
    const bool pickerOpen = m_pickerForm && m_pickerForm->IsLoaded();
    if (!mainOpen && !pickerOpen && m_quit)
        m_quit();
}

} // namespace corvdemo
