#pragma once
// NxEditConstraint: the input rules of NxEditConstraint.h attached to real edits. While the user types, the edit's
// change handler removes what the rule does not allow (with a beep) and moves to the next control where the rule
// says; when the focus leaves the edit for another control of its window, the exit check runs and a refusal shows
// its message, puts the last accepted text back and returns the focus to the edit.
//
// A text set by code (a row's value, an emptied editor) counts as accepted: a later refusal puts it back. Before a
// write from the controls, RefusalBeforeWrite runs the exit check of every edit typed into since its last check, so a
// button the user reaches without the focus leaving the edit (a key, a click that takes no focus) writes nothing
// unchecked.
//
// Attaching saves the edit's own change and exit handlers; they run for texts that pass (a handler that sets the
// edit's Tag to -1 vetoes the rest). Remove, and the destructor for every edit still alive, give them back, so an
// edit that outlives its constraint never calls into freed code.
#include "NxEditConstraint.h"
#include "NxValueCheckControls.h"

#include "Component.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ui { class Edit; class Form; }

class NxEditConstraint {
public:
    // One constrained edit (_EditConstraint_s).
    struct Record {
        ui::Edit* Edit = nullptr;
        NxEditRule Rule;                 // the parsed format and the last accepted text
        NxTextChecker Checker = nullptr;
        ui::NotifyEvent SavedOnChange;
        ui::NotifyEvent SavedOnExit;
        std::weak_ptr<void> EditLife;    // expired once the edit is gone
        std::string ShownText;           // the text after the last change handled
        bool Unchecked = false;          // typed into since its last exit check or text set by code

        const NxEditFormat& Format() const { return Rule.Format(); }
        const std::string& LastGoodText() const { return Rule.LastGoodText(); }
    };

    // owner parents the message boxes and receives the next-control message; null: the edit's own form.
    NxEditConstraint(ui::Form* owner, bool rememberText);
    ~NxEditConstraint();
    NxEditConstraint(const NxEditConstraint&) = delete;
    NxEditConstraint& operator=(const NxEditConstraint&) = delete;

    // Parses format and attaches it to edit. An edit that has a constraint keeps its record (and its saved
    // handlers) and takes the new rule. A bad format raises -2 and changes nothing.
    void AddConstraint(const std::string& format, ui::Edit* edit, NxTextChecker checker = nullptr);
    // One "%" segment of format per edit, in order, each with checker. Every segment is parsed before any edit is
    // touched; more segments than edits raise -522.
    void AddFormat(const std::string& format, const std::vector<ui::Edit*>& edits, NxTextChecker checker = nullptr);
    // Takes the constraint away and gives the edit its own handlers back; nothing when it has none.
    void Remove(ui::Edit* edit);
    // The edit's current text becomes its last accepted text.
    void SaveText(ui::Edit* edit);
    // The edit's current text came from the device: a refusal puts it back.
    void ShowDeviceText(ui::Edit* edit);
    // Before a write from the controls: the exit check of every shown edit (that concerned accepts, when given) typed
    // into since its last check runs now, as if the focus left it (message, last accepted text, focus). Gives the
    // message of the first refusal; none when the input passes.
    std::optional<std::string> RefusalBeforeWrite(const std::function<bool(const ui::Edit*)>& concerned = {});
    void SetOwner(ui::Form* owner) { owner_ = owner; }
    ui::Form* Owner() const { return owner_; }

    const Record* FindConstraint(const ui::Control* control) const;
    int Count() const { return static_cast<int>(constraints_.size()); }

    // The handlers installed on every constrained edit.
    void EditChange(ui::Component* sender);
    void EditExit(ui::Component* sender);

    bool RememberText;

private:
    Record* Find(const ui::Component* control);
    void Attach(Record& record);
    void Restore(Record& record);
    ui::Form* TargetForm(ui::Edit* edit) const;
    static NxEditSavedHandler Chain(const ui::NotifyEvent& saved, ui::Edit* edit);
    NxEditExit CheckExit(Record& record);

    ui::Form* owner_;
    std::vector<std::unique_ptr<Record>> constraints_;
    bool checking_ = false;   // an exit check is running (its message box is up)
    bool filtering_ = false;  // the change handler sets the text it filtered
};
