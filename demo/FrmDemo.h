#pragma once

#include "DemoForm.h"

#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace corvdemo
{

class HostedControl;
class ModDemoPub;

// The main form: the month calendar, the lunar-to-Gregorian conversion, the seven methods on a demo
// date, the colour properties, the appearance, and the way to the picker form.
class FrmDemo final : public DemoForm
{
public:
    explicit FrmDemo(ModDemoPub &program);
    ~FrmDemo() override;

    // The date the method buttons work on; it follows DateUD.
    double DemoDate() const noexcept { return m_demoDate; }

    // The placed controls by their names on the form ("QxMonth", "DateUD", "TimeUD", "DateUpDown");
    // null while the form is not loaded.
    const HostedControl *Control(const char *name) const;

protected:
    void Load(QWidget &client) override;
    void OnUnload() override;
    void ReleaseContent() override;

private:
    struct Content;

    void BuildConversionGroup(QWidget &client);
    void BuildMethodGroup(QWidget &client);
    void BuildColourGroup(QWidget &client);
    void ConnectControlEvents();

    void ConvertAgrToUni();
    void DemoMethod(int index);
    void SetColour();
    void ColourBarMoved(int index);

    ModDemoPub &m_program;
    double m_demoDate = 0;
    std::unique_ptr<Content> m_content;
};

} // namespace corvdemo
