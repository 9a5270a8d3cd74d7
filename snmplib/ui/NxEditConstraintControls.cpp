#include "NxEditConstraintControls.h"

#include "Application.h"
#include "Dialogs.h"
#include "Form.h"
#include "NxSNMPError.h"
#include "StdCtrls.h"

#include "Exception.h"

namespace {

// The handlers installed on an edit; their type tells our own handlers from any the form put in later.
struct ChangeHook {
    NxEditConstraint* Constraint;
    void operator()(ui::Component* sender) const { Constraint->EditChange(sender); }
};

struct ExitHook {
    NxEditConstraint* Constraint;
    void operator()(ui::Component* sender) const { Constraint->EditExit(sender); }
};

template <class Hook>
bool IsOurs(const ui::NotifyEvent& handler, const NxEditConstraint* constraint) {
    const Hook* hook = handler.target<Hook>();
    return hook && hook->Constraint == constraint;
}

// The rule's checker reads and may rewrite the edit's text through the control checker.
NxEditChecker RuleChecker(ui::Edit* edit, NxTextChecker checker) {
    if (!checker) return {};
    return [edit, checker](std::string& text) {
        const bool accepted = checker(edit);
        text = edit->Text();
        return accepted;
    };
}

std::string ApplicationTitle() {
    ui::Application* application = ui::Application::InstanceOrNull();
    return application ? application->Title() : std::string();
}

class Flag {
public:
    explicit Flag(bool& flag) : flag_(flag) { flag_ = true; }
    ~Flag() { flag_ = false; }
    Flag(const Flag&) = delete;
    Flag& operator=(const Flag&) = delete;

private:
    bool& flag_;
};

}  // namespace

NxEditConstraint::NxEditConstraint(ui::Form* owner, bool rememberText) : RememberText(rememberText), owner_(owner) {}

NxEditConstraint::~NxEditConstraint() {
    for (auto& record : constraints_) Restore(*record);
}

const NxEditConstraint::Record* NxEditConstraint::FindConstraint(const ui::Control* control) const {
    for (const auto& record : constraints_)
        if (record->Edit == control) return record.get();
    return nullptr;
}

NxEditConstraint::Record* NxEditConstraint::Find(const ui::Component* control) {
    for (auto& record : constraints_)
        if (record->Edit == control) return record.get();
    return nullptr;
}

void NxEditConstraint::AddConstraint(const std::string& format, ui::Edit* edit, NxTextChecker checker) {
    if (!edit) RaiseNxSNMPError(NxErrTooFewControls);
    if (Record* record = Find(edit)) {
        record->Rule.Assign(format, RuleChecker(edit, checker));
        record->Checker = checker;
        Attach(*record);
        return;
    }
    auto record = std::make_unique<Record>(Record{edit, NxEditRule(format, RuleChecker(edit, checker)), checker,
                                                  edit->OnChange, edit->OnExit, edit->LifeToken(), edit->Text()});
    Attach(*record);
    constraints_.push_back(std::move(record));
}

void NxEditConstraint::Attach(Record& record) {
    ui::Edit* edit = record.Edit;
    if (record.Format().Width > 0) edit->SetWidth(record.Format().Width);
    edit->SetMaxLength(record.Rule.MaxTextLength());
    edit->OnChange = ChangeHook{this};
    edit->OnExit = ExitHook{this};
}

void NxEditConstraint::AddFormat(const std::string& format, const std::vector<ui::Edit*>& edits,
                                 NxTextChecker checker) {
    const std::vector<std::string> segments = SplitEditFormats(format);
    for (const std::string& segment : segments) ParseEditFormat(segment);
    if (segments.size() > edits.size()) RaiseNxSNMPError(NxErrTooFewControls);
    for (size_t i = 0; i < segments.size(); ++i)
        if (!edits[i]) RaiseNxSNMPError(NxErrTooFewControls);
    for (size_t i = 0; i < segments.size(); ++i) AddConstraint(segments[i], edits[i], checker);
}

void NxEditConstraint::Remove(ui::Edit* edit) {
    for (auto it = constraints_.begin(); it != constraints_.end(); ++it) {
        if ((*it)->Edit != edit) continue;
        Restore(**it);
        constraints_.erase(it);
        return;
    }
}

