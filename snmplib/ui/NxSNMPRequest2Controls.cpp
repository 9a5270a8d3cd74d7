#include "NxSNMPRequest2Controls.h"

#include "Application.h"
#include "ComCtrls.h"
#include "Dialogs.h"
#include "Exception.h"
#include "Form.h"
#include "NxExpr.h"
#include "StdCtrls.h"

#include <cstdint>
#include <ctime>
#include <exception>

namespace {

// Ends a write when its step leaves by an exception.
class WriteGuard {
public:
    explicit WriteGuard(NxSNMPRequest2Controls& owner) : owner_(owner) {}
    ~WriteGuard() {
        if (armed_) owner_.EndWriteStep();
    }
    WriteGuard(const WriteGuard&) = delete;
    WriteGuard& operator=(const WriteGuard&) = delete;
    void Release() { armed_ = false; }

private:
    NxSNMPRequest2Controls& owner_;
    bool armed_ = true;
};

// Clears a running flag when a step leaves by an exception.
class RunningGuard {
public:
    RunningGuard(bool& flag, NxSNMPRequest2Controls& owner, void (*update)(NxSNMPRequest2Controls&))
        : flag_(flag), owner_(owner), update_(update) {}
    ~RunningGuard() {
        if (armed_) {
            flag_ = false;
            update_(owner_);
        }
    }
    RunningGuard(const RunningGuard&) = delete;
    RunningGuard& operator=(const RunningGuard&) = delete;
    void Release() { armed_ = false; }

private:
    bool& flag_;
    NxSNMPRequest2Controls& owner_;
    void (*update_)(NxSNMPRequest2Controls&);
    bool armed_ = true;
};

std::string CurrentTimeText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%H:%M:%S", &local);
    return text;
}

std::string ApplicationTitle() {
    ui::Application* application = ui::Application::InstanceOrNull();
    return application ? application->Title() : std::string();
}

std::string MessageOf(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const Exception& e) {
        return e.Message;
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return NxSNMPErrorText(NxErrUnknown);
    }
}

}  // namespace

void AddMemoLine(ui::Memo& memo, const std::string& line) {
    ui::Strings& lines = memo.Lines();
    lines.Add(line);
    // A request that reads on a timer writes a line each time: only the latest are kept.
    while (lines.Count() > MaxMemoStatusLines) lines.Delete(0);
}

std::string RowLimitText(int32_t maxRows) {
    return "Read stopped after " + std::to_string(maxRows) + " rows: the table has more than it can hold";
}

NxSNMPRequest2Controls::NxSNMPRequest2Controls(ui::Form* owner) : OwnerForm(owner) {}

NxSNMPRequest2Controls::~NxSNMPRequest2Controls() {
    destroying_ = true;
    Busy = 0;
    Request.Active = 0;
}

// ------------------------------------------------------------------------------------------------ status

void NxSNMPRequest2Controls::SetStatusMemo(ui::Memo* memo) {
    StatusTarget = memo ? NxStatusTarget(memo) : NxStatusTarget();
}

void NxSNMPRequest2Controls::SetStatusBar(ui::StatusBar* statusBar) {
    StatusTarget = statusBar ? NxStatusTarget(statusBar) : NxStatusTarget();
}

void NxSNMPRequest2Controls::SetStatusPanel(ui::StatusPanel* panel) {
    StatusTarget = panel ? NxStatusTarget(panel) : NxStatusTarget();
}

bool NxSNMPRequest2Controls::HasStatusTarget() const {
    return !std::holds_alternative<std::monostate>(StatusTarget);
}

void NxSNMPRequest2Controls::ShowStatus(const std::string& text) {
    if (!HasStatusTarget()) return;
    std::string line = SnmpStatusTemplates[static_cast<size_t>(StatusTemplate)];
    if (Request.Vars.Name.empty()) {
        // An unnamed list drops what follows "[ERROR]" up to the character after "[VARLIST]" (" Request:[VARLIST].").
        const size_t error = line.find("[ERROR]");
        const size_t varList = line.find("[VARLIST]");
        if (error != std::string::npos && varList != std::string::npos && error <= varList)
            line.erase(error + 7, varList - error + 3);
    } else {
        line = ReplaceAll(line, "[VARLIST]", Request.Vars.Name);
    }
    line = ReplaceAll(line, "[ERROR]", text);
    line = ReplaceAll(line, "[TIME]", CurrentTimeText());
    if (auto* memo = std::get_if<ui::Memo*>(&StatusTarget)) AddMemoLine(**memo, line);
    else if (auto* bar = std::get_if<ui::StatusBar*>(&StatusTarget)) (*bar)->SetSimpleText(line);
    else if (auto* panel = std::get_if<ui::StatusPanel*>(&StatusTarget)) (*panel)->SetText(line);
}

