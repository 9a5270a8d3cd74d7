#include "DialogEditForm.h"

#include "DedicatedForm.h"
#include "StdCtrls.h"

#include "Exception.h"
#include "NxSNMPError.h"

#include <optional>

TDialogEditForm::TDialogEditForm(ui::Form& tableDialog, DialogTable& table, int designWidth, int designHeight)
    : ui::Form(&tableDialog), tableDialog_(tableDialog), table_(table) {
    SetBorderStyle(ui::bsDialog);
    SetPosition(ui::poMainFormCenter);
    SetBounds(Left(), Top(), ScaledDialogSize(designWidth), ScaledDialogSize(designHeight));
    OnActivate = [this](ui::Component* sender) { FormActivate(sender); };
}

void TDialogEditForm::ShowFor(Mode mode) { ShowFor(mode, tableDialog_.Caption()); }

void TDialogEditForm::ShowFor(Mode mode, const std::string& title) {
    mode_ = mode;
    SetCaption(title + (mode == Mode::Add ? " (Add)" : " (Edit)"));
    ShowModal();
}

void TDialogEditForm::PreparesEditors(std::vector<ui::Edit*> keyEdits, std::vector<ui::Edit*> edits,
                                      ui::ComboBox* rowStatus) {
    keyEdits_ = std::move(keyEdits);
    edits_ = std::move(edits);
    rowStatus_ = rowStatus;
}

void TDialogEditForm::FormActivate(ui::Component*) {
    const bool adding = mode_ == Mode::Add;
    for (ui::Edit* edit : keyEdits_) {
        edit->SetEnabled(adding);
        edit->SetColor(adding ? ui::clWindow : ui::clMenu);
    }
    if (adding) {
        for (ui::Edit* edit : keyEdits_) edit->SetText("");
        for (ui::Edit* edit : edits_) edit->SetText("");
        table_.SelectRowStatus(4);  // createAndGo
    }
    if (rowStatus_) rowStatus_->SetEnabled(!adding);
    for (ui::Control* control : readOnly_) control->SetEnabled(false);
}

void TDialogEditForm::KeepsDisabled(std::vector<ui::Control*> controls) { readOnly_ = std::move(controls); }

void TDialogEditForm::SetThroughTable(std::initializer_list<int> leftOut) {
    std::optional<Exception> failure;
    table_.Write([&] {
        try {
            table_.Send(leftOut);
        } catch (const Exception& error) {
            failure = error;
            throw;
        }
    });
    if (!failure) {
        Close();
        return;
    }
    // The form says what kept its values from being sent (a refused input has said it already) and stays open.
    if (failure->HelpContext != NxErrInputRefused) ShowMessage(this, failure->Message);
}