// Gives a living edit its own handlers back, unless the form has put others in place of ours since.
void NxEditConstraint::Restore(Record& record) {
    if (record.EditLife.expired()) return;
    ui::Edit* edit = record.Edit;
    if (IsOurs<ChangeHook>(edit->OnChange, this)) edit->OnChange = record.SavedOnChange;
    if (IsOurs<ExitHook>(edit->OnExit, this)) edit->OnExit = record.SavedOnExit;
}

void NxEditConstraint::SaveText(ui::Edit* edit) {
    if (Record* record = Find(edit)) {
        record->Rule.SaveText(edit->Text());
        record->Unchecked = false;
    }
}

void NxEditConstraint::ShowDeviceText(ui::Edit* edit) { SaveText(edit); }

ui::Form* NxEditConstraint::TargetForm(ui::Edit* edit) const { return owner_ ? owner_ : edit->ParentForm(); }

// Runs a saved handler of the edit; it vetoes the rest by setting the edit's Tag to -1.
NxEditSavedHandler NxEditConstraint::Chain(const ui::NotifyEvent& saved, ui::Edit* edit) {
    if (!saved) return {};
    return [saved, edit](const std::string&) {
        auto life = edit->LifeToken();
        saved(edit);
        return life.expired() || edit->Tag() == -1;
    };
}

void NxEditConstraint::EditChange(ui::Component* sender) {
    Record* record = Find(sender);
    if (!record) return;
    ui::Edit* edit = record->Edit;
    const std::string text = edit->Text();
    // A text set by code is accepted as it is; one the user typed (or the filter left of it) awaits its check.
    const bool typed = !edit->ChangedByCode() || filtering_;
    record->Unchecked = typed;
    if (!typed) SaveText(edit);
    // Only the user types, into the focused edit; a text set by code counts whole.
    const std::string before = typed && edit->Focused() ? record->ShownText : text;
    const NxEditChange change = record->Rule.OnChange(before, text, edit->SelStart(), Chain(record->SavedOnChange, edit));
    auto life = edit->LifeToken();
    if (life.expired() || !(record = Find(edit))) return;
    record->ShownText = change.Text;
    if (change.Changed) {
        {
            Flag filtering(filtering_);
            edit->SetText(change.Text);  // runs this handler again for the shortened text
        }
        if (life.expired()) return;
        edit->SetSelStart(change.Caret);
    }
    if (change.Beep) ui::Beep(NxEditBeepFrequency, NxEditBeepDuration);
    if (change.MoveToNext) ui::PostMessage(TargetForm(edit), ui::WM_NEXTDLGCTL, 0, 0);
}

void NxEditConstraint::EditExit(ui::Component* sender) {
    if (checking_) return;  // the check's own message box and focus move never start another
    if (Record* record = Find(sender)) CheckExit(*record);
}

NxEditExit NxEditConstraint::CheckExit(Record& record) {
    Flag checking(checking_);
    ui::Edit* edit = record.Edit;
    auto life = edit->LifeToken();
    record.Unchecked = false;
    const NxEditExit verdict = record.Rule.OnExit(edit->Text(), RememberText, Chain(record.SavedOnExit, edit));
    if (life.expired()) return verdict;
    if (!verdict.Message.empty()) ui::MessageBox(TargetForm(edit), verdict.Message, ApplicationTitle(), ui::mbOK);
    if (life.expired()) return verdict;
    if (verdict.SetText) {
        edit->SetText(verdict.Text);
        if (Record* current = Find(edit)) current->ShownText = edit->Text();
    }
    if (verdict.FocusEdit && !life.expired()) edit->SetFocus();
    return verdict;
}

std::optional<std::string> NxEditConstraint::RefusalBeforeWrite(const std::function<bool(const ui::Edit*)>& concerned) {
    if (checking_) return std::nullopt;
    for (size_t i = 0; i < constraints_.size(); ++i) {
        Record& record = *constraints_[i];
        // A text the user no longer sees (its edit hidden with its dialog) is not what is being written.
        if (!record.Unchecked || record.EditLife.expired() || !record.Edit->Showing()) continue;
        if (concerned && !concerned(record.Edit)) continue;
        const NxEditExit verdict = CheckExit(record);
        if (verdict.Result == NxEditExit::Refused) return verdict.Message;
    }
    return std::nullopt;
}
