#pragma once

#include "platform/ui/Twips.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace corvane
{

// The About box every visual control shows: the library's picture, title, version and description
// over an etched line, and one button, "确认", that is both the default and the cancel button. A
// fixed-size dialog without minimise or maximise buttons. Its parts carry their design names
// (picIcon, lblTitle, lblVersion, lblDescription, cmdOK).
class frmAbout final : public QDialog
{
public:
    frmAbout();

    // The load steps, run each time the box is shown: caption, version line, title, description.
    void Load();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ui::TwipsScale m_scale;
    QLabel *m_title;
    QLabel *m_version;
    QLabel *m_description;
};

} // namespace corvane
