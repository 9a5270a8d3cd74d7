#include "DialogTable.h"

#include "AccessScope.h"
#include "ApplyBoxes.h"
#include "DialogMessages.h"

#include "Application.h"
#include "Catalog.h"
#include "ComCtrls.h"
#include "Dialogs.h"
#include "Exception.h"
#include "Form.h"
#include "ListView.h"
#include "NxInputCheck.h"
#include "NxOptionList.h"
#include "StdCtrls.h"

#include <algorithm>
#include <chrono>
#include <optional>

void DialogRequest::ListViewSelectItem(ui::Component* sender, ui::ListItem* item, bool selected) {
    NxSNMPRequest2Edits::ListViewSelectItem(sender, item, selected);
    if (selected) {
        ++rowsShown_;
        readStatusIndex_ = StatusCombo ? StatusCombo->ItemIndex() : -1;
    }
    if (OnRowSelected && !Destroying) OnRowSelected(item, selected);
}

DialogTable::DialogTable(ui::Form& form, ui::StatusPanel* statusPanel) : form_(form), statusPanel_(statusPanel) {}

DialogTable::~DialogTable() { Close(); }

bool DialogTable::Open(const CatalogTable& table, NxVarListKind kind, int keyCount,
                       const std::function<void(DialogRequest&)>& bind) {
    return Open(table, kind, keyCount, bind, Options{});
}

bool DialogTable::Open(const OutsideTable& table, const std::function<void(DialogRequest&)>& bind, Options options) {
    return Open(table.Catalogued(), table.Kind, table.KeyCount, bind, std::move(options));
}

bool DialogTable::Open(const CatalogTable& table, NxVarListKind kind, int keyCount,
                       const std::function<void(DialogRequest&)>& bind, Options options) {
    options_ = std::move(options);
    complete_ = !options_.KeepsFlag;
    openFailed_ = false;
    try {
        request_ = options_.MakeRequest ? options_.MakeRequest(&form_) : std::make_unique<DialogRequest>(&form_);
        request_->StatusCombo = rowStatusCombo_;
        if (options_.StatusTarget && options_.StatusBarText) request_->SetStatusBar(options_.StatusBarText);
        else if (options_.StatusTarget) request_->SetStatusPanel(statusPanel_);
        request_->Request.Vars = NxSNMPVarList(table.Table, kind, keyCount);
        if (options_.Timeout > 0) request_->Request.Timeout = options_.Timeout;
        request_->MaxRows = options_.MaxRows;
        if (bind) bind(*request_);
        if (options_.Synchronous) request_->Mode = NxSNMPRequest2Controls::ModeSync;
        // With a status target the binding shows a failed walk's text before this handler as it would without
        // it, so a table without the flag loses nothing by having it.
        if (options_.KeepsFlag || options_.StatusTarget)
            request_->OnGetResult = [this](NxSNMPRequest2Controls*, const NxSNMPError&) { WalkEnded(); };
        if (options_.FirstGet) Get();
    } catch (const Exception& error) {
        complete_ = true;
        openFailed_ = true;
        ShowError(error.Message);
        return false;
    }
    return true;
}

void DialogTable::WalkEnded() {
    if (options_.KeepsFlag) complete_ = true;
    if (OnWalkEnded) OnWalkEnded();
}

bool DialogTable::Get() {
    const bool async = request_->Mode == NxSNMPRequest2Controls::ModeAsync;
    if (options_.KeepsFlag && async) complete_ = false;
    request_->Request.Active = 1;
    const bool started = request_->Get();
    // A blocking read has ended when Get returns; the binding calls no result handler for it.
    if (!async) WalkEnded();
    return started;
}

bool DialogTable::Refuse(const std::string& text) const {
    if (!text.empty()) ShowMessage(&form_, text);
    return false;
}

bool DialogTable::PassGuard() const {
    if (!request_ || !complete_) return Refuse(options_.IncompleteText);
    if (request_->Busy && options_.GuardRefusesWhileBusy) return Refuse(options_.IncompleteText);
    return true;
}

bool DialogTable::PassRefreshGuard() const {
    if (request_ && complete_ && !request_->Busy) return true;
    return Refuse(options_.RefreshRefusedText);
}

bool DialogTable::Reread(std::optional<ErrorText> errors) {
    if (!request_ || request_->Busy) return false;
    return ReadAgain(errors);
}

bool DialogTable::ReadAgain(std::optional<ErrorText> errors) {
    if (!request_) return false;
    try {
        Get();
    } catch (const Exception& error) {
        complete_ = true;
        ShowError(error.Message, errors.value_or(options_.Errors));
        return false;
    }
    return true;
}

void DialogTable::Stop() {
    if (!request_) return;
    request_->Request.Active = 0;
    if (options_.StopSetsFlag) complete_ = true;
}

void DialogTable::StopAndWait() {
    Stop();
    while (request_ && request_->Busy) ui::Application::Instance().ProcessMessages();
}

void DialogTable::SetRowStatus(int column, ui::ComboBox* combo) {
    rowStatusColumn_ = column;
    rowStatusCombo_ = combo;
    if (request_) request_->StatusCombo = combo;
}

void DialogTable::SelectRowStatus(RowStatusValue value) { SelectStatusValue(static_cast<int>(value)); }

