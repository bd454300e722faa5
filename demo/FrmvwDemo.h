#pragma once

#include "DemoForm.h"

#include <cstdint>
#include <memory>

namespace corvdemo
{

class HostedControl;

// The picker form: the drop-down date picker with its caption format and appearance, the caption of
// the chosen date, and the two spin controls in their 3D look.
class FrmvwDemo final : public DemoForm
{
public:
    FrmvwDemo();
    ~FrmvwDemo() override;

    // The caption format last set by "日期格式"; it survives the unloading of the window.
    std::int16_t FormatCounter() const noexcept { return m_formatCounter; }

    // The placed controls by their names on the form ("QxMonthVw", "TimeUpDown", "DateUpDown");
    // null while the form is not loaded.
    const HostedControl *Control(const char *name) const;

protected:
    void Load(QWidget &client) override;
    void ReleaseContent() override;

private:
    struct Content;

    void NextFormat();
    void PickerChanged();

    std::int16_t m_formatCounter = 0;
    std::unique_ptr<Content> m_content;
};

} // namespace corvdemo
