#pragma once

#include <string>

class QDialog;
class QWidget;

namespace corvane::ui
{

enum class MessageIcon {
    None,
    Critical,
    Question,
    Exclamation,
    Information,
};

enum class MessageButtons {
    Ok,
    OkCancel,
};

// The answers a message box gives (the platform's numbers).
enum MessageResult : int {
    kMessageOk = 1,
    kMessageCancel = 2,
};

// A message box: title and text in UTF-8, lines of the text separated by carriage return and line
// feed.
struct MessageBoxRequest {
    std::string title;
    std::string text;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
};

// Everything modal the controls show goes through the runner of the process: message boxes and
// modal forms. The default runner shows them and waits; tests install one that records and answers at
// once, so no test ever blocks on a dialog.
class ModalRunner
{
public:
    virtual ~ModalRunner() = default;
    // Shows the box modally over `owner` (may be null) and returns the button chosen.
    virtual int ShowMessage(const MessageBoxRequest &request, QWidget *owner) = 0;
    // Shows the dialog modally and returns its result code when it is closed.
    virtual int RunDialog(QDialog &dialog) = 0;
};

// The runner in force: the last one installed, else the default.
ModalRunner &CurrentModalRunner();

// Installs a runner for the lifetime of this object; the previous one comes back on destruction.
class ScopedModalRunner
{
public:
    explicit ScopedModalRunner(ModalRunner &runner);
    ~ScopedModalRunner();
    ScopedModalRunner(const ScopedModalRunner &) = delete;
    ScopedModalRunner &operator=(const ScopedModalRunner &) = delete;

private:
    ModalRunner *m_previous;
};

// Shorthand for CurrentModalRunner().ShowMessage.
int ShowMessageBox(const MessageBoxRequest &request, QWidget *owner = nullptr);

} // namespace corvane::ui
