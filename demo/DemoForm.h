#pragma once

#include "DemoMessage.h"

#include "corvane/corvane.hpp"

#include <QWidget>

#include <functional>

namespace corvdemo
{

// A form of the demo: a fixed-size dialog-style window without minimise or maximise button, with the
// common caption, its client area given in twips, centred on the screen the first time it is shown.
//
// Loading builds the form's content, its controls included, and runs its load actions; closing the
// window unloads it (the content and the controls go), while the form object and whatever state it
// keeps stay for the next Show, which loads the window anew.
class DemoForm : public QWidget
{
public:
    ~DemoForm() override;

    // Loads the form when it is not loaded, then shows it modeless.
    void Show();
    bool IsLoaded() const noexcept { return m_client != nullptr; }

    // Called after the form has unloaded.
    void SetUnloadedHandler(std::function<void()> handler) { m_unloaded = std::move(handler); }

protected:
    DemoForm(int clientWidthTwips, int clientHeightTwips);

    // Builds the content on client and runs the load actions. A failure (corv::Error) leaves the form
    // unloaded.
    virtual void Load(QWidget &client) = 0;
    // Runs before the content goes, while the controls still exist.
    virtual void OnUnload() { }
    // Lets go of the controls and of every pointer into the content.
    virtual void ReleaseContent() = 0;

    void closeEvent(QCloseEvent *event) override;

    // Runs a user action; a call that a control fails is reported in a message box.
    template<class Action>
    void Guarded(Action &&action)
    {
        try {
            action();
        } catch (const corv::Error &e) {
            ShowMessage(this, QString::fromUtf8(e.what()));
        }
    }

private:
    void Unload();

    QWidget *m_client = nullptr;
    bool m_shownBefore = false;
    std::function<void()> m_unloaded;
};

} // namespace corvdemo
