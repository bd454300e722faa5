#pragma once

#include "platform/ui/ModalRunner.h"
#include "platform/ui/Text.h"

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

// Records what would have been shown modally and answers at once, so no test waits for a person.
// A dialog is looked at (onDialog) while it would be on the screen, then accepted.
class RecordingModalRunner final : public corvane::ui::ModalRunner
{
public:
    RecordingModalRunner()
        : m_scope(*this)
    {
    }

    int ShowMessage(const corvane::ui::MessageBoxRequest &request, QWidget *owner) override
    {
        messages.push_back(request);
        owners.push_back(owner);
        return corvane::ui::kMessageOk;
    }

    int RunDialog(QDialog &dialog) override
    {
        dialogs.push_back(&dialog);
        if (onDialog)
            onDialog(dialog);
        dialog.accept();
        return dialog.result();
    }

    std::vector<corvane::ui::MessageBoxRequest> messages;
    std::vector<QWidget *> owners;
    std::vector<QDialog *> dialogs;
    std::function<void(QDialog &)> onDialog;

private:
    corvane::ui::ScopedModalRunner m_scope;
};