void DialogTable::SelectStatusValue(int value) {
    if (!request_ || !rowStatusCombo_ || rowStatusColumn_ < 0 || rowStatusColumn_ >= Vars().GetCount()) return;
    const NxOptionList* options = Vars().GetVar(rowStatusColumn_)->Options;
    const int index = options ? options->IndexOfValue(std::to_string(value)) : -1;
    rowStatusCombo_->SetItemIndex(index);
    chosenStatus_ = value;
    chosenAtRow_ = request_->RowsShown();
}

bool DialogTable::ShowsReadRowAction() const {
    if (!rowStatusCombo_ || rowStatusColumn_ < 0 || rowStatusColumn_ >= request_->Request.Vars.GetCount()) return false;
    const NxOptionList* options = request_->Request.Vars.GetVar(rowStatusColumn_)->Options;
    const int index = rowStatusCombo_->ItemIndex();
    if (!options || index < 0 || index >= options->Count()) return false;
    // Changed since the row was shown, or chosen by the dialog afterwards: not the agent's.
    if (index != request_->ReadStatusIndex()) return false;
    if (chosenStatus_ && chosenAtRow_ == request_->RowsShown()) return false;
    const int shown = options->GetPair(index).IntValue;
    return shown == static_cast<int>(RowStatusValue::CreateAndGo) ||
           shown == static_cast<int>(RowStatusValue::CreateAndWait) ||
           shown == static_cast<int>(RowStatusValue::Destroy);
}

bool DialogTable::SetControls(AccessScope& access, bool refreshAfter) {
    if (ShowsReadRowAction()) access.LeaveOut(rowStatusColumn_);
    return request_->Set(refreshAfter, true);
}

void DialogTable::Write(const std::function<void()>& sets) {
    if (!request_) return;
    complete_ = !options_.KeepsFlag;
    request_->Request.Active = 1;
    try {
        sets();
        Get();
    } catch (const Exception& error) {
        complete_ = true;
        ShowError(error.Message);
    }
}

bool DialogTable::WriteOnly(const std::function<void()>& sets, std::optional<ErrorText> errors) {
    if (!request_) return false;
    request_->Request.Active = 1;
    try {
        sets();
    } catch (const Exception& error) {
        ShowError(error.Message, errors.value_or(options_.Errors));
        return false;
    }
    return true;
}

void DialogTable::SendRefreshing(std::initializer_list<int> leftOut) { SendRefreshing(std::vector<int>(leftOut)); }

void DialogTable::SendRefreshing(const std::vector<int>& leftOut) {
    if (!request_) return;
    AccessScope access(Vars());
    access.LeaveOut(leftOut);
    SetControls(access, true);
}

bool DialogTable::Send(std::initializer_list<int> leftOut) { return Send(std::vector<int>(leftOut)); }

bool DialogTable::Send(const std::vector<int>& leftOut) {
    if (!request_) return false;
    AccessScope access(Vars());
    access.LeaveOut(leftOut);
    return SetControls(access);
}

void DialogTable::SendChecked(const ApplyBoxes& boxes, std::initializer_list<int> alsoLeftOut) {
    if (!request_) return;
    AccessScope access(Vars());
    boxes.LeaveOutUnchecked(access);
    access.LeaveOut(std::vector<int>(alsoLeftOut));
    SetControls(access);
}

bool DialogTable::SendAndWait(std::initializer_list<int> leftOut) {
    if (!request_) return false;
    std::optional<NxSNMPError> answer;
    NxSNMPResultEvent saved = request_->OnSetResult;
    request_->OnSetResult = [&answer](NxSNMPRequest2Controls*, const NxSNMPError& result) { answer = result; };
    waiting_ = true;
    struct WaitEnd {
        DialogTable& table;
        NxSNMPResultEvent saved;
        ~WaitEnd() {
            table.waiting_ = false;
            if (table.request_) table.request_->OnSetResult = saved;
        }
    } end{*this, saved};
    bool sent = false;
    {
        AccessScope access(Vars());
        access.LeaveOut(std::vector<int>(leftOut));
        sent = SetControls(access) && request_->Request.Active;
    }
    // The request's own time-out and retries, and a margin for the answer's way back.
    const auto limit = std::chrono::steady_clock::now() +
                       std::chrono::milliseconds(10 * std::max(request_->Request.Timeout, 1) *
                                                 (std::max(request_->Request.Retries, 0) + 1) + 1000);
    while (sent && !answer && request_->Request.Active && std::chrono::steady_clock::now() < limit)
        ui::Application::Instance().ProcessMessages();
    if (!answer) return false;
    if (answer->Code != 0) request_->ReportSetError(*answer);
    return answer->Code == 0;
}

void DialogTable::AddRow(std::initializer_list<int> leftOut) {
    SelectRowStatus(RowStatusValue::CreateAndGo);
    Write([&] { Send(leftOut); });
}

void DialogTable::DeleteRow() {
    SelectRowStatus(RowStatusValue::Destroy);
    Write([&] {
        AccessScope access(Vars());
        access.LeaveOutAllBut({rowStatusColumn_});
        SetControls(access);
    });
}

void DialogTable::ShowError(const std::string& message) { ShowError(message, options_.Errors); }

void DialogTable::ShowError(const std::string& message, ErrorText errors) {
    if (errors == ErrorText::Template && request_ && options_.StatusTarget) request_->ShowStatus(message);
    else if (options_.StatusBarText) options_.StatusBarText->SetSimpleText(message);
    else if (statusPanel_) statusPanel_->SetText(message);
}

void DialogTable::Close() {
    if (!request_) return;
    request_->Request.Active = 0;
    while (request_->Busy) ui::Application::Instance().ProcessMessages();
    request_.reset();
}
