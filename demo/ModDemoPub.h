#pragma once

#include <functional>
#include <memory>

namespace corvdemo
{

class FrmDemo;
class FrmvwDemo;

// The program module: start-up, the program-wide flag "picker form shown", and the two form objects.
// The program ends (quit) when its last loaded form unloads.
class ModDemoPub
{
public:
    explicit ModDemoPub(std::function<void()> quit);
    ~ModDemoPub();
    ModDemoPub(const ModDemoPub &) = delete;
    ModDemoPub &operator=(const ModDemoPub &) = delete;

    // Start-up: loads the main form and shows it modeless. Throws corv::Error when it cannot load.
    void Main();

    bool PickerFormShown() const noexcept { return m_pickerFormShown; }
    void SetPickerFormShown() noexcept { m_pickerFormShown = true; }

    FrmDemo &MainForm();
    // The picker form object, created on first use; it outlives its window.
    FrmvwDemo &PickerForm();
    bool HasPickerForm() const noexcept { return m_pickerForm != nullptr; }

private:
    void FormUnloaded();

    std::function<void()> m_quit;
    bool m_pickerFormShown = false;
    std::unique_ptr<FrmvwDemo> m_pickerForm;
    std::unique_ptr<FrmDemo> m_mainForm;
};

} // namespace corvdemo