void NxSNMPRequest2Controls::ShowMessage(const std::string& text) {
    ui::MessageBox(OwnerForm, text, ApplicationTitle(), ui::mbOK, ui::mtCustom);
}

void NxSNMPRequest2Controls::ShowFailure(const std::string& message) {
    if (HasStatusTarget()) ShowStatus(message);
    else ShowMessage(message);
}

void NxSNMPRequest2Controls::GetFailed(const NxSNMPError& result) {
    StatusTemplate = StatusTemplateGet;
    ShowFailure(result.Message);
}

void NxSNMPRequest2Controls::SetFinished(const NxSNMPError& result) { ReportSetError(result); }

void NxSNMPRequest2Controls::ReportSetError(const NxSNMPError& result) {
    StatusTemplate = StatusTemplateSet;
    if (result.Code != 0) ShowMessage(result.Message);
    else ShowFailure(result.Message);
}

std::string NxSNMPRequest2Controls::BuildFilter() {
    if (!FilterSource || FilterTemplate.empty()) return {};
    return FilterSource->SubstituteVars(FilterTemplate, true, "#");
}

void NxSNMPRequest2Controls::TestRow() {
    if (!Request.AcceptRowFilter(BuildFilter()) || !Request.AcceptRowFilter()) return;
    RowReceived();
    ++RowCount;
}

void NxSNMPRequest2Controls::ReadEnded() {
    reading_ = false;
    UpdateBusy();
}

void NxSNMPRequest2Controls::WriteEnded() {
    if (writing_ > 0) --writing_;
    UpdateBusy();
}

// A Get asked for while a SET was in flight starts once the last SET has answered; one asked for after Stop
// ends at once as a stopped walk, so a dialog waiting for its walk's end is not left waiting.
void NxSNMPRequest2Controls::StartHeldGet() {
    if (!getHeld_ || writing_ > 0) return;
    getHeld_ = false;
    UpdateBusy();
    if (Request.Active) {
        try {
            Get();
        } catch (...) {
            // A read that cannot start (a local failure) ends like a failed walk.
            NxSNMPError failed;
            failed.Code = NxErrUnknown;
            failed.Message = MessageOf(std::current_exception());
            StatusTemplate = StatusTemplateGet;
            ShowFailure(failed.Message);
            if (OnGetResult) OnGetResult(this, failed);
        }
        return;
    }
    reading_ = true;
    UpdateBusy();
    NxSNMPError stopped;
    stopped.Message = SnmpStopText;
    StopWalk(stopped);
}

// ------------------------------------------------------------------------------------------------ get

bool NxSNMPRequest2Controls::Get() {
    if (reading_) return false;
    if (writing_ > 0 && Mode == ModeAsync) {
        // Read after the SET's answer: a walk sent now could see the row before the SET changed it.
        getHeld_ = true;
        UpdateBusy();
        return true;
    }
    StatusTemplate = StatusTemplateGet;
    BeforeGet();
    RowCount = 0;
    walkRows_ = 0;
    if (Mode == ModeSync) return GetBlocking();
    if (Mode == ModeAsync) return GetAsynchronous();
    return true;
}

