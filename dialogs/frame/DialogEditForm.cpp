#include "DialogEditForm.h"

#include "DialogMessages.h"
#include "ListView.h"
#include "StdCtrls.h"

#include "Exception.h"
#include "NxSNMPError.h"

#include <functional>
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
    ShowFor(mode, title, mode == Mode::Add ? " (Add)" : " (Edit)");
}

void TDialogEditForm::ShowFor(Mode mode, const std::string& title, const std::string& ending) {
    mode_ = mode;
    SetCaption(title + ending);
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
        table_.SelectStatusValue(createValue_);
    }
    if (rowStatus_) rowStatus_->SetEnabled(!adding);
    for (ui::Control* control : readOnly_) control->SetEnabled(false);
    Activated();
}

void TDialogEditForm::BindsColumns(std::vector<ColumnEditor> editors) { editors_ = std::move(editors); }

void TDialogEditForm::BindEditors(DialogRequest& request) const {
    for (const ColumnEditor& editor : editors_) {
        if (auto* edit = dynamic_cast<ui::Edit*>(editor.Control))
            request.BindEdit(editor.Column, editor.Format ? editor.Format : "%s", edit);
        else if (auto* combo = dynamic_cast<ui::ComboBox*>(editor.Control))
            request.BindComboBox(editor.Column, combo);
    }
}

void TDialogEditForm::KeepsDisabled(std::vector<ui::Control*> controls) { readOnly_ = std::move(controls); }

void TDialogEditForm::SetThroughTable(std::initializer_list<int> leftOut) {
    SetThroughTable(std::vector<int>(leftOut));
}

void TDialogEditForm::SetThroughTable(const std::vector<int>& leftOut) {
    const SetRule rule = DialogSetRule ? DialogSetRule() : SetRule{};
    std::vector<int> columns(leftOut);
    columns.insert(columns.end(), rule.LeftOut.begin(), rule.LeftOut.end());
    std::optional<Exception> failure;
    const auto keepFailure = [&failure](const std::function<void()>& set) {
        try {
            set();
        } catch (const Exception& error) {
            failure = error;
            throw;
        }
    };
    if (rule.RereadsAfterAnswer) table_.WriteOnly([&] { keepFailure([&] { table_.SendRefreshing(columns); }); });
    else table_.Write([&] { keepFailure([&] { table_.Send(columns); }); });
    if (!failure) {
        Close();
        return;
    }
    // The form says what kept its values from being sent (a refused input has said it already) and stays open.
    if (failure->HelpContext != NxErrInputRefused) ShowMessage(this, failure->Message);
}

void EditSelectedRow(TDialogEditForm& form, DialogTable& table, ui::ListView& list, const std::string& title) {
    if (!table.Complete()) return ShowMessage(&list, GetDataNotCompleteText);
    if (!list.Selected()) return;
    if (!table.PassGuard()) return;
    form.ShowFor(TDialogEditForm::Mode::Edit, title);
    list.ClearSelection();
}