bool NxSNMPRequest2Controls::GetBlocking() {
    reading_ = true;
    UpdateBusy();
    RunningGuard guard(reading_, *this, [](NxSNMPRequest2Controls& self) { self.UpdateBusy(); });
    bool ok = false;
    bool limitPassed = false;
    const uint64_t serial = Request.Serial;
    if (IsTableList()) {
        // A step that delivers a row with an error ends the walk: its values are not the row's.
        for (bool first = true; Request.Get(ok, first) && ok; first = false) {
            if (BeyondRowLimit()) {
                limitPassed = true;
                ok = false;
                break;
            }
            TakeRow();
            // A modal form closed between two rows waits for the walk to return: it ends here.
            if (OwnerForm && OwnerForm->Modal() && OwnerForm->ModalResult() != ui::mrNone) break;
        }
    } else {
        Request.Get(ok, true);
        if (ok || HasAbsentValues()) TestRow();
    }
    AfterGet();
    guard.Release();
    ReadEnded();
    // A read that failed (a walk cut short included) shows its error, never "Ok!". An SNMPv1 walk's end is no
    // error: it is not counted.
    if (limitPassed) {
        ShowFailure(RowLimitText(MaxRows));
        return false;
    }
    const bool failed = Request.Serial != serial;
    if (HasStatusTarget()) ShowStatus(failed ? Request.LastError.Message : NxSNMPErrorText(0));
    return ok;
}

bool NxSNMPRequest2Controls::GetAsynchronous() {
    reading_ = true;
    UpdateBusy();
    if (!Request.Active) {
        ReadEnded();
        return true;
    }
    RunningGuard guard(reading_, *this, [](NxSNMPRequest2Controls& self) { self.UpdateBusy(); });
    const bool sent = SendNextStep(true);
    guard.Release();
    return sent;
}

// Sends one step of the read; a failed send ends the read and is reported like a failed answer.
bool NxSNMPRequest2Controls::SendNextStep(bool first) {
    bool ok = false;
    const NxSNMPError sent = Request.GetAsync(ok, &NxSNMPRequest2Controls::AsyncGetDone, this, first);
    if (ok) return true;
    GetStepFailed(sent);
    return false;
}

void NxSNMPRequest2Controls::GetStepFailed(const NxSNMPError& result) {
    ReadEnded();
    StatusTemplate = StatusTemplateGet;
    if (OnGetResult) {
        if (HasStatusTarget()) ShowStatus(result.Message);
        OnGetResult(this, result);
    } else {
        GetFailed(result);
    }
}

void NxSNMPRequest2Controls::AsyncGetDone(void* context, NxSNMPError* result, NxSNMPVarList*) {
    auto* self = static_cast<NxSNMPRequest2Controls*>(context);
    if (self->destroying_) return;
    std::weak_ptr<int> life = self->life_;
    try {
        self->GetDone(*result);
    } catch (...) {
        // A row the controls cannot take (or a next step that cannot be built) ends the walk with its message.
        if (life.expired()) return;
        self->ReadEnded();
        self->StatusTemplate = StatusTemplateGet;
        NxSNMPError failed;
        failed.Code = NxErrUnknown;
        failed.Message = MessageOf(std::current_exception());
        self->ShowFailure(failed.Message);
        if (self->OnGetResult) self->OnGetResult(self, failed);
    }
}

bool NxSNMPRequest2Controls::HasAbsentValues() const {
    for (int i = 0; i < Request.Vars.GetCount(); ++i)
        if (Request.IsAbsent(i)) return true;
    return false;
}

void NxSNMPRequest2Controls::GetDone(const NxSNMPError& result) {
    if (result.Code != 0) {
        // Scalars some of which the agent lacks: the others are shown, the missing ones empty.
        if (!IsTableList() && HasAbsentValues()) TestRow();
        ReadEnded();
        StatusTemplate = StatusTemplateGet;
        if (OnGetResult) {
            // The handler takes over the walk's end, not its report: the status keeps no stale "Ok!".
            if (HasStatusTarget()) ShowStatus(result.Message);
            OnGetResult(this, result);
        } else {
            GetFailed(result);
        }
        return;
    }
    if (!IsTableList()) {
        TestRow();
        EndWalk(result);
        return;
    }
    if (result.Finished) {
        EndWalk(result);
        return;
    }
    if (BeyondRowLimit()) {
        EndWalkAtRowLimit();
        return;
    }
    TakeRow();
    if (Request.Active) SendNextStep(false);
    else StopWalk(result);
}

void NxSNMPRequest2Controls::EndWalk(const NxSNMPError& result) {
    AfterGet();
    ReadEnded();
    if (!HasStatusTarget()) return;
    StatusTemplate = StatusTemplateGet;
    ShowStatus(NxSNMPErrorText(0));
    if (OnGetResult) OnGetResult(this, result);
}

void NxSNMPRequest2Controls::TakeRow() {
    TestRow();
    ++walkRows_;
}

void NxSNMPRequest2Controls::EndWalkAtRowLimit() {
    AfterGet();
    NxSNMPError limit;
    limit.Code = NxErrUnknown;
    limit.Message = RowLimitText(MaxRows);
    GetStepFailed(limit);
}

void NxSNMPRequest2Controls::StopWalk(const NxSNMPError& result) {
    AfterGet();
    ReadEnded();
    if (!HasStatusTarget()) return;
    StatusTemplate = StatusTemplateGet;
    NxSNMPError stop;
    stop.Message = SnmpStopText;
    stop.Serial = UINT64_MAX;
    if (Request.OnError) Request.OnError(&stop);
    else ShowStatus(stop.Message);
    if (OnGetResult) OnGetResult(this, result);
}

// ------------------------------------------------------------------------------------------------ set

bool NxSNMPRequest2Controls::Set(bool refreshAfter, bool fromControls, const std::string& indexList,
                                 const std::vector<std::string>* values) {
    StatusTemplate = StatusTemplateSet;
    RefreshAfterSet = refreshAfter ? 1 : 0;
    BeforeSet();
    if (fromControls) ControlsToRequest();
    if (Mode == ModeSync) return SetBlocking(indexList, values);
    if (Mode == ModeAsync) return SetAsynchronous(indexList, values);
    return true;
}

bool NxSNMPRequest2Controls::SetBlocking(const std::string& indexList, const std::vector<std::string>* values) {
    ++writing_;
    UpdateBusy();
    WriteGuard guard(*this);
    NxSNMPError result;
    bool ok = false;
    Request.Set(ok, result, false, indexList, values);
    AfterSet();
    guard.Release();
    WriteEnded();
    if (!ok && !Request.Active) {
        ShowStatus(result.Message);  // an inactive request sent nothing: never a success
        return false;
    }
    if (ok && !HasStatusTarget()) return true;
    if (ok) ShowStatus(NxSNMPErrorText(0));
    else ReportSetError(result);
    if (IsTableList() && RefreshAfterSet) Get();
    return ok;
}

bool NxSNMPRequest2Controls::SetAsynchronous(const std::string& indexList, const std::vector<std::string>* values) {
    ++writing_;
    UpdateBusy();
    if (!Request.Active) {
        WriteEnded();
        ShowStatus(SnmpStopText);  // nothing was sent: never a success
        return false;
    }
    WriteGuard guard(*this);
    bool ok = false;
    const NxSNMPError sent =
        Request.SetAsync(ok, &NxSNMPRequest2Controls::AsyncSetDone, this, false, indexList, values);
    guard.Release();
    if (ok) return true;
    SetSendFailed(sent);
    return false;
}

void NxSNMPRequest2Controls::SetSendFailed(const NxSNMPError& result) {
    WriteEnded();
    StatusTemplate = StatusTemplateSet;
    std::weak_ptr<int> life = life_;
    if (OnSetResult) OnSetResult(this, result);
    else SetFinished(result);
    if (!life.expired()) StartHeldGet();
}

void NxSNMPRequest2Controls::AsyncSetDone(void* context, NxSNMPError* result, NxSNMPVarList*) {
    auto* self = static_cast<NxSNMPRequest2Controls*>(context);
    if (self->destroying_) return;
    std::weak_ptr<int> life = self->life_;
    try {
        self->SetDone(*result);
    } catch (...) {
        if (life.expired()) return;
        self->WriteEnded();
        self->ShowFailure(MessageOf(std::current_exception()));
        if (!life.expired()) self->StartHeldGet();
    }
}

void NxSNMPRequest2Controls::SetDone(const NxSNMPError& result) {
    if (result.Code != 0) {
        WriteEnded();
        StatusTemplate = StatusTemplateSet;
        std::weak_ptr<int> life = life_;
        if (OnSetResult) OnSetResult(this, result);
        else SetFinished(result);
        if (!life.expired()) StartHeldGet();
        return;
    }
    AfterSet();
    WriteEnded();
    StatusTemplate = StatusTemplateSet;
    std::weak_ptr<int> life = life_;
    if (OnSetResult) OnSetResult(this, result);
    else SetFinished(result);
    if (life.expired()) return;  // the callback freed this object
    if (IsTableList() && RefreshAfterSet) Get();
    StartHeldGet();
}
